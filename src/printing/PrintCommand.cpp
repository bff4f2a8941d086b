// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintCommand.h"

#include "printing/QtPrintDialog.h"
#include "printing/QtPrinterFactory.h"

#include <QPrinter>

namespace tikkro::printing {

PrintCommand::PrintCommand(std::unique_ptr<PrintDialog> dialog,
                           std::unique_ptr<PrinterFactory> printers)
    : m_dialog(std::move(dialog)), m_printers(std::move(printers))
{}

PrintCommand PrintCommand::withQtPrinting()
{
    // The dialog and the documents share one printer, so the printer, file
    // and page settings chosen in the dialog carry over to the next printout.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Tikkro"));
    return PrintCommand(std::make_unique<QtPrintDialog>(printer),
                        std::make_unique<QtPrinterFactory>(printer));
}

std::optional<QString> PrintCommand::run(QWidget* parent, const QString& logStripText)
{
    const std::optional<PrintDialog::Choice> choice = m_dialog->exec(parent);
    if (!choice) {
        return std::nullopt;
    }
    for (int copy = 1; copy <= choice->copies; ++copy) {
        std::unique_ptr<Printer> printer = m_printers->create(copy, choice->copies);
        const std::optional<PrintLayout::Metrics> metrics = printer->open(choice->orientation);
        if (!metrics || !printer->print(PrintLayout::pages(logStripText, *metrics))) {
            const QString report = failureReport(*printer, copy, choice->copies);
            // Closing the document first takes a half-written file away
            // before the user reads that there is none.
            printer.reset();
            return report;
        }
    }
    return std::nullopt;
}

QString PrintCommand::failureReport(const Printer& printer, int copy, int copies)
{
    const bool toFile = printer.printsToFile();
    QString what;
    switch (printer.failure()) {
    case Printer::Failure::CannotOpen:
        what = toFile ? tr("The file \"%1\" could not be created.")
                      : tr("The printer \"%1\" could not be opened.");
        break;
    case Printer::Failure::CannotStartPage:
        what = toFile ? tr("A new page could not be started in the file \"%1\".")
                      : tr("The printer \"%1\" could not start a new page.");
        break;
    case Printer::Failure::ErrorState:
        what = toFile ? tr("The file \"%1\" could not be written.")
                      : tr("The printer \"%1\" reported an error.");
        break;
    case Printer::Failure::CannotFinish:
    case Printer::Failure::None:
        what = toFile ? tr("The file \"%1\" could not be finished.")
                      : tr("The printer \"%1\" did not take the document.");
        break;
    }
    QString report = what.arg(printer.destination());
    const QString detail = printer.failureDetail();
    if (!detail.isEmpty()) {
        report += QStringLiteral("\n\n") + detail;
    }
    if (toFile) {
        report += QStringLiteral("\n\n") + tr("Nothing was written to that file.");
    }
    if (copies > 1) {
        report +=
            QStringLiteral("\n\n") + tr("Printing stopped at copy %1 of %2.").arg(copy).arg(copies);
    }
    return report;
}

} // namespace tikkro::printing
