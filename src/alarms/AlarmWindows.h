// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmMonitor.h"
#include "alarms/EventLog.h"
#include "alarms/frmEvents.h"
#include "alarms/frmInputAlarm.h"
#include "alarms/frmInputCount.h"
#include "ui/FormSlot.h"

namespace tikkro::alarms {

// The alarm and timer monitor and the three windows around it: the events
// window and the two Set/Edit dialogs, each loaded on first use and
// discarded when closed.
class AlarmWindows final : public EventLog
{
public:
    AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                 ui::SoundService& sound, ui::MessageService& messages);
    AlarmWindows(const AlarmWindows&) = delete;
    AlarmWindows& operator=(const AlarmWindows&) = delete;
    ~AlarmWindows() override;

    // One monitor tick; gives the text for the clock field.
    QString Timer2_Timer();

    void showEvents();
    // Choose the slot, then show the dialog; an open dialog shows the newly
    // chosen slot.
    void showAlarmDialog(int slot);
    void showTimerDialog(int slot);
    // In shut-down order: events window, alarm dialog, timer dialog.
    void unloadAll();

    // The loaded windows, or nullptr.
    frmEvents* events() const { return m_events.form(); }
    frmInputAlarm* alarmDialog() const { return m_alarmDialog.form(); }
    frmInputCount* timerDialog() const { return m_timerDialog.form(); }

    // EventLog
    QString showAndReadText() override;
    void setText(const QString& text) override;

private:
    template <typename Form> void showAndRefill(ui::FormSlot<Form>& slot);

    AlarmSlots& m_slots;
    ui::FormSlot<frmEvents> m_events;
    ui::FormSlot<frmInputAlarm> m_alarmDialog;
    ui::FormSlot<frmInputCount> m_timerDialog;
    AlarmMonitor m_monitor;
};

} // namespace tikkro::alarms
