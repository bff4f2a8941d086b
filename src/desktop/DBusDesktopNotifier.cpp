// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DBusDesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace tikkro::desktop {

namespace {
QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(QString::fromLatin1(DBusDesktopNotifier::Service),
                                          QString::fromLatin1(DBusDesktopNotifier::Path),
                                          QString::fromLatin1(DBusDesktopNotifier::Service),
                                          method);
}
} // namespace

DBusDesktopNotifier::DBusDesktopNotifier(QString appName, QString iconName)
    : m_appName(std::move(appName)), m_iconName(std::move(iconName))
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QString::fromLatin1(Service);
    bus.connect(service, QString::fromLatin1(Path), service, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(service, QString::fromLatin1(Path), service, QStringLiteral("NotificationClosed"),
                this, SLOT(onClosed(uint)));
}

void DBusDesktopNotifier::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    // Asked each time, as the service may have been replaced; a service
    // that does not answer gets the notification without buttons.
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        const QDBusPendingReply<QStringList> capabilities = *watcher;
        send(summary, body,
             capabilities.isValid() && capabilities.value().contains(QLatin1String("actions")));
        watcher->deleteLater();
    });
}

void DBusDesktopNotifier::send(const QString& summary, const QString& body, bool withActions)
{
    QStringList actions;
    if (withActions) {
        // Key and label pairs; "default" is a click on the notification.
        actions << QStringLiteral("default") << tr("Show") << QStringLiteral("show") << tr("Show");
    }
    // The program plays its own sound; the desktop is asked not to add one.
    QVariantMap hints;
    hints.insert(QStringLiteral("suppress-sound"), true);
    QDBusMessage notify = call(QStringLiteral("Notify"));
    // The summary is plain text wherever the server shows it, so a name the
    // user typed cannot be taken for markup; the body holds only times.
    notify << m_appName << 0U << m_iconName << summary << body << actions << hints
           << -1; // the server's own timeout
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        // An error, for a missing or failing server, is dropped.
        const QDBusPendingReply<uint> id = *watcher;
        if (id.isValid()) {
            m_shown.insert(id.value());
        }
        watcher->deleteLater();
    });
}

void DBusDesktopNotifier::onActionInvoked(uint id, const QString& action)
{
    if (m_shown.contains(id) &&
        (action == QLatin1String("default") || action == QLatin1String("show"))) {
        Q_EMIT showRequested();
    }
}

void DBusDesktopNotifier::onClosed(uint id)
{
    m_shown.remove(id);
}

} // namespace tikkro::desktop
