// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/Stopwatch.h"

#include "core/IntervalTimer.h"
#include "core/WallClock.h"
#include "core/stopwatch/ElapsedFormat.h"
#include "core/stopwatch/PerformanceCounter.h"

#include <QDateTime>

#include <algorithm>
#include <array>

namespace tikkro::stopwatch {

namespace {
const QString LineEnd = QStringLiteral("\n");
const QString ResetDisplay = QStringLiteral("00:00:00.000");

constexpr CommandSet ReadyCommands{.start = true};
constexpr CommandSet RunningCommands{.lap = true, .pause = true};
constexpr CommandSet RunningAfterLapCommands{.lap = true, .pause = true, .reset = true};
constexpr CommandSet PausedCommands{.resume = true, .reset = true};

// How finely the display shows a running time and how often it refreshes,
// from the elapsed time on which each level holds, finest first.
struct DisplayLevel
{
    qint64 fromMs;
    int showLength; // characters of hh:mm:ss.fff shown
    int refreshMs;
};
constexpr std::array<DisplayLevel, 3> DisplayLevels{{
    {0, 11, 15},       // hundredths
    {60'000, 10, 100}, // tenths from one minute
    {300'000, 8, 500}, // whole seconds from five minutes
}};
} // namespace

Stopwatch::Stopwatch(const PerformanceCounter& counter, const core::WallClock& clock,
                     core::IntervalTimer& refreshTimer, StopwatchView& view)
    : m_counter(counter), m_clock(clock), m_refreshTimer(refreshTimer), m_view(view)
{}

int Stopwatch::refreshInterval() const
{
    return DisplayLevels.at(m_level).refreshMs;
}

void Stopwatch::readFrequency()
{
    m_frequency = m_counter.frequency();
}

void Stopwatch::showElapsed()
{
    switch (m_state) {
    case State::Started:
    case State::Running:
    case State::Reset:
        m_elapsedTicks = (m_accumulatedTicks + m_nowTicks) - m_startTicks;
        break;
    case State::Paused:
        m_elapsedTicks = m_accumulatedTicks;
        break;
    case State::Lap:
        m_elapsedTicks = (m_accumulatedTicks + m_markTicks) - m_startTicks;
        m_state = State::Running;
        break;
    }

    const qint64 milliseconds = ElapsedFormat::wholeMilliseconds(m_elapsedTicks, m_frequency);
    m_shownMs = milliseconds;

    // The display coarsens as the time grows, and the refresh slows to
    // match; it never becomes finer again until Reset.
    std::size_t level = m_level;
    while (level + 1 < DisplayLevels.size() && milliseconds >= DisplayLevels.at(level + 1).fromMs) {
        ++level;
    }
    if (level != m_level) {
        m_level = level;
        if (m_refreshTimer.interval() >= 1) {
            m_refreshTimer.setInterval(refreshInterval());
        }
    }

    m_view.setElapsedDisplay(
        ElapsedFormat::text(milliseconds, DisplayLevels.at(m_level).showLength));
}

void Stopwatch::refresh()
{
    if (m_refreshTimer.interval() == 0) {
        return;
    }
    m_nowTicks = m_counter.ticks();
    showElapsed();
}

std::optional<RunningDisplay> Stopwatch::runningDisplay() const
{
    if ((m_state != State::Started && m_state != State::Running) ||
        m_refreshTimer.interval() == 0) {
        return std::nullopt;
    }
    const std::size_t next = m_level + 1;
    return RunningDisplay(m_accumulatedTicks - m_startTicks, m_frequency,
                          DisplayLevels.at(m_level).showLength,
                          next < DisplayLevels.size() ? DisplayLevels.at(next).fromMs
                                                      : std::numeric_limits<qint64>::max());
}

QString Stopwatch::elapsedText() const
{
    return m_shownMs ? ElapsedFormat::text(*m_shownMs) : QString();
}

qint64 Stopwatch::elapsedMilliseconds() const
{
    qint64 ticks = m_accumulatedTicks;
    if (m_state == State::Reset) {
        ticks = 0;
    } else if (m_state != State::Paused) {
        ticks += m_counter.ticks() - m_startTicks;
    }
    return ElapsedFormat::wholeMilliseconds(ticks, m_frequency);
}

qint64 Stopwatch::commandTicks(Reading at)
{
    m_lastCommandTicks = std::max(at ? *at : m_counter.ticks(), m_lastCommandTicks);
    return m_lastCommandTicks;
}

QDateTime Stopwatch::wallClockAt(qint64 ticks) const
{
    const QDateTime now = m_clock.now();
    const qint64 lag = m_counter.ticks() - ticks;
    if (lag <= 0 || m_frequency <= 0) {
        return now;
    }
    return now.addMSecs(-(lag * 1000 / m_frequency));
}

void Stopwatch::run(Command command, Reading at)
{
    switch (command) {
    case Command::Start:
        start(at);
        break;
    case Command::Lap:
        lap(at);
        break;
    case Command::Resume:
        resume(at);
        break;
    case Command::Pause:
        pause(at);
        break;
    case Command::Reset:
        reset();
        break;
    }
}

void Stopwatch::restore(State state, qint64 elapsedMs, const QDateTime& startedAt,
                        const QDateTime& endedAt)
{
    // A reset watch stays as it is.
    if (state == State::Paused || state == State::Running) {
        m_startedAt = startedAt;
        m_accumulatedTicks = elapsedMs * m_frequency / 1000;
        m_startTicks = commandTicks(std::nullopt);
        m_nowTicks = m_startTicks;
        m_state = state == State::Paused ? State::Paused : State::Running;
        showElapsed();
        if (m_state == State::Running) {
            m_refreshTimer.setInterval(refreshInterval());
        }
        m_view.setAvailableCommands(m_state == State::Running ? RunningCommands : PausedCommands);
    }
    m_view.appendToLog(endedAt.toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss ")) +
                       QStringLiteral(" Date/Time ended, run restored") + LineEnd);
    m_view.focusLogEnd();
}

void Stopwatch::start(Reading at)
{
    m_startTicks = commandTicks(at);
    const QDateTime now = wallClockAt(m_startTicks);
    m_startedAt = now;
    m_accumulatedTicks = 0;
    m_state = State::Started;
    m_refreshTimer.setInterval(refreshInterval());
    m_view.setAvailableCommands(RunningCommands);
    m_view.appendToLog(now.toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss ")) +
                       QStringLiteral(" Date/Time started") + LineEnd);
    m_view.appendToLog(QStringLiteral("00:00:00.000   Start") + LineEnd);
    m_view.focusLogEnd();
}

void Stopwatch::pause(Reading at)
{
    m_markTicks = commandTicks(at);
    m_refreshTimer.setInterval(0);
    m_accumulatedTicks = m_accumulatedTicks + (m_markTicks - m_startTicks);
    m_state = State::Paused;
    showElapsed();
    m_view.setAvailableCommands(PausedCommands);
    m_view.appendToLog(elapsedText() + QStringLiteral("   Pause") + LineEnd);
    m_view.focusLogEnd();
}

void Stopwatch::resume(Reading at)
{
    if (m_state == State::Paused) {
        m_startTicks = commandTicks(at);
        const QDateTime now = wallClockAt(m_startTicks);
        m_view.appendToLog(LineEnd + now.toString(QStringLiteral("HH:mm:ss  ")) +
                           QStringLiteral("        Res'Time") + LineEnd);
    }
    m_state = State::Running;
    m_refreshTimer.setInterval(refreshInterval());
    m_view.setAvailableCommands(RunningCommands);
    m_view.focusLogEnd();
}

void Stopwatch::lap(Reading at)
{
    m_markTicks = commandTicks(at);
    m_refreshTimer.setInterval(0);
    m_state = State::Lap;
    showElapsed();
    m_view.appendToLog(elapsedText() + QStringLiteral("   Lap") + LineEnd);
    m_refreshTimer.setInterval(refreshInterval());
    m_view.setAvailableCommands(RunningAfterLapCommands);
    m_view.focusLogEnd();
}

void Stopwatch::reset()
{
    m_refreshTimer.setInterval(0);
    m_accumulatedTicks = 0;
    m_state = State::Reset;
    m_startedAt = QDateTime();
    m_level = 0;
    m_view.setElapsedDisplay(ResetDisplay);
    m_view.setAvailableCommands(ReadyCommands);
    m_shownMs.reset();
    if (!m_view.logIsEmpty()) {
        m_view.appendToLog(LineEnd);
    }
    m_view.focusLogEnd();
}

} // namespace tikkro::stopwatch
