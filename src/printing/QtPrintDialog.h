// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"

#include <memory>

class QPrinter;

namespace tikkro::printing {

// Qt's print dialog on the shared printer. The dialog writes the user's choice
// of printer, file, page size and orientation into that printer.
class QtPrintDialog final : public PrintDialog
{
public:
    explicit QtPrintDialog(std::shared_ptr<QPrinter> printer);

    std::optional<Choice> exec(QWidget* parent) override;

private:
    std::shared_ptr<QPrinter> m_printer;
};

} // namespace tikkro::printing
