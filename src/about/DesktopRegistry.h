// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/Registry.h"

#include <QStringList>

namespace tikkro::about {

// Answers the About box's two lookups on a Linux desktop:
// - "SOFTWARE\Microsoft\Shared Tools\MSINFO", value "PATH": the full path of
//   the first system information viewer found on the search path;
// - "SOFTWARE\Microsoft\Shared Tools Location", value "MSINFO": the folder
//   where the desktop's own system tools are installed.
// Values come back as strings with their terminating zero, as stored there.
class DesktopRegistry final : public Registry
{
public:
    // Dedicated viewers, the most informative first.
    static const QStringList Viewers;
    static constexpr const char* ToolsFolder = "/usr/bin";

    // Searches the folders of the PATH variable.
    DesktopRegistry();
    DesktopRegistry(QStringList searchFolders, QString toolsFolder);

    bool openKey(quint32 root, const QString& keyName, quint32 access, Key& key) override;
    bool queryValue(Key key, const QString& valueName, quint32& type, QByteArray& buffer,
                    quint32& size) override;
    void closeKey(Key key) override;

private:
    QString findViewer() const;

    QStringList m_searchFolders;
    QString m_toolsFolder;
};

} // namespace tikkro::about
