// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the run while the user types into a long log strip: how long each
// save holds the window thread (the snapshot; the file is written on the
// keeper's thread), the longest the window's events waited meanwhile (a 1 ms
// timer measures the gaps), and what one write of the run costs.
#include "WidgetBenchmarks.h"
#include "about/SysInfoLauncher.h"
#include "app/MainWindow.h"
#include "core/WallClock.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/SettingsDatabase.h"
#include "core/stopwatch/KernelClockCounter.h"
#include "fakes/FakeDesktopNotifier.h"
#include "fakes/FakeFileDialogService.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakePrintDialog.h"
#include "fakes/FakeProgramLauncher.h"
#include "fakes/FakeSoundService.h"
#include "fakes/RecordingPrinterFactory.h"
#include "printing/PrintCommand.h"
#include "stopwatch/LogStrip.h"
#include "stopwatch/SaveLogCommand.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using tikkro::settings::RunKeeper;

// Lines as laps write them, each different.
QString logOf(int lines)
{
    QString text;
    text.reserve(lines * 40);
    for (int i = 0; i < lines; ++i) {
        text += QStringLiteral("%1:%2:%3.%4   Lap  note %5\n")
                    .arg(i / 3600 % 100, 2, 10, QLatin1Char('0'))
                    .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg(i % 1000, 3, 10, QLatin1Char('0'))
                    .arg(i);
    }
    return text;
}

// The main window on the real clocks, with every other outside service
// replaced, on a settings file in a fresh folder.
struct App
{
    App()
        : database(tikkro::settings::SettingsDatabase::pathIn(folder.path())),
          print(std::make_unique<tikkro::fakes::FakePrintDialog>(),
                std::make_unique<tikkro::fakes::RecordingPrinterFactory>()),
          window(tikkro::app::MainWindow::Services{counter,
                                                   clock,
                                                   messages,
                                                   slots,
                                                   database,
                                                   sound,
                                                   notifier,
                                                   sysInfo,
                                                   print,
                                                   saveLog,
                                                   {}})
    {
        window.restoreSession();
        window.show();
    }

    QTemporaryDir folder;
    tikkro::stopwatch::KernelClockCounter counter{
        tikkro::stopwatch::KernelClockCounter::Clock::BootTime};
    tikkro::core::SystemWallClock clock;
    tikkro::fakes::FakeMessageService messages;
    tikkro::fakes::FakeSoundService sound;
    tikkro::fakes::FakeDesktopNotifier notifier;
    tikkro::fakes::FakeProgramLauncher launcher;
    tikkro::about::SysInfoLauncher sysInfo{[](const QString&) { return QString(); }, launcher,
                                           messages};
    tikkro::alarms::AlarmSlots slots;
    tikkro::settings::SettingsDatabase database;
    tikkro::printing::PrintCommand print;
    tikkro::fakes::FakeFileDialogService fileDialogs;
    tikkro::stopwatch::SaveLogCommand saveLog{fileDialogs, messages};
    tikkro::app::MainWindow window;
};

// Three seconds of typing, a key every 50 ms, at the end of a strip of
// range(0) lines while the watch runs.
void TypingWhileKept(benchmark::State& state)
{
    App app;
    auto* strip = app.window.findChild<tikkro::stopwatch::LogStrip*>(QStringLiteral("logStrip"));
    strip->setPlainText(logOf(static_cast<int>(state.range(0))));
    app.window.runAt(tikkro::stopwatch::Command::Start, std::nullopt);
    strip->moveToEnd();

    // The save's share of the window thread, timed around the keeper's own
    // handler of its timer.
    // The first save takes the whole strip, as after a restore or a long
    // paste; the others only what was typed.
    double firstSave = -1;
    double savePauseMax = 0;
    double savePauseSum = 0;
    double saves = 0;
    RunKeeper& keeper = app.window.runKeeper();
    QObject::disconnect(&app.window.runSaveTimer(), nullptr, &keeper, nullptr);
    QObject::connect(&app.window.runSaveTimer(), &tikkro::core::WindowTimer::tick, &keeper, [&] {
        QElapsedTimer took;
        took.start();
        keeper.saveDue();
        const double ms = took.nsecsElapsed() / 1e6;
        if (firstSave < 0) {
            firstSave = ms;
            return;
        }
        savePauseMax = std::max(savePauseMax, ms);
        savePauseSum += ms;
        ++saves;
    });
    double written = 0;
    QObject::connect(&keeper, &RunKeeper::saved, [&] { ++written; });

    double keyMax = 0;
    double longestGap = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer keys;
        QObject::connect(&keys, &QTimer::timeout, [&] {
            QElapsedTimer took;
            took.start();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QCoreApplication::sendEvent(strip, &press);
            QCoreApplication::sendEvent(strip, &release);
            keyMax = std::max(keyMax, took.nsecsElapsed() / 1e6);
        });
        QElapsedTimer sinceTurn;
        QTimer turns;
        QObject::connect(&turns, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, sinceTurn.nsecsElapsed() / 1e6);
            sinceTurn.restart();
        });
        keys.start(50);
        turns.start(1);
        sinceTurn.start();
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["first_save_pause_ms"] = firstSave;
    state.counters["save_pause_max_ms"] = savePauseMax;
    state.counters["save_pause_mean_ms"] = saves > 0 ? savePauseSum / saves : 0;
    state.counters["saves"] = saves;
    state.counters["written"] = written;
    state.counters["key_max_ms"] = keyMax;
    state.counters["longest_gap_ms"] = longestGap;
}
BENCHMARK(TypingWhileKept)
    ->Arg(1000)
    ->Arg(100'000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// One write of a run of range(0) lines, on the keeper's thread.
void WriteRun(benchmark::State& state)
{
    QTemporaryDir folder;
    const tikkro::settings::SettingsDatabase database(
        tikkro::settings::SettingsDatabase::pathIn(folder.path()));
    database.createIfMissing();
    tikkro::settings::RunRecord run;
    run.log = logOf(static_cast<int>(state.range(0)));
    run.watch = tikkro::settings::RunRecord::Watch::Running;
    run.savedAt = QDateTime::currentDateTime();
    for (auto _ : state) {
        run.log += QLatin1Char('a');
        database.saveRun(run);
    }
}
BENCHMARK(WriteRun)
    ->Arg(1000)
    ->Arg(100'000)
    ->ArgName("lines")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return tikkro::bench::runWidgetBenchmarks(argc, argv);
}
