// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/SysInfoLauncher.h"

#include "ui/MessageService.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace tikkro::about {

namespace {

// The number as a hexadecimal literal ("&h102"), from its little-endian bytes.
QString numberText(const QByteArray& bytes)
{
    quint32 value = 0;
    for (qsizetype i = std::min<qsizetype>(bytes.size(), 4) - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<quint8>(bytes.at(i));
    }
    return QStringLiteral("&h") + QString::number(value, 16).toUpper();
}

} // namespace

SysInfoLauncher::SysInfoLauncher(Registry& registry, ProgramLauncher& launcher,
                                 ui::MessageService& messages)
    : m_registry(registry), m_launcher(launcher), m_messages(messages)
{}

bool SysInfoLauncher::readValue(quint32 keyRoot, const QString& keyName, const QString& subKeyRef,
                                QString& keyVal)
{
    Registry::Key key = 0;
    const auto closeKey = qScopeGuard([&] { m_registry.closeKey(key); });

    if (!m_registry.openKey(keyRoot, keyName, KeyAccess, key)) {
        keyVal.clear();
        return false;
    }

    QByteArray buffer(ValueBufferSize, '\0');
    quint32 type = 0;
    quint32 size = ValueBufferSize;
    if (!m_registry.queryValue(key, subKeyRef, type, buffer, size)) {
        keyVal.clear();
        return false;
    }
    if (size == 0 || size > static_cast<quint32>(buffer.size())) {
        throw ValueError("registry value of unusable size");
    }

    const QByteArray value = buffer.left(size);
    QByteArray text = value;
    // Strings are usually stored with their terminating zero.
    if (text.endsWith('\0')) {
        text.chop(1);
    }
    switch (type) {
    case Registry::String:
        keyVal = QString::fromLocal8Bit(text);
        break;
    case Registry::Number32:
        keyVal = numberText(value);
        break;
    default:
        break;
    }
    return true;
}

void SysInfoLauncher::launch()
{
    bool started = false;
    try {
        QString sysInfoPath;
        bool found = readValue(Registry::LocalMachine, QString::fromLatin1(ViewerKey),
                               QString::fromLatin1(ViewerValue), sysInfoPath);
        if (!found && readValue(Registry::LocalMachine, QString::fromLatin1(ToolsKey),
                                QString::fromLatin1(ToolsValue), sysInfoPath)) {
            sysInfoPath += QString::fromLatin1(FallbackViewer);
            found = QFileInfo(sysInfoPath).isFile();
        }
        // The path from the first lookup is trusted as it stands; a wrong one
        // shows up as a failed start, and the second lookup is not tried.
        started = found && m_launcher.start(sysInfoPath);
    } catch (const std::exception&) {
        started = false;
    }
    if (!started) {
        m_messages.show(QString::fromLatin1(Unavailable), ui::MessageService::Icon::None);
    }
}

} // namespace tikkro::about
