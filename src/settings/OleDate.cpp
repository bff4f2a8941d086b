// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OleDate.h"

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
    if (!std::isfinite(oleDate)) {
        return {};
    }
    const double day = std::trunc(oleDate);
    if (day < FirstDay || day > LastDay) {
        return {};
    }
    qint64 ms = std::llround(std::fabs(oleDate - day) * static_cast<double>(MsPerDay));
    // Rounding can reach the next midnight.
    const qint64 carry = ms / MsPerDay;
    ms %= MsPerDay;
    const QDate date =
        QDate::fromJulianDay(epochJulianDay() + static_cast<qint64>(day)).addDays(carry);
    if (date.year() > 9999) {
        return {};
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    const QDateTime wall(date, time);
    if (wall.isValid()) {
        return wall;
    }
    // The clocks skipped this wall time. Reading it with the offset that held
    // before the change lands as far past the gap as it lay inside it, which
    // is when an alarm set for it should ring.
    const int offsetBefore = QDateTime(date.addDays(-1), QTime(12, 0)).offsetFromUtc();
    return QDateTime(date, time, Qt::OffsetFromUTC, offsetBefore).toLocalTime();
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
