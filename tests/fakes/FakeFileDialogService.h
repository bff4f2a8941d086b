// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FileDialogService.h"

namespace tikkro::fakes {

// Answers the file dialog with a preset choice, or cancels it, and records
// where and with which filter it was opened.
class FakeFileDialogService final : public desktop::FileDialogService
{
public:
    std::optional<SaveChoice> askSaveFileName(QWidget* /*parent*/, const QString& /*caption*/,
                                              const QString& folder, const QStringList& /*filters*/,
                                              const QString& selectedFilter) override
    {
        openings.append(folder + u'|' + selectedFilter);
        return answer;
    }
    bool confirmReplace(QWidget* /*parent*/, const QString& /*caption*/,
                        const QString& path) override
    {
        replaceQuestions.append(path);
        return replace;
    }

    std::optional<SaveChoice> answer;
    bool replace = true;
    // Each as "folder|selected filter".
    QStringList openings;
    QStringList replaceQuestions;
};

} // namespace tikkro::fakes
