// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/FileDialogService.h"

#include <QCoreApplication>

namespace tikkro::desktop {

// QFileDialog, native where the desktop offers one.
class QtFileDialogService final : public FileDialogService
{
    Q_DECLARE_TR_FUNCTIONS(QtFileDialogService)

public:
    std::optional<SaveChoice> askSaveFileName(QWidget* parent, const QString& caption,
                                              const QString& folder, const QStringList& filters,
                                              const QString& selectedFilter) override;
    bool confirmReplace(QWidget* parent, const QString& caption, const QString& path) override;
};

} // namespace tikkro::desktop
