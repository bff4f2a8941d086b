// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "about/AboutBox.h"
#include "alarms/AlarmWindows.h"
#include "core/WindowTimer.h"
#include "core/alarms/AlarmMenu.h"
#include "core/alarms/AlarmStore.h"
#include "core/settings/RunKeeper.h"
#include "core/settings/SettingsWriter.h"
#include "core/stopwatch/InputClock.h"
#include "core/stopwatch/KernelClockCounter.h"
#include "core/stopwatch/Stopwatch.h"
#include "core/stopwatch/StopwatchView.h"
#include "placement/WindowPlacement.h"
#include "widgets/LazyWindow.h"

#include <QMainWindow>
#include <array>
#include <chrono>
#include <functional>

class QAction;
class QMenu;

namespace tikkro::about {
class SysInfoLauncher;
} // namespace tikkro::about

namespace tikkro::printing {
class PrintCommand;
} // namespace tikkro::printing

namespace tikkro::settings {
class SettingsDatabase;
} // namespace tikkro::settings

namespace tikkro::stopwatch {
class LogStrip;
class PerformanceCounter;
class SaveLogCommand;
} // namespace tikkro::stopwatch

namespace tikkro::core {
class ClockChanges;
class WallClock;
} // namespace tikkro::core
namespace tikkro::desktop {
class DesktopNotifier;
class MessageService;
class SoundService;
} // namespace tikkro::desktop
namespace tikkro::widgets {
class CommandButton;
class DisplayField;
} // namespace tikkro::widgets

namespace tikkro::app {

// The main window: the stopwatch with its five buttons and log strip, the
// clock field, and the menus that reach every other window.
class MainWindow : public QMainWindow, public stopwatch::StopwatchView, public alarms::AlarmMenu
{
    Q_OBJECT
public:
    // Everything the window takes from the world outside it.
    struct Services
    {
        const stopwatch::PerformanceCounter& counter;
        core::WallClock& clock;
        desktop::MessageService& messages;
        alarms::AlarmSlots& slots;
        const settings::SettingsDatabase& database;
        desktop::SoundService& sound;
        desktop::DesktopNotifier& notifier;
        about::SysInfoLauncher& sysInfo;
        printing::PrintCommand& print;
        stopwatch::SaveLogCommand& saveLog;
        // Milliseconds until the system clock's next whole second, which
        // the monitor's ticks follow; not given, they come every second
        // from the start.
        std::function<int()> msToWholeSecond;
        // The clock the platform stamps input events with; CLOCK_MONOTONIC
        // when not given.
        const stopwatch::PerformanceCounter* inputEventClock = nullptr;
        // Where the system clock or the time zone is changed; none, nobody
        // tells the window.
        core::ClockChanges* clockChanges = nullptr;
    };

    // How long shut-down waits for the settings file, and how long its note
    // about what could not be kept stays up at most.
    static constexpr std::chrono::milliseconds ExitWait{500};
    static constexpr std::chrono::milliseconds ExitNoteShown{5000};

    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: creates the settings file if there is none, puts the window
    // where it was left, resets the stopwatch, starts the monitor on the
    // next whole second and loads the alarms and timers. Each step goes on
    // whatever the others met; all that went wrong is said in one warning.
    void restoreSession();

    // The end of the program at a logout or a signal: as close(), but the
    // run is kept to come back at the next start.
    void closeKeepingRun();

    // Shut-down: keeps the window's position and closes every other window.
    // Nothing may keep the program from ending: a settings file held by
    // another program is waited for ExitWait at most.
    void saveSession();

    // Greys the command's button and runs the command, timed at the input
    // event stamped inputTimestamp (0: at once).
    void run(stopwatch::Command command, quint64 inputTimestamp = 0);
    // The same at a counter reading (none: at once).
    void runAt(stopwatch::Command command, stopwatch::Stopwatch::Reading at);
    // Whether the command's button is offered.
    bool offers(stopwatch::Command command) const;

    // StopwatchView
    void setElapsedDisplay(const QString& text) override;
    void setAvailableCommands(const stopwatch::CommandSet& commands) override;
    void appendToLog(const QString& piece) override;
    bool logIsEmpty() const override;
    void focusLogEnd() override;

    // AlarmMenu
    void setAlarmCaption(int slot, const QString& caption) override;
    void setTimerCaption(int slot, const QString& caption) override;

    const stopwatch::Stopwatch& watch() const { return m_watch; }
    const stopwatch::PerformanceCounter& inputEventClock() const
    {
        return m_inputClock.eventClock();
    }
    core::WindowTimer& refreshTimer() { return m_refreshTimer; }
    core::WindowTimer& monitorTimer() { return m_monitorTimer; }
    core::WindowTimer& runSaveTimer() { return m_runSaveTimer; }
    settings::RunKeeper& runKeeper() { return m_runKeeper; }
    alarms::AlarmWindows& alarmWindows() { return m_alarmWindows; }
    about::AboutBox* aboutBox() const { return m_about.loaded(); }
    QMenu* extraMenu() const { return m_extraMenu; }

Q_SIGNALS:
    // Each piece the stopwatch appends to the log strip.
    void logAppended(const QString& piece);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void restorePosition();
    // Brings back a run that did not end by the user's Exit; true if it did.
    // Throws DatabaseError when the file cannot be read.
    bool restoreRun();
    settings::RunRecord currentRun() const;
    void reportStartupProblems(const QStringList& problems);
    void checkDue();
    // The running display refreshes itself from a thread where its field
    // can: woken 66 times a second, the GUI thread's event loop costs twice
    // what the refresh does. Tried once a refresh interval.
    void handDisplayOver();
    void takeDisplayBack();
    // Until the monitor's next tick, half a second after a whole second.
    int untilNextTick() const;

    void buildControls();
    void buildMenus();

    Services m_services;
    const stopwatch::KernelClockCounter m_monotonic{
        stopwatch::KernelClockCounter::Clock::Monotonic};
    const stopwatch::InputClock m_inputClock;
    settings::SettingsWriter m_writer;
    core::WindowTimer m_refreshTimer;
    core::WindowTimer m_monitorTimer;
    stopwatch::Stopwatch m_watch;
    core::WindowTimer m_runSaveTimer;
    settings::RunKeeper m_runKeeper;
    bool m_keepRunAtClose = false;
    // The refresh interval at which the display was last handed over, or
    // failed to be; 0 to try again at the next refresh.
    int m_handOverTried = 0;
    alarms::AlarmStore m_store;
    alarms::AlarmWindows m_alarmWindows;
    widgets::LazyWindow<about::AboutBox> m_about;
    placement::WindowPlacement m_placement;

    widgets::DisplayField* m_clockField = nullptr;
    widgets::DisplayField* m_elapsedField = nullptr;
    stopwatch::LogStrip* m_logStrip = nullptr;
    // Indexed by Command; a button is enabled while its command is offered.
    std::array<widgets::CommandButton*, 5> m_commandButtons{};
    // The time stamp of the key that is being tried as a shortcut, on the
    // platform's input clock: a command key reaches its button as a
    // shortcut, which carries none.
    quint64 m_shortcutKeyStamp = 0;
    std::array<QAction*, 2> m_alarmActions{};
    std::array<QAction*, 2> m_timerActions{};
    QMenu* m_extraMenu = nullptr;
};

} // namespace tikkro::app
