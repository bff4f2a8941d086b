// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/QtProgramLauncher.h"
#include "about/SysInfoLauncher.h"
#include "alarms/AlarmSlots.h"
#include "app/MainWindow.h"
#include "printing/PrintCommand.h"
#include "settings/SettingsDatabase.h"
#include "stopwatch/KernelClockCounter.h"
#include "stopwatch/SaveLogCommand.h"
#include "ui/DBusDesktopNotifier.h"
#include "ui/QtFileDialogService.h"
#include "ui/QtMessageService.h"
#include "ui/QtSoundService.h"
#include "ui/WallClock.h"

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
            std::function<void()> waitForWholeSecond);

    // Loads the main window and shows it.
    MainWindow& start();

    // Sleeps until the system clock's next whole second.
    static void sleepUntilNextWholeSecond();

private:
    const stopwatch::KernelClockCounter m_counter{stopwatch::KernelClockCounter::Clock::BootTime};
    ui::SystemWallClock m_clock;
    ui::QtMessageService m_messages;
    ui::QtSoundService m_sound;
    // The icon is installed under the desktop file's name.
    ui::DBusDesktopNotifier m_notifier{QStringLiteral("Tikkro"),
                                       QGuiApplication::desktopFileName()};
    alarms::AlarmSlots m_slots;
    const settings::SettingsDatabase m_database;
    about::QtProgramLauncher m_launcher;
    about::SysInfoLauncher m_sysInfo;
    printing::PrintCommand m_print;
    ui::QtFileDialogService m_fileDialogs;
    stopwatch::SaveLogCommand m_saveLog{m_fileDialogs, m_messages};
    MainWindow m_window;
};

} // namespace tikkro::app
