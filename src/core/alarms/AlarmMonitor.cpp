// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alarms/AlarmMonitor.h"

#include "core/WallClock.h"
#include "core/alarms/AlarmStore.h"
#include "core/settings/DatabaseError.h"
#include "core/settings/OleDate.h"

#include <algorithm>

namespace tikkro::alarms {

AlarmMonitor::AlarmMonitor(AlarmSlots& slots, AlarmStore& store, core::WallClock& clock,
                           QObject* parent)
    : QObject(parent), m_slots(slots), m_store(store), m_clock(clock),
      m_clockPattern(QString::fromLatin1(ClockPattern))
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &AlarmMonitor::checkNow);
}

QString AlarmMonitor::checkDue()
{
    const QDateTime t = m_clock.now();
    if (fireDue(t)) {
        planWake(t.toMSecsSinceEpoch());
        Q_EMIT armedChanged();
    }
    return t.toString(m_clockPattern);
}

void AlarmMonitor::checkNow()
{
    const QDateTime t = m_clock.now();
    fireDue(t);
    planWake(t.toMSecsSinceEpoch());
    Q_EMIT armedChanged();
}

void AlarmMonitor::planAgain()
{
    planWake(m_clock.now().toMSecsSinceEpoch());
    Q_EMIT armedChanged();
}

void AlarmMonitor::setTicked(bool ticked)
{
    m_ticked = ticked;
    planWake(m_clock.now().toMSecsSinceEpoch());
}

void AlarmMonitor::planWake(qint64 now)
{
    m_wakeAt = m_ticked ? std::nullopt : m_slots.earliestDueInstant();
    if (!m_wakeAt) {
        m_wake.stop();
        return;
    }
    m_wake.start(static_cast<int>(std::clamp<qint64>(*m_wakeAt - now, 0, LongestSleepMs)));
}

bool AlarmMonitor::fireDue(const QDateTime& t)
{
    const qint64 now = t.toMSecsSinceEpoch();
    std::optional<QString> effective;
    bool fired = false;
    for (int i = 0; i < 2; ++i) {
        fired |=
            fireIfDue(m_slots.alarms[i], Kind::Alarm, AlarmSlots::alarmKey(i), t, now, effective);
        fired |=
            fireIfDue(m_slots.timers[i], Kind::Timer, AlarmSlots::timerKey(i), t, now, effective);
    }
    return fired;
}

bool AlarmMonitor::fireIfDue(AlarmSlot& slot, Kind kind, qint16 key, const QDateTime& t, qint64 now,
                             std::optional<QString>& effective)
{
    const std::optional<qint64> due = slot.active ? slot.dueInstant() : std::nullopt;
    if (!due || now < *due) {
        return false;
    }
    // Disarmed first: whatever happens below, the slot fires only once.
    slot.active = false;
    // Nothing due is the usual tick, so the effective time is formatted only
    // once something fires.
    if (!effective) {
        effective = m_generalDate.format(t);
    }
    // Due times fall on whole seconds and the ticks on every half second,
    // so a slot watched while due rings within half a second; a second or
    // more means the program was closed, asleep or held up. The times are
    // compared, not their texts: a due time at midnight shows no time of
    // day, and the hour the clocks repeat in autumn reads the same twice.
    Q_EMIT fired({kind, slot.name, m_generalDate.format(QDateTime::fromMSecsSinceEpoch(*due)),
                  *effective, now - *due >= 1000});

    try {
        m_store.saveArmedFlag(key);
    } catch (const settings::DatabaseError& error) {
        // The tick must go on: the slot is disarmed and its entry shown, only
        // the stored flag could not follow.
        Q_EMIT storeFailed(error.description());
    }
    return true;
}

} // namespace tikkro::alarms
