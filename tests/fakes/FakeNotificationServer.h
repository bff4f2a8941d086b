// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DBusDesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QList>
#include <QVariantList>

namespace tikkro::fakes {

// A desktop's notification service, on a connection of its own to the
// session bus as a real one would be: records the arguments of every Notify
// and answers it, or answers with an error while told to fail; tells its
// capabilities, and sends the signal of a pressed button when told to.
class FakeNotificationServer final : public QDBusVirtualObject
{
public:
    FakeNotificationServer()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, ConnectionName))
    {}
    ~FakeNotificationServer() override
    {
        m_bus.unregisterObject(QString::fromLatin1(desktop::DBusDesktopNotifier::Path));
        m_bus.unregisterService(QString::fromLatin1(desktop::DBusDesktopNotifier::Service));
        QDBusConnection::disconnectFromBus(ConnectionName);
    }

    // False where there is no session bus or another server owns the name.
    bool start()
    {
        return m_bus.isConnected() &&
               m_bus.registerService(QString::fromLatin1(desktop::DBusDesktopNotifier::Service)) &&
               m_bus.registerVirtualObject(QString::fromLatin1(desktop::DBusDesktopNotifier::Path),
                                           this);
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() == QLatin1String("GetCapabilities")) {
            connection.send(message.createReply(capabilities));
            return true;
        }
        if (message.member() != QLatin1String("Notify")) {
            return false;
        }
        calls.append(message.arguments());
        connection.send(failing ? message.createErrorReply(QStringLiteral("org.freedesktop.DBus."
                                                                          "Error.Failed"),
                                                           QStringLiteral("refused"))
                                : message.createReply(static_cast<uint>(calls.size())));
        return true;
    }

    QString introspect(const QString&) const override { return {}; }

    void pressButton(uint id, const QString& action)
    {
        QDBusMessage signal =
            QDBusMessage::createSignal(QString::fromLatin1(desktop::DBusDesktopNotifier::Path),
                                       QString::fromLatin1(desktop::DBusDesktopNotifier::Service),
                                       QStringLiteral("ActionInvoked"));
        signal << id << action;
        m_bus.send(signal);
    }

    QList<QVariantList> calls;
    bool failing = false;
    QStringList capabilities;

private:
    static inline const QString ConnectionName = QStringLiteral("fake-notification-server");
    QDBusConnection m_bus;
};

} // namespace tikkro::fakes
