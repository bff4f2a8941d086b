// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintCommand.h"

#include "core/LoadableModule.h"
#include "printing/QtPrintingEntry.h"

namespace tikkro::printing {

PrintCommand::PrintCommand(std::unique_ptr<PrintDialog> dialog,
                           std::unique_ptr<PrinterFactory> printers)
    : m_dialog(std::move(dialog)), m_printers(std::move(printers))
{}

PrintCommand::PrintCommand(std::function<Printing()> load) : m_load(std::move(load)) {}

PrintCommand PrintCommand::withQtPrinting()
{
    return PrintCommand([] {
        core::LoadableModule module(QStringLiteral("tikkro-printing"));
        Printing printing;
        if (auto* make = module.entry<MakeQtPrinting>(MakeQtPrintingSymbol)) {
            make(printing.dialog, printing.printers);
        } else {
            printing.failure = module.errorString();
        }
        return printing;
    });
}

std::optional<QString> PrintCommand::run(QWidget* parent, const QString& logStripText)
{
    if (!m_dialog || !m_printers) {
        Printing printing = m_load();
        if (!printing.dialog || !printing.printers) {
            return tr("Printing is not possible: its module could not be loaded.") +
                   QStringLiteral("\n\n") + printing.failure;
        }
        m_dialog = std::move(printing.dialog);
        m_printers = std::move(printing.printers);
    }
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
