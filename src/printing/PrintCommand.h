// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"
#include "printing/PrinterFactory.h"

#include <QString>
#include <memory>

class QWidget;

namespace tikkro::ui {
class MessageService;
} // namespace tikkro::ui

namespace tikkro::printing {

// Prints the log strip under a short header, one complete document per copy
// chosen in the print dialog. Runs to its end without handing control back to
// the event loop once the dialog has closed. Cancelling prints nothing and
// says nothing; a printer failure ends the command at the step that failed,
// leaves later copies unprinted and is reported in one warning box.
class PrintCommand
{
public:
    static constexpr double LeftMarginTwips = 1400;

    PrintCommand(std::unique_ptr<PrintDialog> dialog, std::unique_ptr<PrinterFactory> printers,
                 ui::MessageService& messages);

    // The command on the system's printers and Qt's print dialog, which also
    // offers printing to a PDF file when no printer is installed.
    static PrintCommand withQtPrinting(ui::MessageService& messages);

    // logStripText has its lines ended by CR LF and may be of any length.
    void run(QWidget* parent, const QString& logStripText);

    // What the warning box says when a copy fails.
    static QString failureReport(const Printer& printer, int copy, int copies);

private:
    static bool printDocument(Printer& printer, Printer::Orientation orientation,
                              const QString& logStripText);
    static bool printLogLines(Printer& printer, const QString& logStripText);

    std::unique_ptr<PrintDialog> m_dialog;
    std::unique_ptr<PrinterFactory> m_printers;
    ui::MessageService& m_messages;
};

} // namespace tikkro::printing
