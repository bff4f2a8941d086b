// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tikkro::alarms {

// One alarm or countdown timer. Due is an OLE Automation date: for an alarm
// the moment it rings, for a countdown the moment it ends, fixed when set.
struct AlarmSlot
{
    QString name;
    double due = 0.0;
    bool active = false;
    // When summer time ends the clocks pass an hour of wall times twice, and
    // a due time among them means the first pass. Only a countdown set in
    // this run can end in the second: the stored date cannot tell them apart.
    bool dueOnSecondPass = false;

    // The moment the slot falls due, in milliseconds since 1970 UTC; none
    // when due is no usable date.
    std::optional<qint64> dueInstant() const;
    // Makes the slot fall due at a moment.
    void setDueInstant(qint64 msSinceEpoch);
};

} // namespace tikkro::alarms
