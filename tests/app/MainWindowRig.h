// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/SysInfoLauncher.h"
#include "app/MainWindow.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/SettingsDatabase.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeDesktopNotifier.h"
#include "fakes/FakeFileDialogService.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakePrintDialog.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/RecordingPrinterFactory.h"
#include "fakes/ScratchDatabase.h"
#include "printing/PrintCommand.h"
#include "stopwatch/LogStrip.h"
#include "stopwatch/SaveLogCommand.h"

#include "TestSupport.h"

namespace tikkro::testing {

// The main window with every outside service replaced, on a settings file in
// a fresh temporary program folder.
struct MainWindowRig
{
    MainWindowRig()
        : database(scratch.path()), print(std::make_unique<fakes::FakePrintDialog>(),
                                          std::make_unique<fakes::RecordingPrinterFactory>())
    {}

    // Desktop notifications go to the fake and settings to the scratch file
    // unless others are given.
    std::unique_ptr<app::MainWindow>
    makeWindow(desktop::DesktopNotifier* otherNotifier = nullptr,
               const settings::SettingsDatabase* otherDatabase = nullptr)
    {
        desktop::DesktopNotifier& notifying = otherNotifier != nullptr ? *otherNotifier : notifier;
        return std::make_unique<app::MainWindow>(app::MainWindow::Services{
            counter, clock, messages, slots, otherDatabase != nullptr ? *otherDatabase : database,
            sound, notifying, sysInfo, print, saveLog, [this] { return untilWholeSecond; },
            &eventClock});
    }
    // The window as a start opens it, on the scratch file unless another is
    // given.
    void open(const settings::SettingsDatabase* otherDatabase = nullptr)
    {
        window = makeWindow(nullptr, otherDatabase);
        window->restoreSession();
    }
    stopwatch::LogStrip* logStrip() const
    {
        return window->findChild<stopwatch::LogStrip*>(QStringLiteral("logStrip"));
    }
    QString strip() const { return logStrip()->text(); }

    fakes::ScratchDatabase scratch;
    fakes::FakeCounter counter;
    // Stamps from QTest lie far from it, so their commands read the counter.
    fakes::FakeCounter eventClock{1'000'000'000};
    fakes::FakeWallClock clock;
    fakes::FakeMessageService messages;
    fakes::FakeSoundService sound;
    fakes::FakeDesktopNotifier notifier;
    fakes::FakeProgramLauncher launcher;
    about::SysInfoLauncher sysInfo{[](const QString&) { return QString(); }, launcher, messages};
    alarms::AlarmSlots slots;
    settings::SettingsDatabase database;
    printing::PrintCommand print;
    fakes::FakeFileDialogService fileDialogs;
    stopwatch::SaveLogCommand saveLog{fileDialogs, messages};
    // How far the system clock is from its next whole second.
    int untilWholeSecond = 0;
    std::unique_ptr<app::MainWindow> window;
};

} // namespace tikkro::testing
