// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"
#include "printing/PrinterFactory.h"

#include <memory>

namespace tikkro::printing {

// The entry point of the printing module, which holds all the code that needs
// Qt's print support and CUPS: it makes Qt's print dialog and the documents
// on one QPrinter shared between them, so that the printer, file and page
// settings chosen in the dialog carry over to the next printout.
using MakeQtPrinting = void(std::unique_ptr<PrintDialog>& dialog,
                            std::unique_ptr<PrinterFactory>& printers);
inline constexpr char MakeQtPrintingSymbol[] = "tikkro_make_qt_printing";

} // namespace tikkro::printing
