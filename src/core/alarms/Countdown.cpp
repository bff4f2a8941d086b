// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/Countdown.h"

#include "core/alarms/InputError.h"

#include <algorithm>

namespace tikkro::alarms {

Countdown Countdown::remaining(const AlarmSlot& timer, qint64 nowMsSinceEpoch)
{
    const std::optional<qint64> due = timer.dueInstant();
    if (!due) {
        throw InputError(tr("The timer's due time is not a valid date and time"));
    }
    const qint64 ms = std::max<qint64>(*due - nowMsSinceEpoch, 0);
    const qint64 whole = (ms + 999) / 1000;
    Countdown result;
    result.seconds = static_cast<int>(whole % 60);
    result.minutes = static_cast<int>(whole / 60 % 60);
    result.hours = static_cast<int>(whole / 3600);
    return result;
}

} // namespace tikkro::alarms
