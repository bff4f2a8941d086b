// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileLocations.h"

#include "core/settings/SettingsDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace tikkro::app {

const char* const FileLocations::DataFromBin = TIKKRO_DATA_FROM_BIN;

FileLocations::FileLocations(const QString& programFolder, const QString& userDataFolder,
                             const OwnWritable& ownWritable)
{
    const QString installedData = QDir(programFolder).filePath(QLatin1String(DataFromBin));
    m_installed = QFileInfo(installedData).isDir();
    const QString dataFolder = m_installed ? QDir::cleanPath(installedData) : programFolder;
    m_soundsFolder = dataFolder + QStringLiteral("/sounds");
    m_translationsFolder = dataFolder + QStringLiteral("/translations");

    // A file beside the program is only ever the file of the folder's owner:
    // a folder several users may write, or a file another user left there,
    // would have them share one file.
    const QString beside = settings::SettingsDatabase::pathIn(programFolder);
    const bool keepBeside = !m_installed && ownWritable(programFolder) &&
                            (!QFileInfo::exists(beside) || ownWritable(beside));
    m_databasePath = keepBeside ? beside : settings::SettingsDatabase::pathIn(userDataFolder);
}

FileLocations FileLocations::forThisProgram()
{
    // What Qt's applicationDirPath() reads too, but at hand before the
    // application object exists.
    return FileLocations(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool FileLocations::makeDatabaseFolder() const
{
    return QDir().mkpath(QFileInfo(m_databasePath).absolutePath());
}

bool FileLocations::isOwnWritable(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info
    {};
    return ::stat(native.constData(), &info) == 0 && info.st_uid == ::getuid() &&
           ::access(native.constData(), W_OK) == 0;
}

} // namespace tikkro::app
