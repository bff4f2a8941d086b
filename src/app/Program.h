// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/QtProgramLauncher.h"
#include "about/SysInfoLauncher.h"
#include "app/MainWindow.h"
#include "app/RingWhenClosed.h"
#include "core/WallClock.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/SettingsDatabase.h"
#include "core/stopwatch/KernelClockCounter.h"
#include "desktop/DBusDesktopNotifier.h"
#include "desktop/LinuxClockChanges.h"
#include "desktop/LogindSleepWatcher.h"
#include "desktop/ModuleSoundService.h"
#include "desktop/QtFileDialogService.h"
#include "desktop/QtMessageService.h"
#include "desktop/SystemdWakeScheduler.h"
#include "printing/PrintCommand.h"
#include "stopwatch/SaveLogCommand.h"
#include "widgets/CursorBlinkTimeout.h"

#include <QGuiApplication>

#include <functional>
#include <memory>

namespace tikkro::app {

// The running program: the real services, owned for the program's whole
// life, and the main window built on them, on the given sounds folder and
// settings file.
class Program
{
public:
    Program(const QString& soundsFolder, const QString& databasePath,
            std::function<int()> msToWholeSecond);

    // Loads the main window, shows it, and fires at once what fell due
    // while the program was closed.
    MainWindow& start();
    // The stopwatch's clock, for commands timed outside the window.
    const stopwatch::KernelClockCounter& counter() const { return m_counter; }

    // Milliseconds until the system clock's next whole second.
    static int msToNextWholeSecond();

private:
    const stopwatch::KernelClockCounter m_counter{stopwatch::KernelClockCounter::Clock::BootTime};
    core::SystemWallClock m_clock;
    desktop::QtMessageService m_messages;
    desktop::ModuleSoundService m_sound;
    // The icon is installed under the desktop file's name.
    desktop::DBusDesktopNotifier m_notifier{QStringLiteral("Tikkro"),
                                            QGuiApplication::desktopFileName()};
    alarms::AlarmSlots m_slots;
    const settings::SettingsDatabase m_database;
    about::QtProgramLauncher m_launcher;
    about::SysInfoLauncher m_sysInfo;
    printing::PrintCommand m_print;
    desktop::QtFileDialogService m_fileDialogs;
    stopwatch::SaveLogCommand m_saveLog{m_fileDialogs, m_messages};
    desktop::SystemdWakeScheduler m_wakeScheduler;
    desktop::LogindSleepWatcher m_sleepWatcher;
    widgets::CursorBlinkTimeout m_blinkTimeout;
    desktop::LinuxClockChanges m_clockChanges;
    MainWindow m_window;
    RingWhenClosed m_ringWhenClosed;
};

} // namespace tikkro::app
