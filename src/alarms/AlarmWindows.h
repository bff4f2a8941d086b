// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmDialog.h"
#include "alarms/EventsWindow.h"
#include "alarms/TimerDialog.h"
#include "core/alarms/AlarmMonitor.h"
#include "widgets/LazyWindow.h"

#include <QCoreApplication>

namespace tikkro::desktop {
class DesktopNotifier;
class SoundService;
} // namespace tikkro::desktop

namespace tikkro::alarms {

// The alarm and timer monitor and the three windows around it: the events
// window and the two Set/Edit dialogs, each loaded on first use and
// discarded when closed. A slot that fires rings its sound, gets its entry in
// the events window and a desktop notification, in that order.
class AlarmWindows final
{
    Q_DECLARE_TR_FUNCTIONS(AlarmWindows)
public:
    AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, core::WallClock& clock,
                 desktop::SoundService& sound, desktop::MessageService& messages,
                 desktop::DesktopNotifier& notifier);
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

    AlarmMonitor& monitor() { return m_monitor; }

    // The loaded windows, or nullptr.
    EventsWindow* events() const { return m_events.loaded(); }
    AlarmDialog* alarmDialog() const { return m_alarmDialog.loaded(); }
    TimerDialog* timerDialog() const { return m_timerDialog.loaded(); }

private:
    template <typename Dialog> void showAndRefill(widgets::LazyWindow<Dialog>& dialog);
    // A sleeping monitor plans again once a dialog has armed or disarmed.
    SlotDialog* watched(SlotDialog* dialog);
    void ring(const AlarmMonitor::Firing& firing);

    AlarmSlots& m_slots;
    desktop::SoundService& m_sound;
    desktop::DesktopNotifier& m_notifier;
    widgets::LazyWindow<EventsWindow> m_events;
    widgets::LazyWindow<AlarmDialog> m_alarmDialog;
    widgets::LazyWindow<TimerDialog> m_timerDialog;
    AlarmMonitor m_monitor;
};

} // namespace tikkro::alarms
