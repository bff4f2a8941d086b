// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::alarms {

// One alarm or countdown timer. Due is an OLE Automation date: for an alarm
// the moment it rings, for a countdown the moment it ends, fixed when set.
struct AlarmSlot
{
    QString name;
    double due = 0.0;
    bool active = false;
};

} // namespace tikkro::alarms
