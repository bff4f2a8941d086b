// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/OleDate.h"

#include <algorithm>
#include <cmath>

namespace tikkro::settings {

namespace {

constexpr qint64 MsPerDay = OleDate::SecondsPerDay * 1000;

qint64 epochJulianDay()
{
    return OleDate::epoch().toJulianDay();
}

// The OLE number puts the sign on the whole value, not only on the day, so
// before the epoch it does not grow with time. This maps it to a number that
// does (day + fraction of the day) and back.
double toLinear(double oleDate)
{
    const double day = std::trunc(oleDate);
    return day + std::fabs(oleDate - day);
}

double fromLinear(double linear)
{
    const double day = std::floor(linear);
    const double fraction = linear - day;
    return day >= 0 ? day + fraction : day - fraction;
}

// The wall time as milliseconds since 1970 on a clock that never changes
// its offset, rounded to the millisecond; none outside FirstDay..LastDay.
std::optional<qint64> wallMsSince1970(double oleDate)
{
    if (!std::isfinite(oleDate)) {
        return std::nullopt;
    }
    const double day = std::trunc(oleDate);
    if (day < OleDate::FirstDay || day > OleDate::LastDay) {
        return std::nullopt;
    }
    // Rounding can reach the next midnight, which the sum carries.
    const qint64 ms = std::llround(std::fabs(oleDate - day) * static_cast<double>(MsPerDay));
    const qint64 days =
        static_cast<qint64>(day) + epochJulianDay() - QDate(1970, 1, 1).toJulianDay();
    if (static_cast<qint64>(day) + ms / MsPerDay > static_cast<qint64>(OleDate::LastDay)) {
        return std::nullopt;
    }
    return days * MsPerDay + ms;
}

qint64 offsetMsAt(qint64 msSinceEpoch)
{
    return qint64{QDateTime::fromMSecsSinceEpoch(msSinceEpoch).offsetFromUtc()} * 1000;
}

} // namespace

double OleDate::fromDateTime(const QDateTime& local)
{
    if (!local.isValid()) {
        return std::nan("");
    }
    const QDateTime wall = local.timeSpec() == Qt::LocalTime ? local : local.toLocalTime();
    const QDate date = wall.date();
    if (date.year() < 100 || date.year() > 9999) {
        return std::nan("");
    }
    const double day = static_cast<double>(date.toJulianDay() - epochJulianDay());
    const double fraction =
        static_cast<double>(wall.time().msecsSinceStartOfDay()) / static_cast<double>(MsPerDay);
    return day >= 0 ? day + fraction : day - fraction;
}

QDateTime OleDate::toDateTime(double oleDate)
{
    const std::optional<qint64> instant = toInstant(oleDate);
    return instant ? QDateTime::fromMSecsSinceEpoch(*instant) : QDateTime();
}

std::optional<qint64> OleDate::toInstant(double oleDate, bool secondPass)
{
    const std::optional<qint64> wall = wallMsSince1970(oleDate);
    if (!wall) {
        return std::nullopt;
    }
    // No zone moves its clocks twice within a day, so the offsets a day
    // either side are the only ones this wall time can have been read with.
    const qint64 before = offsetMsAt(*wall - MsPerDay);
    const qint64 after = offsetMsAt(*wall + MsPerDay);
    std::optional<qint64> first;
    std::optional<qint64> second;
    for (const qint64 offset : {before, after}) {
        const qint64 instant = *wall - offset;
        if (offsetMsAt(instant) != offset) {
            continue;
        }
        first = std::min(first.value_or(instant), instant);
        second = std::max(second.value_or(instant), instant);
    }
    if (first) {
        return secondPass ? second : first;
    }
    // Skipped: the clocks jumped from `before` to `after` somewhere between
    // the two readings of it. The end of the gap is the first moment that
    // already has the new offset.
    qint64 low = *wall - std::max(before, after);
    qint64 high = *wall - std::min(before, after);
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        if (offsetMsAt(middle) == after) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return high;
}

double OleDate::fromInstant(qint64 msSinceEpoch)
{
    return fromDateTime(QDateTime::fromMSecsSinceEpoch(msSinceEpoch));
}

double OleDate::addSeconds(double oleDate, double seconds)
{
    const double sum = oleDate + seconds / static_cast<double>(SecondsPerDay);
    if (oleDate >= 0 && sum >= 0) {
        return sum;
    }
    return fromLinear(toLinear(oleDate) + seconds / static_cast<double>(SecondsPerDay));
}

} // namespace tikkro::settings
