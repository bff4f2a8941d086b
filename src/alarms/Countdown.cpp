// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/Countdown.h"

#include "alarms/InputError.h"

#include <algorithm>

namespace tikkro::alarms {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

Countdown Countdown::remaining(const AlarmSlot& timer, qint64 nowMsSinceEpoch)
{
    const std::optional<qint64> due = timer.dueInstant();
    if (!due) {
        throw InputError(QStringLiteral("The timer's due time is not a valid date and time"));
    }
    const qint64 ms = std::max<qint64>(*due - nowMsSinceEpoch, 0);
    const qint64 whole = (ms + 999) / 1000;
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
