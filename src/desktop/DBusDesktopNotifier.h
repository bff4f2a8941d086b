// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/DesktopNotifier.h"

#include <QObject>
#include <QSet>

class QDBusMessage;

namespace tikkro::desktop {

// The freedesktop notification service on the session bus. Calls are sent
// without waiting for their answers, so a service that is missing, slow or
// failing never holds up the program. Where the service offers actions, a
// notification has a "Show" button, and the button and a click on the
// notification itself ask for the program's window.
class DBusDesktopNotifier final : public QObject, public DesktopNotifier
{
    Q_OBJECT
public:
    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";

    // The program's name and the name of its icon in the icon theme, as
    // the notification shows them.
    DBusDesktopNotifier(QString appName, QString iconName);

    void notify(const QString& summary, const QString& body) override;

Q_SIGNALS:
    // The user pressed "Show" or clicked one of this program's notifications.
    void showRequested();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id);

private:
    void send(const QString& summary, const QString& body, bool withActions);

    QString m_appName;
    QString m_iconName;
    // This program's notifications that are still up.
    QSet<uint> m_shown;
};

} // namespace tikkro::desktop
