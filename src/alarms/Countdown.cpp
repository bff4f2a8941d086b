// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/Countdown.h"

#include "alarms/InputError.h"
#include "settings/OleDate.h"

#include <cmath>

namespace tikkro::alarms {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

Countdown Countdown::remaining(double due, double now)
{
    const double seconds =
        std::fabs(due - now) * static_cast<double>(settings::OleDate::SecondsPerDay);
    // Anything beyond the calendar's 10,000 years is a damaged due time.
    if (!std::isfinite(seconds) || seconds > 4.0e11) {
        throw InputError(QStringLiteral("The timer's due time is not a valid date and time"));
    }
    const qint64 whole = std::llround(seconds);
    Countdown result;
    result.seconds = static_cast<int>(whole % 60);
    result.minutes = static_cast<int>(whole / 60 % 60);
    result.hours = static_cast<int>(whole / 3600 % 24);
    return result;
}

QString Countdown::hoursText() const
{
    return twoDigits(hours);
}

QString Countdown::minutesText() const
{
    return twoDigits(minutes);
}

QString Countdown::secondsText() const
{
    return twoDigits(seconds);
}

} // namespace tikkro::alarms
