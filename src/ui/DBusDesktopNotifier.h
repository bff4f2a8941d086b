// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/DesktopNotifier.h"

namespace tikkro::ui {

// The freedesktop notification service on the session bus. The call is
// sent without waiting for its answer, so a service that is missing, slow
// or failing never holds up the program.
class DBusDesktopNotifier final : public DesktopNotifier
{
public:
    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";

    // The program's name and the name of its icon in the icon theme, as
    // the notification shows them.
    DBusDesktopNotifier(QString appName, QString iconName);

    void notify(const QString& summary, const QString& body) override;

private:
    QString m_appName;
    QString m_iconName;
};

} // namespace tikkro::ui
