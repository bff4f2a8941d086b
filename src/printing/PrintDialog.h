// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/Printer.h"

#include <optional>

class QWidget;

namespace tikkro::printing {

// The print dialog: the user picks the printer, the number of copies and the
// page orientation.
class PrintDialog
{
public:
    struct Choice
    {
        int copies = 1;
        Printer::Orientation orientation = Printer::Orientation::Portrait;
    };

    virtual ~PrintDialog() = default;

    // Modal. Nothing when the user cancels.
    virtual std::optional<Choice> exec(QWidget* parent) = 0;
};

} // namespace tikkro::printing
