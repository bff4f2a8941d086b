// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/DesktopRegistry.h"

#include "about/SysInfoLauncher.h"

#include <QDir>
#include <QStandardPaths>

namespace tikkro::about {

namespace {

enum KeyId : Registry::Key
{
    ViewerKey = 1,
    ToolsKey = 2
};

// Key and value names are matched ignoring case, as the original store does.
bool same(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

const QStringList DesktopRegistry::Viewers = {
    QStringLiteral("hardinfo2"),
    QStringLiteral("hardinfo"),
    QStringLiteral("kinfocenter"),
    QStringLiteral("cpu-x"),
};

DesktopRegistry::DesktopRegistry()
    : DesktopRegistry(qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts),
                      QString::fromLatin1(ToolsFolder))
{}

DesktopRegistry::DesktopRegistry(QStringList searchFolders, QString toolsFolder)
    : m_searchFolders(std::move(searchFolders)), m_toolsFolder(std::move(toolsFolder))
{}

bool DesktopRegistry::openKey(quint32 root, const QString& keyName, quint32, Key& key)
{
    if (root != LocalMachine) {
        return false;
    }
    if (same(keyName, SysInfoLauncher::ViewerKey)) {
        key = ViewerKey;
        return true;
    }
    if (same(keyName, SysInfoLauncher::ToolsKey)) {
        key = ToolsKey;
        return true;
    }
    return false;
}

bool DesktopRegistry::queryValue(Key key, const QString& valueName, quint32& type,
                                 QByteArray& buffer, quint32& size)
{
    QString text;
    if (key == ViewerKey && same(valueName, SysInfoLauncher::ViewerValue)) {
        text = findViewer();
    } else if (key == ToolsKey && same(valueName, SysInfoLauncher::ToolsValue)) {
        text = m_toolsFolder;
    }
    if (text.isEmpty()) {
        return false;
    }
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\0');
    size = static_cast<quint32>(bytes.size());
    if (bytes.size() > buffer.size()) {
        return false;
    }
    std::copy(bytes.cbegin(), bytes.cend(), buffer.begin());
    type = String;
    return true;
}

void DesktopRegistry::closeKey(Key) {}

QString DesktopRegistry::findViewer() const
{
    // Qt would take an empty list to mean the PATH variable.
    if (m_searchFolders.isEmpty()) {
        return {};
    }
    for (const QString& viewer : Viewers) {
        const QString path = QStandardPaths::findExecutable(viewer, m_searchFolders);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

} // namespace tikkro::about
