// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/GeneralDateFormat.h"

namespace tikkro::alarms {

GeneralDateFormat::GeneralDateFormat(const QLocale& locale)
    : m_locale(locale), m_datePattern(locale.dateFormat(QLocale::ShortFormat)),
      m_timePattern(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))),
      m_dateTimePattern(m_datePattern + QLatin1Char(' ') + m_timePattern)
{}

QString GeneralDateFormat::withoutTimeZone(const QString& pattern)
{
    // Quoted text is literal and keeps its letters; only an unquoted "t" is
    // the zone field.
    QString result;
    result.reserve(pattern.size());
    bool quoted = false;
    for (const QChar ch : pattern) {
        if (ch == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && ch == QLatin1Char('t')) {
            continue;
        }
        result.append(ch);
    }
    return result.trimmed();
}

QString GeneralDateFormat::format(const QDateTime& dateTime) const
{
    if (!dateTime.isValid()) {
        return {};
    }
    if (dateTime.time().msecsSinceStartOfDay() == 0) {
        return m_locale.toString(dateTime.date(), m_datePattern);
    }
    return m_locale.toString(dateTime, m_dateTimePattern);
}

} // namespace tikkro::alarms
