// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FileDialogService.h"

namespace tikkro::fakes {

// Answers the file dialog with a preset choice, or cancels it, and the
// question whether to replace a file with a preset answer.
class FakeFileDialogService final : public desktop::FileDialogService
{
public:
    std::optional<SaveChoice> askSaveFileName(QWidget*, const QString&, const QString&,
                                              const QStringList&, const QString&) override
    {
        return answer;
    }
    bool confirmReplace(QWidget*, const QString&, const QString&) override { return replace; }

    std::optional<SaveChoice> answer;
    bool replace = true;
};

} // namespace tikkro::fakes
