// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrinter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cups/cups.h>

namespace tikkro::printing {

namespace {
constexpr double TwipsPerInch = 1440;
} // namespace

QtPrinter::QtPrinter(QPrinter& printer, const QString& outputFileName)
    : m_printer(printer), m_resolution(printer.resolution())
{
    if (outputFileName.isEmpty()) {
        return;
    }
    m_file = std::make_unique<QSaveFile>(outputFileName);
    m_pdf = std::make_unique<QPdfWriter>(m_file.get());
    m_pdf->setPageLayout(printer.pageLayout());
    m_pdf->setResolution(printer.resolution());
    m_pdf->setPdfVersion(printer.pdfVersion());
    m_pdf->setTitle(printer.docName());
    m_pdf->setCreator(printer.creator());
}

QtPrinter::~QtPrinter()
{
    // A document cut short by a failure is closed as far as it got; what a
    // printer makes of it is up to the printer. A file that was not
    // completed is thrown away with its temporary name.
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

QString QtPrinter::destination() const
{
    return m_file ? m_file->fileName() : m_printer.printerName();
}

void QtPrinter::setOrientation(Orientation orientation)
{
    if (failed()) {
        return;
    }
    device().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    if (m_started) {
        m_pageHeightTwips = pageHeightTwips();
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
        if (!device().newPage()) {
            fail(Failure::CannotStartPage);
            return;
        }
        // Finished pages have just been handed over: a full disk or a
        // printer gone wrong shows here rather than only at the end.
        if (deviceInError()) {
            return;
        }
        m_y = 0;
    }
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y + m_ascentTwips)), text);
    m_x += toTwips(QFontMetricsF(m_font, &device()).horizontalAdvance(text));
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
    if (!ensureStarted()) {
        return false;
    }
    m_ended = true;
    if (deviceInError()) {
        return false;
    }
    if (!m_painter.end()) {
        fail(Failure::CannotFinish);
        return false;
    }
    if (m_file) {
        // The file takes its name only once everything is on the disk. The
        // last buffered bytes are written out first and checked here:
        // commit() would give the file its name even when they fail.
        if (!m_file->flush()) {
            fail(Failure::CannotFinish, writeFailureReason());
        } else if (!m_file->commit()) {
            fail(Failure::CannotFinish, m_file->errorString());
        }
    } else if (m_printer.printerState() == QPrinter::Error) {
        fail(Failure::CannotFinish);
    } else if (m_printer.outputFormat() == QPrinter::NativeFormat &&
               !m_printer.printerName().isEmpty()) {
        // Qt hands the job to the print server as the painter ends and lets
        // the server's answer drop; on this thread CUPS still holds it.
        if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
            fail(Failure::CannotFinish,
                 QStringLiteral("CUPS: ") + QString::fromUtf8(cupsLastErrorString()));
        }
    }
    return !failed();
}

bool QtPrinter::ensureStarted()
{
    if (failed() || m_ended) {
        return false;
    }
    if (m_started) {
        return true;
    }
    m_started = true;
    if (m_file && !m_file->open(QIODevice::WriteOnly)) {
        fail(Failure::CannotOpen, m_file->errorString());
        return false;
    }
    if (!m_painter.begin(&device())) {
        fail(Failure::CannotOpen);
        return false;
    }
    if (deviceInError()) {
        return false;
    }
    // The face stays the printer's own; only size and weight are ever set.
    m_font = m_painter.font();
    m_pageHeightTwips = pageHeightTwips();
    fontChanged();
    return true;
}

void QtPrinter::fail(Failure failure, const QString& detail)
{
    if (!failed()) {
        m_failure = failure;
        m_failureDetail = detail;
    }
}

bool QtPrinter::deviceInError()
{
    if (m_file) {
        if (m_file->error() != QFileDevice::NoError) {
            fail(Failure::ErrorState, writeFailureReason());
        }
    } else if (m_printer.printerState() == QPrinter::Error) {
        fail(Failure::ErrorState);
    }
    return failed();
}

QString QtPrinter::writeFailureReason()
{
    // A write that the disk took only in part is reported without a reason;
    // trying the rest again brings the system's own.
    m_file->flush();
    return m_file->errorString();
}

void QtPrinter::fontChanged()
{
    m_painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, &device());
    m_lineHeightTwips = toTwips(metrics.lineSpacing());
    m_ascentTwips = toTwips(metrics.ascent());
}

double QtPrinter::toDevice(double twips) const
{
    return twips * m_resolution / TwipsPerInch;
}

double QtPrinter::toTwips(double device) const
{
    return device * TwipsPerInch / m_resolution;
}

QPagedPaintDevice& QtPrinter::device()
{
    if (m_pdf) {
        return *m_pdf;
    }
    return m_printer;
}

double QtPrinter::pageHeightTwips()
{
    return toTwips(device().pageLayout().paintRectPixels(static_cast<int>(m_resolution)).height());
}

} // namespace tikkro::printing
