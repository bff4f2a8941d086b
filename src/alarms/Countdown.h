// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmSlot.h"

#include <QString>

namespace tikkro::alarms {

// The remaining time of a countdown as the timer dialog shows it: hours of
// the day (whole days are not shown), minutes and seconds, each as two
// digits. Past the due time, before the monitor has fired it, nothing
// remains: counting the time since then would read as time still to go.
struct Countdown
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    // Whole seconds to go, a started second counting as a whole one: in
    // step with the clock field, the full length shows right after Set and
    // 00:00:00 only once the countdown has ended. Throws InputError when the
    // due time is no usable date-time.
    static Countdown remaining(const AlarmSlot& timer, qint64 nowMsSinceEpoch);

    QString hoursText() const;
    QString minutesText() const;
    QString secondsText() const;
};

} // namespace tikkro::alarms
