// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"
#include "printing/PrinterFactory.h"

#include <QString>
#include <memory>

class QWidget;

namespace tikkro::printing {

// Prints the log strip under a short header, one complete document per copy
// chosen in the print dialog. Runs to its end without handing control back to
// the event loop once the dialog has closed. Cancelling prints nothing; a
// printer failure ends the command quietly, leaving later copies unprinted.
class PrintCommand
{
public:
    static constexpr double LeftMarginTwips = 1400;

    PrintCommand(std::unique_ptr<PrintDialog> dialog, std::unique_ptr<PrinterFactory> printers);

    // The command on the system's printers and Qt's print dialog, which also
    // offers printing to a PDF file when no printer is installed.
    static PrintCommand withQtPrinting();

    // logStripText has its lines ended by CR LF and may be of any length.
    void run(QWidget* parent, const QString& logStripText);

private:
    static bool printDocument(Printer& printer, Printer::Orientation orientation,
                              const QString& logStripText);
    static bool printLogLines(Printer& printer, const QString& logStripText);

    std::unique_ptr<PrintDialog> m_dialog;
    std::unique_ptr<PrinterFactory> m_printers;
};

} // namespace tikkro::printing
