// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tikkro::alarms {

// The remaining time of a countdown as the timer dialog shows it: hours of
// the day (whole days are not shown), minutes and seconds, each as two
// digits. Past the due time, before the monitor has fired it, the time
// since then is shown instead.
struct Countdown
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    // Between two date-time numbers, taken to the nearest whole second: the
    // full length shows right after Set, and the display reaches 00:00:00
    // when the countdown ends rather than a second before. Throws
    // InputError when the due time is no usable date-time.
    static Countdown remaining(double due, double now);

    QString hoursText() const;
    QString minutesText() const;
    QString secondsText() const;
};

} // namespace tikkro::alarms
