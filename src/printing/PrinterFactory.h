// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"

#include <memory>

namespace tikkro::printing {

// Opens one document on the printer the print dialog chose. Every copy is a
// document of its own, so that a printer without a copy count of its own and
// a printer queue that splits jobs both get each copy whole.
class PrinterFactory
{
public:
    virtual ~PrinterFactory() = default;

    // copy runs from 1 to copies. Never null: a printer that cannot be opened
    // says so through its failure().
    virtual std::unique_ptr<Printer> create(int copy, int copies) = 0;
};

} // namespace tikkro::printing
