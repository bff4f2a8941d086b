// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tikkro::desktop {

// File dialogs go through this seam so that tests can answer them.
class FileDialogService
{
public:
    struct SaveChoice
    {
        QString path;
        // One of the offered filters, as given.
        QString filter;
    };

    virtual ~FileDialogService() = default;

    // Modal. filters read "Text (*.txt)"; the dialog opens in folder with
    // selectedFilter chosen. Nothing when the user cancels.
    virtual std::optional<SaveChoice> askSaveFileName(QWidget* parent, const QString& caption,
                                                      const QString& folder,
                                                      const QStringList& filters,
                                                      const QString& selectedFilter) = 0;

    // The dialog's own question before an existing file is replaced, for a
    // name that the caller completed after the dialog had closed.
    virtual bool confirmReplace(QWidget* parent, const QString& caption, const QString& path) = 0;
};

} // namespace tikkro::desktop
