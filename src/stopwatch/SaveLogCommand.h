// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QByteArray;
class QSaveFile;
class QWidget;

namespace tikkro::desktop {
class FileDialogService;
class MessageService;
} // namespace tikkro::desktop

namespace tikkro::stopwatch {

// Saves the log strip as text, exactly as it reads with CR LF line ends, or as
// CSV of its runs.
// A name ending in .txt or .csv decides the type whatever filter is selected;
// any other name takes the selected filter's type and extension. The folder
// and type chosen last are offered again, for as long as the program runs.
// The file is written beside its target and renamed over it only when
// complete, so a failure leaves any earlier file of that name as it was and
// no partial one; the failure is reported naming the file and the reason.
class SaveLogCommand
{
    Q_DECLARE_TR_FUNCTIONS(SaveLogCommand)

public:
    // Opens the file the bytes go to; a test gives one that fails as a full
    // disk would.
    using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;

    SaveLogCommand(desktop::FileDialogService& dialogs, desktop::MessageService& messages,
                   SaveFileFactory openSaveFile = {});

    // logStripText has its lines ended by LF, as the log strip reads back.
    void run(QWidget* parent, const QString& logStripText);

private:
    std::optional<QString> write(const QString& path, const QByteArray& bytes) const;

    desktop::FileDialogService& m_dialogs;
    desktop::MessageService& m_messages;
    SaveFileFactory m_openSaveFile;
    QString m_folder;
    bool m_csv = false;
};

} // namespace tikkro::stopwatch
