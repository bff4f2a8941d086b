// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <optional>

namespace tikkro::settings {

// The program's date-time number: days since 30 December 1899 00:00 local
// time, the fraction being the time of day. It counts wall-clock days, so
// 06:00 is always .25 of its day whatever the offset from UTC. Before the
// epoch the day is negative while the fraction still counts forward from
// midnight: -1.25 is 29 December 1899 06:00.
class OleDate
{
public:
    // The first and last days the program handles: 1 January 100 and
    // 31 December 9999. Before the epoch a day's times lie below its number
    // (-657434.5 is noon of the first day), so ranges go by the whole day.
    static constexpr double FirstDay = -657434.0;
    static constexpr double LastDay = 2958465.0;

    static constexpr qint64 SecondsPerDay = 86'400;

    // Day 0: 30 December 1899.
    static QDate epoch() { return {1899, 12, 30}; }

    // A local date and time (a date-time in another zone is first taken to local
    // time). An invalid or out-of-range date-time gives NaN.
    static double fromDateTime(const QDateTime& local);

    // The local date and time of toInstant(), rounded to the millisecond.
    // NaN, infinities and days outside FirstDay..LastDay give an invalid
    // QDateTime.
    static QDateTime toDateTime(double oleDate);

    // The moment a local date-time number stands for, in milliseconds since
    // 1970 UTC, by the local zone's rules. A wall time that the spring change
    // skips stands for the end of the gap, when the clocks jump past it; one
    // that the autumn change passes twice for its first pass, or its second
    // when asked. None for what toDateTime() refuses.
    static std::optional<qint64> toInstant(double oleDate, bool secondPass = false);

    // The local date-time number of a moment in milliseconds since 1970 UTC.
    static double fromInstant(qint64 msSinceEpoch);

    // oleDate moved on by a number of seconds of wall-clock time; negative
    // seconds move it back. Across the epoch the day and its fraction are
    // carried correctly.
    static double addSeconds(double oleDate, double seconds);
};

} // namespace tikkro::settings
