// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QtPrintDialog.h"
#include "printing/QtPrinterFactory.h"
#include "printing/QtPrintingEntry.h"

#include <QPrinter>

#include <type_traits>

extern "C" Q_DECL_EXPORT void
tikkro_make_qt_printing(std::unique_ptr<tikkro::printing::PrintDialog>& dialog,
                        std::unique_ptr<tikkro::printing::PrinterFactory>& printers)
{
    using namespace tikkro::printing;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("Tikkro"));
    dialog = std::make_unique<QtPrintDialog>(printer);
    printers = std::make_unique<QtPrinterFactory>(printer);
}

static_assert(std::is_same_v<decltype(tikkro_make_qt_printing), tikkro::printing::MakeQtPrinting>);
