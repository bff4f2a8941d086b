// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace tikkro::printing {

// The printed log strip laid out on pages, in millimetres from the top left
// of the printable area: a top margin of four lines of the printer's own
// font, the product name, subtitle and version, an empty line, then the
// strip's lines, every line at the same left indent. Lines are not wrapped.
// A line that would cross the foot of the page starts the next page at its
// top; empty lines that fall past the foot are not carried over.
class PrintLayout
{
public:
    enum class Font
    {
        Printer, // the printer's own font as it comes
        Title,
        Subtitle,
        Body
    };

    // A font's vertical measures on the page.
    struct FontMetrics
    {
        double ascent = 0;
        double lineSpacing = 0;
    };

    struct Metrics
    {
        double pageHeight = 0; // of the printable area
        FontMetrics printer;
        FontMetrics title;
        FontMetrics subtitle;
        FontMetrics body;
    };

    struct Line
    {
        Font font = Font::Body;
        double x = 0;
        double baseline = 0;
        QString text;
    };
    using Page = QList<Line>;

    static constexpr double LeftIndentMm = 24.7;
    static constexpr int TopMarginLines = 4;

    // The point size a font is set to; 0 leaves the printer's size.
    static double pointSize(Font font);
    static bool isBold(Font font) { return font == Font::Title; }

    // text has its lines ended by LF and may be of any length.
    static QList<Page> pages(const QString& text, const Metrics& metrics);
};

} // namespace tikkro::printing
