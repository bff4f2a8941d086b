// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tikkro::alarms {

// The events window's date-time text: the locale's short date, a blank and
// the time of day with seconds but without a time-zone name; the date alone
// when the time is exactly midnight. Fractions of a second are dropped, as
// on the clock field, so an alarm that rings within its due second is not
// marked late.
class GeneralDateFormat
{
public:
    explicit GeneralDateFormat(const QLocale& locale = QLocale());

    QString format(const QDateTime& dateTime) const;

    // A locale time pattern with its time-zone fields removed.
    static QString withoutTimeZone(const QString& pattern);

private:
    QLocale m_locale;
    QString m_datePattern;
    QString m_timePattern;
    QString m_dateTimePattern;
};

} // namespace tikkro::alarms
