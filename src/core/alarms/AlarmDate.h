// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>

namespace tikkro::alarms {

// Turns the six fields of the alarm dialog into a due date-time, carrying
// out-of-range values into the next larger unit the way a calendar does:
// month 13 is January of the next year, day 0 the last day of the month
// before, hour 24 midnight of the next day, minute -1 the minute before.
class AlarmDate
{
    Q_DECLARE_TR_FUNCTIONS(AlarmDate)

public:
    // Years from 100 to 9999 are what the program's date-time number holds.
    static constexpr int FirstYear = 100;
    static constexpr int LastYear = 9999;

    // The date-time number of the given fields: the carried date's midnight
    // moved on by the time of day in wall-clock seconds. A year from 0 to 99
    // is taken in the century of referenceYear (26 means 2026 in the 2000s),
    // as someone typing a short year means. Throws InputError when the
    // carried date falls outside FirstYear..LastYear.
    static double due(int year, int month, int day, int hour, int minute, int second,
                      int referenceYear);
};

} // namespace tikkro::alarms
