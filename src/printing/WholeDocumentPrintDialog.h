// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrintDialog>

namespace tikkro::printing {

// Qt's print dialog for a document that is always printed whole: it offers
// the printer or file, the copies and the page setup with its orientation,
// but no page range, page set, selection or current page.
class WholeDocumentPrintDialog final : public QPrintDialog
{
    Q_OBJECT
public:
    explicit WholeDocumentPrintDialog(QPrinter* printer, QWidget* parent = nullptr);

    void setVisible(bool visible) override;
};

} // namespace tikkro::printing
