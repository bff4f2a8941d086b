// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printing/PrintLayout.h"

#include "Version.h"

namespace tikkro::printing {

namespace {

const PrintLayout::FontMetrics& measuresOf(const PrintLayout::Metrics& metrics,
                                           PrintLayout::Font font)
{
    switch (font) {
    case PrintLayout::Font::Printer:
        return metrics.printer;
    case PrintLayout::Font::Title:
        return metrics.title;
    case PrintLayout::Font::Subtitle:
        return metrics.subtitle;
    case PrintLayout::Font::Body:
        break;
    }
    return metrics.body;
}

} // namespace

double PrintLayout::pointSize(Font font)
{
    switch (font) {
    case Font::Printer:
        return 0;
    case Font::Title:
        return 18;
    case Font::Subtitle:
        return 14;
    case Font::Body:
        break;
    }
    return 12;
}

QList<PrintLayout::Page> PrintLayout::pages(const QString& text, const Metrics& metrics)
{
    QList<Page> pages{Page()};
    double y = TopMarginLines * metrics.printer.lineSpacing;
    const auto put = [&](Font font, QStringView line) {
        const FontMetrics& measures = measuresOf(metrics, font);
        if (!line.isEmpty()) {
            // A line taller than a whole page stays where it is rather than
            // pushing out empty pages.
            if (y > 0 && y + measures.lineSpacing > metrics.pageHeight) {
                pages.append(Page());
                y = 0;
            }
            pages.last().append({font, LeftIndentMm, y + measures.ascent, line.toString()});
        }
        y += measures.lineSpacing;
    };

    put(Font::Title, u"Tikkro");
    put(Font::Subtitle, u"Morvane's sophisticated Stop Watch");
    put(Font::Body, QString::fromLatin1(version::label));
    put(Font::Body, {});
    // A last line without a line end prints all the same; after a line end
    // an empty line closes the printout.
    for (const QStringView line : QStringView(text).split(u'\n')) {
        put(Font::Body, line);
    }
    return pages;
}

} // namespace tikkro::printing
