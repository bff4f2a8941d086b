// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/RecordingPrinter.h"
#include "printing/PrinterFactory.h"

#include <deque>

namespace tikkro::fakes {

// Hands out recording printers and keeps every document they printed.
class RecordingPrinterFactory final : public printing::PrinterFactory
{
public:
    std::unique_ptr<printing::Printer> create(int copy, int /*copies*/) override
    {
        if (copy == refuseCopy)
            return nullptr;
        documents.emplace_back();
        return std::make_unique<RecordingPrinter>(documents.back(),
                                                  copy == failingCopy ? failAfter : -1);
    }

    std::deque<RecordingPrinter::Document> documents;
    int refuseCopy = 0;  // this copy's printer cannot be opened
    int failingCopy = 0; // this copy's printer fails after failAfter operations
    int failAfter = -1;
};

} // namespace tikkro::fakes
