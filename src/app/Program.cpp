// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include <chrono>

namespace tikkro::app {

Program::Program(const QString& soundsFolder, const QString& databasePath,
                 std::function<int()> msToWholeSecond)
    : m_sound(soundsFolder), m_database(databasePath),
      m_sysInfo(&about::SysInfoLauncher::findOnPath, m_launcher, m_messages),
      m_print(printing::PrintCommand::withQtPrinting()),
      m_wakeScheduler(databasePath, QCoreApplication::applicationFilePath(),
                      QProcessEnvironment::systemEnvironment()),
      m_window({m_counter, m_clock, m_messages, m_slots, m_database, m_sound, m_notifier, m_sysInfo,
                m_print, m_saveLog, std::move(msToWholeSecond), nullptr, &m_clockChanges}),
      m_ringWhenClosed(m_slots, m_window.alarmWindows().monitor(), m_database, m_wakeScheduler,
                       m_messages)
{
    // Slots that fell due while the machine slept ring as it wakes.
    QObject::connect(&m_sleepWatcher, &desktop::SleepWatcher::resumed,
                     &m_window.alarmWindows().monitor(), &alarms::AlarmMonitor::checkNow);
    m_messages.setParent(&m_window);
    QObject::connect(&m_notifier, &desktop::DBusDesktopNotifier::showRequested, &m_window,
                     [this] { m_window.alarmWindows().showEvents(); });
}

MainWindow& Program::start()
{
    m_window.restoreSession();
    m_window.show();
    m_ringWhenClosed.start(*m_window.extraMenu());
    // Started by the service manager for a slot, the program rings it at
    // once rather than at the monitor's first tick, a second later.
    m_window.alarmWindows().monitor().checkNow();
    return m_window;
}

int Program::msToNextWholeSecond()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    return static_cast<int>(ceil<milliseconds>(floor<seconds>(now) + seconds(1) - now).count());
}

} // namespace tikkro::app
