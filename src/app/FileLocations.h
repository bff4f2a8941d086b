// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace tikkro::app {

// Where the program finds its sounds and catalogues and keeps its database
// file. A copy run from a folder of its own (the build tree, a portable copy)
// keeps them beside itself; an installed copy reads its sounds and catalogues
// from the shared data folder and keeps one database per user in the user's
// data folder.
class FileLocations
{
public:
    // From the program's folder to its installed data folder.
    static const char* const DataFromBin;

    // Whether the user running the program may keep a file of their own at
    // the path: it exists, belongs to them and they may write it.
    using OwnWritable = std::function<bool(const QString& path)>;

    FileLocations(const QString& programFolder, const QString& userDataFolder,
                  const OwnWritable& ownWritable = &isOwnWritable);

    // For the running program: its own folder and the user's data folder.
    // Works before the application object exists, once it has its name.
    static FileLocations forThisProgram();

    bool isInstalled() const { return m_installed; }
    QString soundsFolder() const { return m_soundsFolder; }
    QString translationsFolder() const { return m_translationsFolder; }
    QString databasePath() const { return m_databasePath; }

    // Makes the folder that holds the database when it is missing; false
    // when that fails. The file itself is made when the window loads.
    bool makeDatabaseFolder() const;

    static bool isOwnWritable(const QString& path);

private:
    bool m_installed = false;
    QString m_soundsFolder;
    QString m_translationsFolder;
    QString m_databasePath;
};

} // namespace tikkro::app
