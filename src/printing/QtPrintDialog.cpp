// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrintDialog.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace tikkro::printing {

QtPrintDialog::QtPrintDialog(std::shared_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

std::optional<PrintDialog::Choice> QtPrintDialog::exec(QWidget* parent)
{
    QPrintDialog dialog(m_printer.get(), parent);
    // The log strip is always printed whole, so a page range is not offered.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    m_printer->setPrintRange(QPrinter::AllPages);
    return Choice{m_printer->copyCount(),
                  m_printer->pageLayout().orientation() == QPageLayout::Landscape
                      ? Printer::Orientation::Landscape
                      : Printer::Orientation::Portrait};
}

} // namespace tikkro::printing
