// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stopwatch/RunningDisplay.h"
#include "core/stopwatch/StopwatchView.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <limits>
#include <optional>

namespace tikkro::core {
class IntervalTimer;
class WallClock;
} // namespace tikkro::core

namespace tikkro::stopwatch {

class PerformanceCounter;

// The stopwatch: counter readings, pause accounting, the elapsed-time display
// and its refresh levels, and the five commands with their log lines.
// Every shown and logged value is computed afresh from counter readings, so
// how punctually the refresh timer ticks never changes a time.
class Stopwatch
{
public:
    enum class State
    {
        Started,
        Paused,
        Running,
        // A Lap was just taken; the next refresh shows the lap's time once
        // and then runs on.
        Lap,
        Reset,
    };

    Stopwatch(const PerformanceCounter& counter, const core::WallClock& clock,
              core::IntervalTimer& refreshTimer, StopwatchView& view);

    // A command's counter reading: the moment the click or key that gave
    // it happened, where that is known. Without one, the command reads the
    // counter itself.
    using Reading = std::optional<qint64>;

    // Reads the counter's ticks per second; done once at start-up.
    void readFrequency();

    void start(Reading at);
    void pause(Reading at);
    void resume(Reading at);
    void lap(Reading at);
    void start() { start(std::nullopt); }
    void pause() { pause(std::nullopt); }
    void resume() { resume(std::nullopt); }
    void lap() { lap(std::nullopt); }
    void reset();

    // The command, at the moment given; Reset reads no counter.
    void run(Command command, Reading at = std::nullopt);

    // One tick of the refresh timer: reads the counter and shows the time.
    void refresh();

    // On the reset watch of a start: takes up a run the program kept when
    // it last ended, Reset, Paused or Running (counting on from elapsedMs),
    // and logs that the run, which ended at endedAt, is back.
    void restore(State state, qint64 elapsedMs, const QDateTime& startedAt,
                 const QDateTime& endedAt);

    State state() const { return m_state; }
    // The elapsed time at this moment, read afresh from the counter.
    qint64 elapsedMilliseconds() const;
    // The full hh:mm:ss.fff of the last time shown; empty after Reset.
    QString elapsedText() const;
    // The refresh interval for the present precision level: 15, 100 or
    // 500 ms.
    int refreshInterval() const;
    // What the display shows from now until the next command or level, for
    // a display that refreshes itself; none unless the watch runs with its
    // refresh due, and none while a lap's time waits to be shown.
    std::optional<RunningDisplay> runningDisplay() const;
    // The moment the run's header shows; invalid after Reset.
    QDateTime startedAt() const { return m_startedAt; }

private:
    void showElapsed();
    // The reading a command goes by: never before the last command's, so
    // that times in the log never run backwards.
    qint64 commandTicks(Reading at);
    // The wall-clock time at a reading taken no later than now.
    QDateTime wallClockAt(qint64 ticks) const;

    const PerformanceCounter& m_counter;
    const core::WallClock& m_clock;
    core::IntervalTimer& m_refreshTimer;
    StopwatchView& m_view;

    qint64 m_frequency = 0;
    qint64 m_startTicks = 0;
    qint64 m_nowTicks = 0;
    qint64 m_markTicks = 0;
    // Ticks run before the last Pause, summed over the run.
    qint64 m_accumulatedTicks = 0;
    qint64 m_elapsedTicks = 0;
    qint64 m_lastCommandTicks = std::numeric_limits<qint64>::min();
    State m_state = State::Reset;
    // The elapsed time last shown, in whole milliseconds; none after Reset.
    std::optional<qint64> m_shownMs;
    QDateTime m_startedAt;
    // The display level reached in this run, into the table of levels.
    std::size_t m_level = 0;
};

} // namespace tikkro::stopwatch
