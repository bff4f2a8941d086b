// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintCommand.h"

#include "Version.h"
#include "printing/QtPrintDialog.h"
#include "printing/QtPrinterFactory.h"
#include "ui/MessageService.h"

#include <QPrinter>

namespace tikkro::printing {

PrintCommand::PrintCommand(std::unique_ptr<PrintDialog> dialog,
                           std::unique_ptr<PrinterFactory> printers, ui::MessageService& messages)
    : m_dialog(std::move(dialog)), m_printers(std::move(printers)), m_messages(messages)
{}

PrintCommand PrintCommand::withQtPrinting(ui::MessageService& messages)
{
    // The dialog and the documents share one printer, so the printer, file
    // and page settings chosen in the dialog carry over to the next printout.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Tikkro"));
    return PrintCommand(std::make_unique<QtPrintDialog>(printer),
                        std::make_unique<QtPrinterFactory>(printer), messages);
}

void PrintCommand::run(QWidget* parent, const QString& logStripText)
{
    const std::optional<PrintDialog::Choice> choice = m_dialog->exec(parent);
    if (!choice) {
        return;
    }
    for (int copy = 1; copy <= choice->copies; ++copy) {
        std::unique_ptr<Printer> printer = m_printers->create(copy, choice->copies);
        if (!printDocument(*printer, choice->orientation, logStripText)) {
            const QString report = failureReport(*printer, copy, choice->copies);
            // Closing the document first takes a half-written file away
            // before the user reads that there is none.
            printer.reset();
            m_messages.show(report, ui::MessageService::Icon::Warning,
                            QStringLiteral("Print Log Strip"));
            return;
        }
    }
}

QString PrintCommand::failureReport(const Printer& printer, int copy, int copies)
{
    const bool toFile = printer.printsToFile();
    QString what;
    switch (printer.failure()) {
    case Printer::Failure::CannotOpen:
        what = toFile ? QStringLiteral("The file \"%1\" could not be created.")
                      : QStringLiteral("The printer \"%1\" could not be opened.");
        break;
    case Printer::Failure::CannotStartPage:
        what = toFile ? QStringLiteral("A new page could not be started in the file \"%1\".")
                      : QStringLiteral("The printer \"%1\" could not start a new page.");
        break;
    case Printer::Failure::ErrorState:
        what = toFile ? QStringLiteral("The file \"%1\" could not be written.")
                      : QStringLiteral("The printer \"%1\" reported an error.");
        break;
    case Printer::Failure::CannotFinish:
    case Printer::Failure::None:
        what = toFile ? QStringLiteral("The file \"%1\" could not be finished.")
                      : QStringLiteral("The printer \"%1\" did not take the document.");
        break;
    }
    QString report = what.arg(printer.destination());
    const QString detail = printer.failureDetail();
    if (!detail.isEmpty()) {
        report += QStringLiteral("\n\n") + detail;
    }
    if (toFile) {
        report += QStringLiteral("\n\nNothing was written to that file.");
    }
    if (copies > 1) {
        report += QStringLiteral("\n\nPrinting stopped at copy %1 of %2.").arg(copy).arg(copies);
    }
    return report;
}

bool PrintCommand::printDocument(Printer& printer, Printer::Orientation orientation,
                                 const QString& logStripText)
{
    printer.setOrientation(orientation);
    for (int i = 0; i < 4; ++i) {
        printer.endLine();
    }

    printer.setCurrentX(LeftMarginTwips);
    printer.setFontSize(18);
    printer.setFontBold(true);
    printer.printLine(QStringLiteral("Tikkro"));

    printer.setFontBold(false);
    printer.setCurrentX(LeftMarginTwips);
    printer.setFontSize(14);
    printer.printLine(QStringLiteral("Morvane's sophisticated Stop Watch"));

    printer.setFontSize(12);
    printer.setCurrentX(LeftMarginTwips);
    printer.printLine(QString::fromLatin1(version::label));
    printer.endLine();
    if (printer.failed()) {
        return false;
    }

    if (!printLogLines(printer, logStripText)) {
        return false;
    }

    // Completes a last line that has no line end of its own; after a line end
    // it leaves one empty line.
    printer.endLine();
    return !printer.failed() && printer.endDoc();
}

bool PrintCommand::printLogLines(Printer& printer, const QString& logStripText)
{
    // CR ends a line and LF is dropped. Everything between is printed in runs
    // rather than character by character: the page is the same, and a long
    // strip prints in a fraction of the time.
    printer.setCurrentX(LeftMarginTwips);
    qsizetype runStart = 0;
    const qsizetype length = logStripText.size();
    for (qsizetype i = 0; i <= length; ++i) {
        const bool atEnd = i == length;
        const QChar c = atEnd ? QChar() : logStripText.at(i);
        if (!atEnd && c != u'\r' && c != u'\n') {
            continue;
        }
        if (i > runStart) {
            printer.printText(logStripText.mid(runStart, i - runStart));
        }
        runStart = i + 1;
        if (c == u'\r') {
            printer.endLine();
            printer.setCurrentX(LeftMarginTwips);
            if (printer.failed()) {
                return false;
            }
        }
    }
    return !printer.failed();
}

} // namespace tikkro::printing
