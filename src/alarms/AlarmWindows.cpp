// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmWindows.h"

namespace tikkro::alarms {

AlarmWindows::AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                           ui::WallClock& clock, ui::SoundService& sound,
                           ui::MessageService& messages, ui::DesktopNotifier& notifier)
    : m_slots(slots), m_events([] { return new EventsWindow; }),
      m_alarmDialog([&slots, &store, &menu, &clock, &messages] {
          return new AlarmDialog(slots, store, menu, clock, messages);
      }),
      m_timerDialog([&slots, &store, &menu, &clock, &messages] {
          return new TimerDialog(slots, store, menu, clock, messages);
      }),
      m_monitor(slots, store, *this, clock, sound, messages, notifier)
{}

AlarmWindows::~AlarmWindows()
{
    unloadAll();
}

QString AlarmWindows::checkDue()
{
    return m_monitor.checkDue();
}

void AlarmWindows::showEvents()
{
    m_events.show();
}

template <typename Dialog> void AlarmWindows::showAndRefill(ui::LazyWindow<Dialog>& dialog)
{
    // A dialog fills itself when it becomes the active window, but one that
    // already is active gets no such moment, and a window manager may keep
    // the focus elsewhere: the menu has chosen a slot, so the dialog must
    // show that slot now, whatever the activation does.
    dialog.show()->refill();
}

void AlarmWindows::showAlarmDialog(int slot)
{
    m_slots.currentAlarm = static_cast<qint16>(slot);
    showAndRefill(m_alarmDialog);
}

void AlarmWindows::showTimerDialog(int slot)
{
    m_slots.currentTimer = static_cast<qint16>(slot);
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
    return m_events.showWithoutActivating()->text();
}

void AlarmWindows::setText(const QString& text)
{
    if (EventsWindow* events = m_events.loaded()) {
        events->setText(text);
    }
}

} // namespace tikkro::alarms
