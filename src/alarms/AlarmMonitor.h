// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmSlots.h"
#include "alarms/GeneralDateFormat.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace tikkro::ui {
class DesktopNotifier;
class MessageService;
class SoundService;
class WallClock;
} // namespace tikkro::ui

namespace tikkro::alarms {

class AlarmStore;
class EventLog;

// Watches the two alarms and the two countdown timers on the main window's
// half-second tick. A slot that is armed and due fires once: it is disarmed,
// its sound starts, an entry goes to the events window and to the desktop's
// notifications, and the disarmed flag is stored so that it does not fire
// again after a restart.
class AlarmMonitor
{
public:
    AlarmMonitor(AlarmSlots& slots, AlarmStore& store, EventLog& events, ui::WallClock& clock,
                 ui::SoundService& sound, ui::MessageService& messages,
                 ui::DesktopNotifier& notifier);

    // One tick; gives the text for the clock field, "dd.MM.yy   hh:mm:ss".
    QString checkDue();

    // Appends an entry, marked " !!!" when late, and stores the slot's
    // cleared flag.
    void logEvent(const QString& title, const QString& effective, const QString& due, bool late,
                  qint16 key);

    static constexpr const char* ClockPattern = "dd.MM.yy   HH:mm:ss";

private:
    using Kind = AlarmSlots::Kind;
    void fireIfDue(AlarmSlot& slot, Kind kind, qint16 key, const QDateTime& t, qint64 now,
                   std::optional<QString>& effective);

    AlarmSlots& m_slots;
    AlarmStore& m_store;
    EventLog& m_events;
    ui::WallClock& m_clock;
    ui::SoundService& m_sound;
    ui::MessageService& m_messages;
    ui::DesktopNotifier& m_notifier;
    GeneralDateFormat m_generalDate;
    QString m_clockPattern;
};

} // namespace tikkro::alarms
