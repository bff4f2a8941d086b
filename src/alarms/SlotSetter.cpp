// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/SlotSetter.h"

#include "alarms/AlarmDate.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "alarms/AlarmStore.h"
#include "alarms/InputError.h"
#include "alarms/WholeNumber.h"
#include "settings/OleDate.h"

#include <QLocale>

namespace tikkro::alarms {

SlotSetter::SlotSetter(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu)
    : m_slots(slots), m_store(store), m_menu(menu)
{}

void SlotSetter::requireNameFits(const QString& name)
{
    if (name.size() > MaxNameLength) {
        throw InputError(
            QStringLiteral("The name is %1 characters long; a name may have at most "
                           "%2. Shorten it and press Set again.")
                .arg(QLocale().toString(name.size()), QLocale().toString(MaxNameLength)));
    }
}

void SlotSetter::setAlarm(int slot, const QString& name, const AlarmFields& fields,
                          const QDate& today)
{
    AlarmSlot& alarm = m_slots.alarms.at(slot);
    requireNameFits(name);
    const int year = WholeNumber::parseField(fields.year, QStringLiteral("Year"));
    const int month = WholeNumber::parseField(fields.month, QStringLiteral("Month"));
    const int day = WholeNumber::parseField(fields.day, QStringLiteral("Day"));
    const int hour = WholeNumber::parseField(fields.hour, QStringLiteral("Hour"));
    const int minute = WholeNumber::parseField(fields.minute, QStringLiteral("Minute"));
    const int second = WholeNumber::parseField(fields.second, QStringLiteral("Second"));
    const double due = AlarmDate::due(year, month, day, hour, minute, second, today.year());

    alarm.due = due;
    alarm.active = true;
    alarm.name = name;
    m_menu.setAlarmCaption(slot, AlarmMenu::setCaption(slot, name));
    m_store.save(AlarmSlots::alarmKey(slot));
}

void SlotSetter::setTimer(int slot, const QString& name, const TimerFields& fields,
                          const QDateTime& now)
{
    AlarmSlot& timer = m_slots.timers.at(slot);
    requireNameFits(name);
    const int h = WholeNumber::parseField(fields.hours, QStringLiteral("Hours"));
    const int m = WholeNumber::parseField(fields.minutes, QStringLiteral("Minutes"));
    const int s = WholeNumber::parseField(fields.seconds, QStringLiteral("Seconds"));
    const int total = h * 3600 + m * 60 + s;
    if (total < 0) {
        throw InputError(QStringLiteral("Time value: %1 h %2 min %3 s is less than no time "
                                        "at all; a countdown cannot run backwards")
                             .arg(h)
                             .arg(m)
                             .arg(s));
    }

    timer.due = settings::OleDate::addSeconds(settings::OleDate::fromDateTime(now), total);
    timer.active = true;
    timer.name = name;
    m_menu.setTimerCaption(slot, AlarmMenu::setCaption(slot, name));
    m_store.save(AlarmSlots::timerKey(slot));
}

} // namespace tikkro::alarms
