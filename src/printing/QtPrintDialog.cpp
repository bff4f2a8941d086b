// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrintDialog.h"

#include "printing/WholeDocumentPrintDialog.h"

#include <QPageLayout>
#include <QPrinter>

namespace tikkro::printing {

QtPrintDialog::QtPrintDialog(std::shared_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

std::optional<PrintDialog::Choice> QtPrintDialog::exec(QWidget* parent)
{
    WholeDocumentPrintDialog dialog(m_printer.get(), parent);
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
