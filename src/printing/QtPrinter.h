// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"

#include <QFont>
#include <QPainter>
#include <optional>

class QPrinter;

namespace tikkro::printing {

// One document on a QPrinter. The printer's job starts with the first line and
// ends with endDoc(). Positions are kept in twips and converted by the
// printer's resolution only when drawing, in floating point: rounding them to
// device pixels would shift the margin by up to half a pixel.
class QtPrinter final : public Printer
{
public:
    // outputFileName, when not empty, replaces the printer's file for this
    // document only.
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
    bool failed() const override { return m_failed; }

private:
    bool ensureStarted();
    void fontChanged();
    double toDevice(double twips) const;
    double toTwips(double device) const;

    QPrinter& m_printer;
    std::optional<QString> m_savedFileName;
    QPainter m_painter;
    QFont m_font;
    double m_lineHeightTwips = 0;
    double m_ascentTwips = 0;
    double m_pageHeightTwips = 0;
    double m_x = 0;
    double m_y = 0;
    bool m_started = false;
    bool m_ended = false;
    bool m_failed = false;
};

} // namespace tikkro::printing
