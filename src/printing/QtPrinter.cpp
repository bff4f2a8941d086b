// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>

namespace tikkro::printing {

namespace {
constexpr double TwipsPerInch = 1440;
} // namespace

QtPrinter::QtPrinter(QPrinter& printer, const QString& outputFileName) : m_printer(printer)
{
    if (!outputFileName.isEmpty()) {
        m_savedFileName = m_printer.outputFileName();
        m_printer.setOutputFileName(outputFileName);
    }
}

QtPrinter::~QtPrinter()
{
    // A document cut short by a failure is closed as far as it got; what the
    // printer makes of it is up to the printer.
    if (m_painter.isActive()) {
        m_painter.end();
    }
    if (m_savedFileName) {
        m_printer.setOutputFileName(*m_savedFileName);
    }
}

void QtPrinter::setOrientation(Orientation orientation)
{
    if (m_failed) {
        return;
    }
    m_printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    if (m_started) {
        m_pageHeightTwips = toTwips(m_printer.pageRect(QPrinter::DevicePixel).height());
    }
}

void QtPrinter::setCurrentX(double twips)
{
    m_x = twips;
}

void QtPrinter::setFontSize(double points)
{
    if (!ensureStarted()) {
        return;
    }
    m_font.setPointSizeF(points);
    fontChanged();
}

void QtPrinter::setFontBold(bool bold)
{
    if (!ensureStarted()) {
        return;
    }
    m_font.setBold(bold);
    fontChanged();
}

void QtPrinter::printLine(const QString& text)
{
    printText(text);
    endLine();
}

void QtPrinter::printText(const QString& text)
{
    if (!ensureStarted() || text.isEmpty()) {
        return;
    }
    // A line that does not fit goes to the next page; a line taller than a
    // whole page is printed where it is rather than pushing out pages forever.
    if (m_y > 0 && m_y + m_lineHeightTwips > m_pageHeightTwips) {
        if (!m_printer.newPage()) {
            m_failed = true;
            return;
        }
        m_y = 0;
    }
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y + m_ascentTwips)), text);
    m_x += toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
}

void QtPrinter::endLine()
{
    if (!ensureStarted()) {
        return;
    }
    m_x = 0;
    m_y += m_lineHeightTwips;
}

bool QtPrinter::endDoc()
{
    if (!ensureStarted() || m_ended) {
        return false;
    }
    m_ended = true;
    if (!m_painter.end()) {
        m_failed = true;
    }
    return !m_failed;
}

bool QtPrinter::ensureStarted()
{
    if (m_failed || m_ended) {
        return false;
    }
    if (m_started) {
        return true;
    }
    m_started = true;
    if (!m_painter.begin(&m_printer)) {
        m_failed = true;
        return false;
    }
    // The face stays the printer's own; only size and weight are ever set.
    m_font = m_painter.font();
    m_pageHeightTwips = toTwips(m_printer.pageRect(QPrinter::DevicePixel).height());
    fontChanged();
    return true;
}

void QtPrinter::fontChanged()
{
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, &m_printer);
    m_lineHeightTwips = toTwips(metrics.lineSpacing());
    m_ascentTwips = toTwips(metrics.ascent());
}

double QtPrinter::toDevice(double twips) const
{
    return twips * m_printer.resolution() / TwipsPerInch;
}

double QtPrinter::toTwips(double device) const
{
    return device * TwipsPerInch / m_printer.resolution();
}

} // namespace tikkro::printing
