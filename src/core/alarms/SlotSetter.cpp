// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/SlotSetter.h"

#include "core/alarms/AlarmDate.h"
#include "core/alarms/AlarmMenu.h"
#include "core/alarms/AlarmSlots.h"
#include "core/alarms/AlarmStore.h"
#include "core/alarms/InputError.h"
#include "core/alarms/WholeNumber.h"

#include <algorithm>

#include <QLocale>

namespace tikkro::alarms {

SlotSetter::SlotSetter(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu)
    : m_slots(slots), m_store(store), m_menu(menu)
{}

void SlotSetter::requireNameFits(const QString& name)
{
    if (name.size() > MaxNameLength) {
        throw InputError(
            tr("The name is %1 characters long; a name may have at most "
               "%2. Shorten it and press Set again.")
                .arg(QLocale().toString(name.size()), QLocale().toString(MaxNameLength)));
    }
}

void SlotSetter::setAlarm(int slot, const QString& name, const AlarmFields& fields,
                          const QDate& today)
{
    AlarmSlot& alarm = m_slots.alarms.at(slot);
    requireNameFits(name);
    const int year = WholeNumber::parseField(fields.year, tr("Year"));
    const int month = WholeNumber::parseField(fields.month, tr("Month"));
    const int day = WholeNumber::parseField(fields.day, tr("Day"));
    const int hour = WholeNumber::parseField(fields.hour, tr("Hour"));
    const int minute = WholeNumber::parseField(fields.minute, tr("Minute"));
    const int second = WholeNumber::parseField(fields.second, tr("Second"));
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
    const int h = WholeNumber::parseField(fields.hours, tr("Hours"));
    const int m = WholeNumber::parseField(fields.minutes, tr("Minutes"));
    const int s = WholeNumber::parseField(fields.seconds, tr("Seconds"));
    const int total = h * 3600 + m * 60 + s;
    if (total < 0) {
        throw InputError(tr("Time value: %1 h %2 min %3 s is less than no time "
                            "at all; a countdown cannot run backwards")
                             .arg(h)
                             .arg(m)
                             .arg(s));
    }

    // Counted from the second the clock field shows, so that a countdown
    // ends on a whole second as an alarm does and rings in the second it is
    // due; counted in real time, so that a change of the clocks neither
    // lengthens nor shortens it. One of no time is due at once, not at the
    // start of a second already begun.
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const qint64 wholeSecond = nowMs - (nowMs % 1000 + 1000) % 1000;
    timer.setDueInstant(std::max(wholeSecond + qint64{total} * 1000, nowMs));
    timer.active = true;
    timer.name = name;
    m_menu.setTimerCaption(slot, AlarmMenu::setCaption(slot, name));
    m_store.save(AlarmSlots::timerKey(slot));
}

} // namespace tikkro::alarms
