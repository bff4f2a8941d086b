// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrinterFactory.h"

#include <QString>
#include <memory>

class QPrinter;

namespace tikkro::printing {

// Documents on the QPrinter that the print dialog set up. Each document asks
// the printer for a single copy, since every copy is a document of its own.
//
// Printing to a file, every copy goes to a file of its own so that none
// overwrites another: the first to the chosen file, the others beside it with
// "-copy2", "-copy3"... before the extension ("log.pdf", "log-copy2.pdf").
class QtPrinterFactory final : public PrinterFactory
{
public:
    explicit QtPrinterFactory(std::shared_ptr<QPrinter> printer);

    std::unique_ptr<Printer> create(int copy, int copies) override;

    static QString fileNameForCopy(const QString& chosenFileName, int copy);

private:
    std::shared_ptr<QPrinter> m_printer;
};

} // namespace tikkro::printing
