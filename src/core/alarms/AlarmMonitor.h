// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmSlots.h"
#include "core/alarms/GeneralDateFormat.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace tikkro::core {
class WallClock;
} // namespace tikkro::core

namespace tikkro::alarms {

class AlarmStore;

// Watches the two alarms and the two countdown timers on the main window's
// half-second tick. A slot that is armed and due fires once: it is disarmed,
// fired() lets the windows ring and show it, and then the disarmed flag is
// stored so that it does not fire again after a restart.
// While nothing ticks it (the main window hidden), it sleeps until the
// earliest due moment; whatever can change that moment calls checkNow().
class AlarmMonitor : public QObject
{
    Q_OBJECT
public:
    struct Firing
    {
        AlarmSlots::Kind kind = AlarmSlots::Kind::Alarm;
        QString name;
        QString due;       // in the general date form
        QString effective; // the tick's time, in the same form
        // Rang a second or more after its due time.
        bool late = false;
    };

    AlarmMonitor(AlarmSlots& slots, AlarmStore& store, core::WallClock& clock,
                 QObject* parent = nullptr);

    // One tick; gives the text for the clock field, "dd.MM.yy   hh:mm:ss".
    QString checkDue();

    static constexpr const char* ClockPattern = "dd.MM.yy   HH:mm:ss";

    // Whether the window's tick watches the slots; without it the monitor
    // wakes itself at the earliest due moment.
    void setTicked(bool ticked);
    // When the monitor wakes itself next, in milliseconds since 1970 UTC;
    // none while ticked or while nothing is armed.
    std::optional<qint64> wakeAt() const { return m_wakeAt; }

    // A sleep planned from the clock is at most this long, so that a clock
    // that drifts from the timers' is read again now and then.
    static constexpr qint64 LongestSleepMs = 3'600'000;

public Q_SLOTS:
    // Fires what is due, plans the next wake-up and tells armedChanged():
    // for a new system time or zone, and resume.
    void checkNow();
    // Plans the next wake-up and tells armedChanged(), for a slot just armed
    // or disarmed: a slot armed already due rings at the next check, as
    // any other.
    void planAgain();

Q_SIGNALS:
    // The armed slots may have changed: after checkNow() and after a tick
    // that fired a slot.
    void armedChanged();
    // The slot is already disarmed in memory; its flag is stored once the
    // receivers have returned. Slots firing in one tick come in the order
    // alarm 1, timer 1, alarm 2, timer 2.
    void fired(const tikkro::alarms::AlarmMonitor::Firing& firing);
    // The disarmed flag of a slot that just fired could not be stored.
    void storeFailed(const QString& reason);

private:
    using Kind = AlarmSlots::Kind;
    // Whether any fired.
    bool fireDue(const QDateTime& t);
    bool fireIfDue(AlarmSlot& slot, Kind kind, qint16 key, const QDateTime& t, qint64 now,
                   std::optional<QString>& effective);
    void planWake(qint64 now);

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    core::WallClock& m_clock;
    GeneralDateFormat m_generalDate;
    QString m_clockPattern;
    QTimer m_wake;
    std::optional<qint64> m_wakeAt;
    bool m_ticked = true;
};

} // namespace tikkro::alarms
