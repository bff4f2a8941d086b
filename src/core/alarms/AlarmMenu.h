// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::alarms {

// The main window's four alarm and timer menu items, as the store and the
// Set/Edit dialogs rename them. The main window implements it; the alarms
// code never sees the window itself.
class AlarmMenu
{
public:
    virtual ~AlarmMenu() = default;
    virtual void setAlarmCaption(int slot, const QString& caption) = 0;
    virtual void setTimerCaption(int slot, const QString& caption) = 0;

    // The item of a slot named at start-up reads "&1: Tea", of one set in
    // this session "&1:Tea". The blank tells the two apart, so a user sees
    // which slots were set since the program started.
    // A "&" in the name is doubled so that the item shows it as typed
    // rather than underlining the letter after it.
    static QString loadedCaption(int slot, const QString& name)
    {
        return QStringLiteral("&%1: ").arg(slot + 1) + shownAsTyped(name);
    }
    static QString setCaption(int slot, const QString& name)
    {
        return QStringLiteral("&%1:").arg(slot + 1) + shownAsTyped(name);
    }

private:
    static QString shownAsTyped(QString name)
    {
        return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    }
};

} // namespace tikkro::alarms
