// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file held by another process (sqlite3 with BEGIN EXCLUSIVE):
// how long Set, a monitor tick that fires all four slots, and Exit hold the
// window, and how far a Lap given during a 3 s stall of the window is off
// its input. Run offscreen, or under a display (the Lap then comes from the
// X server, clicked by xdotool, and the X server's input clock is compared
// with CLOCK_MONOTONIC).
#include "WidgetBenchmarks.h"
#include "about/SysInfoLauncher.h"
#include "alarms/DigitField.h"
#include "app/MainWindow.h"
#include "core/WallClock.h"
#include "core/alarms/AlarmSlots.h"
#include "core/settings/DatabaseError.h"
#include "core/settings/OleDate.h"
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
#include "widgets/CommandButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace {

using tikkro::stopwatch::Command;

qint64 monotonicMs()
{
    return tikkro::stopwatch::KernelClockCounter(
               tikkro::stopwatch::KernelClockCounter::Clock::Monotonic)
               .ticks() /
           1'000'000;
}

// Another program with the file open in an exclusive transaction.
class FileHolder
{
public:
    explicit FileHolder(const QString& path)
    {
        m_sqlite.start(QStringLiteral("sqlite3"), {path});
        m_sqlite.waitForStarted();
        m_sqlite.write("BEGIN EXCLUSIVE;\n");
        m_sqlite.waitForBytesWritten();
        const tikkro::settings::SettingsDatabase probe(path, std::chrono::milliseconds(5));
        for (;;) {
            try {
                probe.storedPosition();
            } catch (const tikkro::settings::DatabaseError& error) {
                if (error.fileBusy()) {
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    ~FileHolder()
    {
        m_sqlite.write("ROLLBACK;\n.quit\n");
        m_sqlite.waitForBytesWritten();
        m_sqlite.closeWriteChannel();
        m_sqlite.waitForFinished();
    }

private:
    QProcess m_sqlite;
};

// The main window on the real clocks, with every other outside service
// replaced, on a settings file in a fresh folder.
struct App
{
    App()
        : database(tikkro::settings::SettingsDatabase::pathIn(folder.path())),
          print(std::make_unique<tikkro::fakes::FakePrintDialog>(),
                std::make_unique<tikkro::fakes::RecordingPrinterFactory>())
    {
        database.createIfMissing();
    }

    std::unique_ptr<tikkro::app::MainWindow> start()
    {
        auto window =
            std::make_unique<tikkro::app::MainWindow>(tikkro::app::MainWindow::Services{counter,
                                                                                        clock,
                                                                                        messages,
                                                                                        slots,
                                                                                        database,
                                                                                        sound,
                                                                                        notifier,
                                                                                        sysInfo,
                                                                                        print,
                                                                                        saveLog,
                                                                                        {}});
        window->restoreSession();
        window->show();
        while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        return window;
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
};

void reportMessages(benchmark::State& state, const App& app)
{
    state.counters["messages"] = static_cast<double>(app.messages.messages.size());
}

void SetWhileHeld(benchmark::State& state)
{
    App app;
    auto window = app.start();
    const FileHolder holder(app.database.filePath());
    for (auto _ : state) {
        window->alarmWindows().showTimerDialog(0);
        auto* dialog = window->alarmWindows().timerDialog();
        dialog->nameField()->setText(QStringLiteral("Tea"));
        dialog->field(1)->setText(QStringLiteral("5"));
        dialog->setButton()->click();
    }
    reportMessages(state, app);
}
BENCHMARK(SetWhileHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// All four slots fall due in one tick; each stores its flag.
void MonitorTickWhileHeld(benchmark::State& state)
{
    App app;
    auto window = app.start();
    const FileHolder holder(app.database.filePath());
    for (auto _ : state) {
        state.PauseTiming();
        const double due = tikkro::settings::OleDate::fromDateTime(app.clock.now());
        for (auto* slot : {&app.slots.alarms[0], &app.slots.alarms[1], &app.slots.timers[0],
                           &app.slots.timers[1]}) {
            *slot = {QStringLiteral("Due"), due, true};
        }
        state.ResumeTiming();
        Q_EMIT window->monitorTimer().tick();
    }
    reportMessages(state, app);
}
BENCHMARK(MonitorTickWhileHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void StartWhileHeld(benchmark::State& state)
{
    App app;
    const FileHolder holder(app.database.filePath());
    for (auto _ : state) {
        auto window = app.start();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    reportMessages(state, app);
}
BENCHMARK(StartWhileHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void ExitWhileHeld(benchmark::State& state)
{
    App app;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = app.start();
        const FileHolder holder(app.database.filePath());
        state.ResumeTiming();
        window->close();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    reportMessages(state, app);
}
BENCHMARK(ExitWhileHeld)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A click on a command's button: through the X server where there is one
// (xdotool), otherwise an event stamped now on CLOCK_MONOTONIC, as an X
// server stamps it.
struct Click
{
    // CLOCK_MONOTONIC just before and just after the click was sent, ms.
    qint64 before = 0;
    qint64 after = 0;
    // The event's own stamp, as the button got it.
    quint64 stamp = 0;

    // How far the stamp lies outside the time the click was sent in: 0 if
    // the stamps are on CLOCK_MONOTONIC.
    double outside() const
    {
        const auto at = static_cast<qint64>(stamp);
        return static_cast<double>(std::max({before - at, at - after, qint64{0}}));
    }
};

Click click(tikkro::app::MainWindow& window, const char* command)
{
    auto* button = window.findChild<tikkro::widgets::CommandButton*>(QLatin1String(command) +
                                                                     QLatin1String("Button"));
    Click result;
    const QMetaObject::Connection stamped =
        QObject::connect(button, &tikkro::widgets::CommandButton::commanded,
                         [&result](quint64 timestamp) { result.stamp = timestamp; });
    result.before = monotonicMs();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // Placed relative to the window: the window manager may have moved
        // it since Qt last heard.
        const QPoint inWindow = button->mapTo(&window, QPoint(20, 10));
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QStringLiteral("--window"),
                           QString::number(window.winId()), QString::number(inWindow.x()),
                           QString::number(inWindow.y()), QStringLiteral("click"),
                           QStringLiteral("1")});
    } else {
        auto* press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(20, 10),
                                      QPointF(button->mapToGlobal(QPoint(20, 10))), Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier);
        press->setTimestamp(static_cast<quint64>(monotonicMs()));
        QCoreApplication::postEvent(button, press);
    }
    result.after = monotonicMs();
    return result;
}

void processUntil(const std::function<bool()>& done)
{
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

double loggedLapMs(const QString& strip)
{
    const QString line = strip.section(QStringLiteral("\n"), -2, -2);
    return QTime::fromString(line.left(12), QStringLiteral("HH:mm:ss.zzz")).msecsSinceStartOfDay();
}

// Start, a second later a Lap, and the window stalls for 3 s before it gets
// to the Lap. lap_error_ms: the logged Lap less the time between the two
// clicks' stamps; stamp_outside_ms: how far a stamp lay outside the moment
// its click was sent (0: the input clock is CLOCK_MONOTONIC).
void LapAfterStall(benchmark::State& state)
{
    App app;
    auto window = app.start();
    const FileHolder holder(app.database.filePath());
    auto* strip = window->findChild<tikkro::stopwatch::LogStrip*>(QStringLiteral("logStrip"));
    double worstError = 0;
    double worstOutside = 0;
    for (auto _ : state) {
        window->run(Command::Reset);
        const Click start = click(*window, "start");
        processUntil([&] { return strip->text().endsWith(QStringLiteral("Start\n")); });
        QElapsedTimer running;
        running.start();
        processUntil([&] { return running.elapsed() >= 1000; });
        const Click lap = click(*window, "lap");
        std::this_thread::sleep_for(std::chrono::seconds(3));
        processUntil([&] { return strip->text().endsWith(QStringLiteral("Lap\n")); });
        const auto between = static_cast<double>(lap.stamp - start.stamp);
        worstError = std::max(worstError, std::abs(loggedLapMs(strip->text()) - between));
        worstOutside = std::max({worstOutside, start.outside(), lap.outside()});
    }
    state.counters["lap_error_ms"] = worstError;
    state.counters["stamp_outside_ms"] = worstOutside;
    reportMessages(state, app);
}
BENCHMARK(LapAfterStall)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    return tikkro::bench::runWidgetBenchmarks(argc, argv);
}
