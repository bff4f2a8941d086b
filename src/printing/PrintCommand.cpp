// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintCommand.h"

#include "Version.h"
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

void PrintCommand::run(QWidget* parent, const QString& logStripText)
{
    const std::optional<PrintDialog::Choice> choice = m_dialog->exec(parent);
    if (!choice) {
        return;
    }
    for (int copy = 1; copy <= choice->copies; ++copy) {
        const std::unique_ptr<Printer> printer = m_printers->create(copy, choice->copies);
        if (!printer || !printDocument(*printer, choice->orientation, logStripText)) {
            return;
        }
    }
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
