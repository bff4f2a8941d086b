// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DBusDesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace tikkro::ui {

DBusDesktopNotifier::DBusDesktopNotifier(QString appName, QString iconName)
    : m_appName(std::move(appName)), m_iconName(std::move(iconName))
{}

void DBusDesktopNotifier::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(Service), QString::fromLatin1(Path),
                                       QString::fromLatin1(Service), QStringLiteral("Notify"));
    // The program plays its own sound; the desktop is asked not to add one.
    QVariantMap hints;
    hints.insert(QStringLiteral("suppress-sound"), true);
    // The summary is plain text wherever the server shows it, so a name the
    // user typed cannot be taken for markup; the body holds only times.
    call << m_appName << 0U << m_iconName << summary << body << QStringList() << hints
         << -1; // the server's own timeout
    // Sent, not called: the answer, or an error for a missing server, is
    // dropped when it comes.
    bus.send(call);
}

} // namespace tikkro::ui
