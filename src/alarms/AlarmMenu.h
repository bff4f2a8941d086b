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
};

} // namespace tikkro::alarms
