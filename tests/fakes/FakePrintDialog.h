// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintDialog.h"

namespace tikkro::fakes {

// Answers the print dialog with a preset choice, or cancels it.
class FakePrintDialog final : public printing::PrintDialog
{
public:
    explicit FakePrintDialog(std::optional<Choice> answer = Choice{}) : answer(answer) {}
    std::optional<Choice> exec(QWidget* /*parent*/) override { return answer; }

    std::optional<Choice> answer;
};

} // namespace tikkro::fakes
