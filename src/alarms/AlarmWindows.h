// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmDialog.h"
#include "alarms/AlarmMonitor.h"
#include "alarms/EventsWindow.h"
#include "alarms/TimerDialog.h"
#include "ui/LazyWindow.h"

#include <QCoreApplication>

namespace tikkro::ui {
class DesktopNotifier;
class SoundService;
} // namespace tikkro::ui

namespace tikkro::alarms {

// The alarm and timer monitor and the three windows around it: the events
// window and the two Set/Edit dialogs, each loaded on first use and
// discarded when closed. A slot that fires rings its sound, gets its entry in
// the events window and a desktop notification, in that order.
class AlarmWindows final
{
    Q_DECLARE_TR_FUNCTIONS(AlarmWindows)
public:
    AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                 ui::SoundService& sound, ui::MessageService& messages,
                 ui::DesktopNotifier& notifier);
    AlarmWindows(const AlarmWindows&) = delete;
    AlarmWindows& operator=(const AlarmWindows&) = delete;
    ~AlarmWindows();

    // One monitor tick; gives the text for the clock field.
    QString checkDue();

    void showEvents();
    // Choose the slot, then show the dialog; an open dialog shows the newly
    // chosen slot.
    void showAlarmDialog(int slot);
    void showTimerDialog(int slot);
    // In shut-down order: events window, alarm dialog, timer dialog.
    void unloadAll();

    // The loaded windows, or nullptr.
    EventsWindow* events() const { return m_events.loaded(); }
    AlarmDialog* alarmDialog() const { return m_alarmDialog.loaded(); }
    TimerDialog* timerDialog() const { return m_timerDialog.loaded(); }

private:
    template <typename Dialog> void showAndRefill(ui::LazyWindow<Dialog>& dialog);
    void ring(const AlarmMonitor::Firing& firing);

    AlarmSlots& m_slots;
    ui::SoundService& m_sound;
    ui::DesktopNotifier& m_notifier;
    ui::LazyWindow<EventsWindow> m_events;
    ui::LazyWindow<AlarmDialog> m_alarmDialog;
    ui::LazyWindow<TimerDialog> m_timerDialog;
    AlarmMonitor m_monitor;
};

} // namespace tikkro::alarms
