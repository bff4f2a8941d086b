// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"
#include "printing/PrinterFactory.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tikkro::printing {

// Prints the log strip under a short header, one complete document per copy
// chosen in the print dialog. Runs to its end without handing control back to
// the event loop once the dialog has closed. Cancelling prints nothing and
// says nothing; a printer failure ends the command at the step that failed
// and leaves later copies unprinted.
class PrintCommand
{
    Q_DECLARE_TR_FUNCTIONS(PrintCommand)
public:
    // The dialog and the printers, or why they could not be made.
    struct Printing
    {
        std::unique_ptr<PrintDialog> dialog;
        std::unique_ptr<PrinterFactory> printers;
        QString failure;
    };

    PrintCommand(std::unique_ptr<PrintDialog> dialog, std::unique_ptr<PrinterFactory> printers);
    // The dialog and the printers made by `load` at the first Print. Until
    // it succeeds, every Print tries again and reports the failure instead.
    explicit PrintCommand(std::function<Printing()> load);

    // The command on the system's printers and Qt's print dialog, which also
    // offers printing to a PDF file when no printer is installed. They come
    // from the printing module, which starting the program does not load.
    static PrintCommand withQtPrinting();

    // logStripText has its lines ended by LF and may be of any length.
    // Gives what to tell the user when a copy failed.
    std::optional<QString> run(QWidget* parent, const QString& logStripText);

    static QString failureReport(const Printer& printer, int copy, int copies);
    static QString failureTitle() { return tr("Print Log Strip"); }

private:
    std::function<Printing()> m_load;
    std::unique_ptr<PrintDialog> m_dialog;
    std::unique_ptr<PrinterFactory> m_printers;
};

} // namespace tikkro::printing
