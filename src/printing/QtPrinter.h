// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace tikkro::printing {

// One document on a QPrinter, drawn with a QPainter. The layout's millimetres
// become device units only when drawing, in floating point: rounding them to
// device pixels would shift the margin by up to half a pixel.
//
// A document for a file is written as PDF with the printer's page settings
// into a temporary file beside it, which takes the file's name only once it
// is complete and on the disk: a failure leaves no truncated file behind, and
// an earlier file of that name stays as it was.
class QtPrinter final : public Printer
{
public:
    // outputFileName, when not empty, is the file this document goes to
    // instead of the printer.
    QtPrinter(QPrinter& printer, const QString& outputFileName);
    ~QtPrinter() override;

    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    std::optional<PrintLayout::Metrics> open(Orientation orientation) override;
    bool print(const QList<PrintLayout::Page>& pages) override;
    Failure failure() const override { return m_failure; }
    QString failureDetail() const override { return m_failureDetail; }
    QString destination() const override;
    bool printsToFile() const override { return m_file != nullptr; }

private:
    bool failed() const { return m_failure != Failure::None; }
    void fail(Failure failure, const QString& detail = {});
    // The printer or file has gone wrong since the last look.
    bool deviceInError();
    QString writeFailureReason();
    bool finish();
    PrintLayout::FontMetrics measure(PrintLayout::Font font);
    double toDevice(double mm) const;
    double toMm(double device) const;
    QPagedPaintDevice& device();

    QPrinter& m_printer;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_pdf;
    const double m_resolution;
    QPainter m_painter;
    std::array<QFont, 4> m_fonts;
    Failure m_failure = Failure::None;
    QString m_failureDetail;
};

} // namespace tikkro::printing
