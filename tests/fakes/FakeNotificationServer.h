// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DBusDesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>

namespace tikkro::fakes {

// A desktop's notification service, on a connection of its own to the
// session bus as a real one would be: records the arguments of every Notify
// and answers it, or answers with an error while told to fail; tells its
// capabilities, and sends the signal of a pressed button when told to.
class FakeNotificationServer final : public QDBusVirtualObject
{
public:
    ~FakeNotificationServer() override
    {
        m_bus.unregisterObject(m_path);
        m_bus.unregisterService(m_service);
        QDBusConnection::disconnectFromBus(ConnectionName);
    }

    // False where there is no session bus or another server owns the name.
    bool start()
    {
        return m_bus.isConnected() && m_bus.registerService(m_service) &&
               m_bus.registerVirtualObject(m_path, this);
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() == u"GetCapabilities") {
            return connection.send(message.createReply(capabilities));
        }
        if (message.member() != u"Notify") {
            return false;
        }
        calls.append(message.arguments());
        return connection.send(
            failing ? message.createErrorReply(QDBusError::Failed, QStringLiteral("refused"))
                    : message.createReply(static_cast<uint>(calls.size())));
    }

    QString introspect(const QString&) const override { return {}; }

    void pressButton(uint id, const QString& action)
    {
        m_bus.send(QDBusMessage::createSignal(m_path, m_service, QStringLiteral("ActionInvoked"))
                   << id << action);
    }

    QList<QVariantList> calls;
    bool failing = false;
    QStringList capabilities;

private:
    static inline const QString ConnectionName = QStringLiteral("fake-notification-server");
    const QString m_path = QString::fromLatin1(desktop::DBusDesktopNotifier::Path);
    const QString m_service = QString::fromLatin1(desktop::DBusDesktopNotifier::Service);
    QDBusConnection m_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, ConnectionName);
};

} // namespace tikkro::fakes
