// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/AlarmDate.h"

#include "core/alarms/InputError.h"
#include "core/settings/OleDate.h"

namespace tikkro::alarms {

namespace {

constexpr qint64 SecondsPerDay = settings::OleDate::SecondsPerDay;

qint64 floorDiv(qint64 a, qint64 b)
{
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

qint64 floorMod(qint64 a, qint64 b)
{
    return a - floorDiv(a, b) * b;
}

struct Carried
{
    QDate date;
    qint64 secondOfDay;
};

Carried carryFields(int year, int month, int day, int hour, int minute, int second,
                    int referenceYear)
{
    if (year >= 0 && year <= 99) {
        year += floorDiv(referenceYear, 100) * 100;
    }
    const qint64 months = qint64{year} * 12 + (month - 1);
    const qint64 seconds = qint64{hour} * 3600 + qint64{minute} * 60 + second;
    const qint64 firstYear = floorDiv(months, 12);
    // Far outside the calendar QDate cannot even represent the first of the
    // month; such a date is refused below anyway.
    QDate date;
    if (firstYear >= -100000 && firstYear <= 100000) {
        date = QDate(static_cast<int>(firstYear), static_cast<int>(floorMod(months, 12)) + 1, 1)
                   .addDays(day - 1 + floorDiv(seconds, SecondsPerDay));
    }
    if (!date.isValid() || date.year() < AlarmDate::FirstYear ||
        date.year() > AlarmDate::LastYear) {
        throw InputError(AlarmDate::tr("Alarm date/time: the date must lie between the years "
                                       "%1 and %2")
                             .arg(AlarmDate::FirstYear)
                             .arg(AlarmDate::LastYear));
    }
    return {date, floorMod(seconds, SecondsPerDay)};
}

} // namespace

double AlarmDate::due(int year, int month, int day, int hour, int minute, int second,
                      int referenceYear)
{
    const Carried carried = carryFields(year, month, day, hour, minute, second, referenceYear);
    // Counted in calendar days and wall-clock seconds, never through the
    // time zone: a time that a daylight-saving change skips stays the number
    // the user typed.
    const auto midnight = static_cast<double>(settings::OleDate::epoch().daysTo(carried.date));
    return settings::OleDate::addSeconds(midnight, static_cast<double>(carried.secondOfDay));
}

} // namespace tikkro::alarms
