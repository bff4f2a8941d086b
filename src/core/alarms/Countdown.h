// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmSlot.h"

#include <QCoreApplication>

namespace tikkro::alarms {

// The remaining time of a countdown as the timer dialog shows it: the whole
// hours left, so that a countdown of more than a day set again from what is
// shown keeps its day, then minutes and seconds. Past the due time, before
// the monitor has fired it, nothing remains: counting the time since then
// would read as time still to go.
struct Countdown
{
    Q_DECLARE_TR_FUNCTIONS(Countdown)

public:
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    // Whole seconds to go, a started second counting as a whole one: in
    // step with the clock field, the full length shows right after Set and
    // 00:00:00 only once the countdown has ended. Throws InputError when the
    // due time is no usable date-time.
    static Countdown remaining(const AlarmSlot& timer, qint64 nowMsSinceEpoch);
};

} // namespace tikkro::alarms
