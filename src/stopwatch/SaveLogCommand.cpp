// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopwatch/SaveLogCommand.h"

#include "core/stopwatch/LogStripCsv.h"
#include "desktop/FileDialogService.h"
#include "desktop/MessageService.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tikkro::stopwatch {

namespace {
QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

SaveLogCommand::SaveLogCommand(desktop::FileDialogService& dialogs,
                               desktop::MessageService& messages, SaveFileFactory openSaveFile)
    : m_dialogs(dialogs), m_messages(messages), m_openSaveFile(std::move(openSaveFile)),
      m_folder(startFolder())
{
    if (!m_openSaveFile) {
        m_openSaveFile = [](const QString& path) { return std::make_unique<QSaveFile>(path); };
    }
}

void SaveLogCommand::run(QWidget* parent, const QString& logStripText)
{
    const QString caption = tr("Save Log Strip As");
    const QString textFilter = tr("Text (*.txt)");
    const QString csvFilter = tr("CSV (*.csv)");
    const std::optional<desktop::FileDialogService::SaveChoice> choice = m_dialogs.askSaveFileName(
        parent, caption, m_folder, {textFilter, csvFilter}, m_csv ? csvFilter : textFilter);
    if (!choice || choice->path.isEmpty()) {
        return;
    }

    QString path = choice->path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool typed = suffix == u"csv" || suffix == u"txt";
    m_csv = typed ? suffix == u"csv" : choice->filter == csvFilter;
    if (!typed) {
        path += m_csv ? QStringLiteral(".csv") : QStringLiteral(".txt");
    }
    m_folder = QFileInfo(path).absolutePath();
    // The dialog asked about the name as typed, not about the one completed.
    if (!typed && QFileInfo(path).isFile() && !m_dialogs.confirmReplace(parent, caption, path)) {
        return;
    }

    // The text file ends its lines with CR LF, which every editor reads,
    // those of other systems included.
    const QByteArray bytes =
        m_csv ? LogStripCsv::csv(logStripText)
              : QString(logStripText).replace(u'\n', QStringLiteral("\r\n")).toUtf8();
    if (const std::optional<QString> reason = write(path, bytes)) {
        m_messages.show(
            tr("%1 could not be saved.\n\n%2").arg(QDir::toNativeSeparators(path), *reason),
            desktop::MessageService::Icon::Warning, caption);
    }
}

std::optional<QString> SaveLogCommand::write(const QString& path, const QByteArray& bytes) const
{
    // Without a commit the save file removes what it wrote when it goes.
    const std::unique_ptr<QSaveFile> file = m_openSaveFile(path);
    if (!file->open(QIODevice::WriteOnly)) {
        return file->errorString();
    }
    if (file->write(bytes) != bytes.size()) {
        return file->errorString();
    }
    if (!file->commit()) {
        return file->errorString();
    }
    return std::nullopt;
}

} // namespace tikkro::stopwatch
