// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmWindows.h"

namespace tikkro::alarms {

AlarmWindows::AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                           ui::WallClock& clock, ui::SoundService& sound,
                           ui::MessageService& messages)
    : m_slots(slots), m_events([] { return new frmEvents; }),
      m_alarmDialog([&slots, &store, &menu, &clock, &messages] {
          return new frmInputAlarm(slots, store, menu, clock, messages);
      }),
      m_timerDialog([&slots, &store, &menu, &clock, &messages] {
          return new frmInputCount(slots, store, menu, clock, messages);
      }),
      m_monitor(slots, store, *this, clock, sound, messages)
{}

AlarmWindows::~AlarmWindows()
{
    unloadAll();
}

QString AlarmWindows::Timer2_Timer()
{
    return m_monitor.Timer2_Timer();
}

void AlarmWindows::showEvents()
{
    m_events.show();
}

template <typename Form> void AlarmWindows::showAndRefill(ui::FormSlot<Form>& slot)
{
    // A dialog fills itself when it becomes the active window, but one that
    // already is active gets no such moment, and a window manager may keep
    // the focus elsewhere: the menu has chosen a slot, so the dialog must
    // show that slot now, whatever the activation does.
    slot.show()->Form_Activate();
}

void AlarmWindows::showAlarmDialog(int slot)
{
    m_slots.CurrentAlarm = static_cast<qint16>(slot);
    showAndRefill(m_alarmDialog);
}

void AlarmWindows::showTimerDialog(int slot)
{
    m_slots.CurrentTimer = static_cast<qint16>(slot);
    showAndRefill(m_timerDialog);
}

void AlarmWindows::unloadAll()
{
    m_events.unload();
    m_alarmDialog.unload();
    m_timerDialog.unload();
}

QString AlarmWindows::showAndReadText()
{
    return m_events.show()->text();
}

void AlarmWindows::setText(const QString& text)
{
    if (frmEvents* events = m_events.form()) {
        events->setText(text);
    }
}

} // namespace tikkro::alarms
