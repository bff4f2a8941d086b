// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace tikkro::printing {

// One document on a QPrinter. The printer's job starts with the first line and
// ends with endDoc(). Positions are kept in twips and converted by the
// printer's resolution only when drawing, in floating point: rounding them to
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

    void setOrientation(Orientation orientation) override;
    void setCurrentX(double twips) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void printLine(const QString& text) override;
    void printText(const QString& text) override;
    void endLine() override;
    bool endDoc() override;
    Failure failure() const override { return m_failure; }
    QString failureDetail() const override { return m_failureDetail; }
    QString destination() const override;
    bool printsToFile() const override { return m_file != nullptr; }

private:
    bool ensureStarted();
    void fail(Failure failure, const QString& detail = {});
    // The printer or file has gone wrong since the last look.
    bool deviceInError();
    QString writeFailureReason();
    void fontChanged();
    double toDevice(double twips) const;
    double toTwips(double device) const;
    QPagedPaintDevice& device();
    double pageHeightTwips();

    QPrinter& m_printer;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_pdf;
    const double m_resolution;
    QPainter m_painter;
    QFont m_font;
    double m_lineHeightTwips = 0;
    double m_ascentTwips = 0;
    double m_pageHeightTwips = 0;
    double m_x = 0;
    double m_y = 0;
    bool m_started = false;
    bool m_ended = false;
    Failure m_failure = Failure::None;
    QString m_failureDetail;
};

} // namespace tikkro::printing
