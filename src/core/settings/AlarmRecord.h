// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::settings {

// One stored alarm or countdown timer: its store key (0, 1 for the alarms,
// 100, 101 for the timers), its name, its due date-time (an OleDate number;
// NaN where the file holds no number) and whether it is armed.
struct AlarmRecord
{
    qint16 key = 0;
    QString name;
    double due = 0.0;
    bool active = false;
};

} // namespace tikkro::settings
