// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmWindows.h"

#include "desktop/DesktopNotifier.h"
#include "desktop/MessageService.h"
#include "desktop/SoundService.h"

#include <QPushButton>

namespace tikkro::alarms {

AlarmWindows::AlarmWindows(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                           core::WallClock& clock, desktop::SoundService& sound,
                           desktop::MessageService& messages, desktop::DesktopNotifier& notifier)
    : m_slots(slots), m_sound(sound), m_notifier(notifier),
      m_events([] { return new EventsWindow; }),
      m_alarmDialog([this, &slots, &store, &menu, &clock, &messages] {
          return static_cast<AlarmDialog*>(
              watched(new AlarmDialog(slots, store, menu, clock, messages)));
      }),
      m_timerDialog([this, &slots, &store, &menu, &clock, &messages] {
          return static_cast<TimerDialog*>(
              watched(new TimerDialog(slots, store, menu, clock, messages)));
      }),
      m_monitor(slots, store, clock)
{
    QObject::connect(&m_monitor, &AlarmMonitor::fired, &m_monitor,
                     [this](const AlarmMonitor::Firing& firing) { ring(firing); });
    QObject::connect(&m_monitor, &AlarmMonitor::storeFailed, &m_monitor,
                     [&messages](const QString& reason) {
                         messages.showModeless(
                             tr("The alarm or timer that just rang could not be stored as done; "
                                "it may ring again after the next start.\n\n%1")
                                 .arg(reason),
                             desktop::MessageService::Icon::Warning, QStringLiteral("Tikkro"));
                     });
}

AlarmWindows::~AlarmWindows()
{
    unloadAll();
}

SlotDialog* AlarmWindows::watched(SlotDialog* dialog)
{
    // Connected after the dialog's own handlers, so it runs once they have
    // changed the slot.
    for (QPushButton* button : {dialog->setButton(), dialog->disarmButton()}) {
        QObject::connect(button, &QPushButton::clicked, &m_monitor, &AlarmMonitor::planAgain);
    }
    return dialog;
}

QString AlarmWindows::checkDue()
{
    return m_monitor.checkDue();
}

void AlarmWindows::ring(const AlarmMonitor::Firing& firing)
{
    const bool alarm = firing.kind == AlarmSlots::Kind::Alarm;
    m_sound.play(alarm ? QStringLiteral("notify.wav") : QStringLiteral("ringin.wav"));
    // An event brings the window to the front without taking the keyboard
    // from the application the user is typing in.
    m_events.showWithoutActivating()->addEntry(firing);
    // Seen even while the program's windows are covered or minimised.
    m_notifier.notify(
        EventsWindow::title(firing) + QLatin1Char('\''),
        tr("was due at: %1\neffective at: %2%3")
            .arg(firing.due, firing.effective, firing.late ? EventsWindow::lateMark() : QString()));
}

void AlarmWindows::showEvents()
{
    m_events.show();
}

template <typename Dialog> void AlarmWindows::showAndRefill(widgets::LazyWindow<Dialog>& dialog)
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

} // namespace tikkro::alarms
