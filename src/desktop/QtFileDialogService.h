// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FileDialogService.h"

namespace tikkro::desktop {

// QFileDialog, native where the desktop offers one.
class QtFileDialogService final : public FileDialogService
{
public:
    std::optional<SaveChoice> askSaveFileName(QWidget* parent, const QString& caption,
                                              const QString& folder, const QStringList& filters,
                                              const QString& selectedFilter) override;
    bool confirmReplace(QWidget* parent, const QString& caption, const QString& path) override;
};

} // namespace tikkro::desktop
