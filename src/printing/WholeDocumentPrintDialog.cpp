// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WholeDocumentPrintDialog.h"

#include <QPrinter>

namespace tikkro::printing {

WholeDocumentPrintDialog::WholeDocumentPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent)
{
    // The page setup holds the orientation. Copies are separate documents,
    // so collating means nothing.
    setOptions(PrintToFile | PrintShowPageSize);
    printer->setPrintRange(QPrinter::AllPages);
}

void WholeDocumentPrintDialog::setVisible(bool visible)
{
    QPrintDialog::setVisible(visible);
    if (!visible) {
        return;
    }
    // With CUPS, Qt shows the range and page-set fields whatever the options
    // say, since the server could pick the pages; a page range typed there
    // only ends in a syntax error or a partial printout. Qt lays out its
    // fields afresh each time the dialog is shown, so they are hidden here
    // by the names Qt gives them.
    for (const char* name : {"gbPrintRange", "pageSetLabel", "pageSetCombo"}) {
        if (auto* field = findChild<QWidget*>(QLatin1String(name))) {
            field->hide();
        }
    }
}

} // namespace tikkro::printing
