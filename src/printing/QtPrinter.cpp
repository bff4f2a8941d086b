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
constexpr double MmPerInch = 25.4;
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

std::optional<PrintLayout::Metrics> QtPrinter::open(Orientation orientation)
{
    device().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    if (m_file && !m_file->open(QIODevice::WriteOnly)) {
        fail(Failure::CannotOpen, m_file->errorString());
        return std::nullopt;
    }
    if (!m_painter.begin(&device())) {
        fail(Failure::CannotOpen);
        return std::nullopt;
    }
    if (deviceInError()) {
        return std::nullopt;
    }
    // The face stays the printer's own; only size and weight are ever set.
    const QRect area = device().pageLayout().paintRectPixels(static_cast<int>(m_resolution));
    PrintLayout::Metrics metrics;
    metrics.pageHeight = toMm(area.height());
    metrics.printer = measure(PrintLayout::Font::Printer);
    metrics.title = measure(PrintLayout::Font::Title);
    metrics.subtitle = measure(PrintLayout::Font::Subtitle);
    metrics.body = measure(PrintLayout::Font::Body);
    return metrics;
}

PrintLayout::FontMetrics QtPrinter::measure(PrintLayout::Font font)
{
    QFont& chosen = m_fonts.at(static_cast<std::size_t>(font));
    chosen = m_painter.font();
    if (const double points = PrintLayout::pointSize(font); points > 0) {
        chosen.setPointSizeF(points);
        chosen.setBold(PrintLayout::isBold(font));
    }
    const QFontMetricsF metrics(chosen, &device());
    return {toMm(metrics.ascent()), toMm(metrics.lineSpacing())};
}

bool QtPrinter::print(const QList<PrintLayout::Page>& pages)
{
    if (failed() || !m_painter.isActive()) {
        return false;
    }
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            if (!device().newPage()) {
                fail(Failure::CannotStartPage);
                return false;
            }
            // Finished pages have just been handed over: a full disk or a
            // printer gone wrong shows here rather than only at the end.
            if (deviceInError()) {
                return false;
            }
        }
        for (const PrintLayout::Line& line : pages[i]) {
            m_painter.setFont(m_fonts.at(static_cast<std::size_t>(line.font)));
            m_painter.drawText(QPointF(toDevice(line.x), toDevice(line.baseline)), line.text);
        }
    }
    return finish();
}

bool QtPrinter::finish()
{
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

double QtPrinter::toDevice(double mm) const
{
    return mm * m_resolution / MmPerInch;
}

double QtPrinter::toMm(double device) const
{
    return device * MmPerInch / m_resolution;
}

QPagedPaintDevice& QtPrinter::device()
{
    if (m_pdf) {
        return *m_pdf;
    }
    return m_printer;
}

} // namespace tikkro::printing
