// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stopwatch.h"

#include "ElapsedFormat.h"
#include "PerformanceCounter.h"
#include "ui/IntervalTimer.h"
#include "ui/WallClock.h"

#include <QDateTime>

namespace tikkro::stopwatch {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
const QString ResetDisplay = QStringLiteral("00:00:00.000");

constexpr CommandSet ReadyCommands{.start = true};
constexpr CommandSet RunningCommands{.lap = true, .pause = true};
constexpr CommandSet RunningAfterLapCommands{.lap = true, .pause = true, .reset = true};
constexpr CommandSet PausedCommands{.resume = true, .reset = true};
} // namespace

Stopwatch::Stopwatch(const PerformanceCounter& counter, const ui::WallClock& clock,
                     ui::IntervalTimer& timer1, StopwatchView& view)
    : m_counter(counter), m_clock(clock), m_timer1(timer1), m_view(view)
{}

void Stopwatch::ReadFrequency()
{
    CntFreq = m_counter.frequency();
}

void Stopwatch::ShowElapsed()
{
    switch (WatchState) {
    case wsStarted:
    case wsRunning:
    case wsReset:
        CntElapsed = (CntAccum + CntNow) - CntStart;
        break;
    case wsPaused:
        CntElapsed = CntAccum;
        break;
    case wsLap:
        CntElapsed = (CntAccum + CntMark) - CntStart;
        WatchState = wsRunning;
        break;
    default:
        break;
    }

    ElapsedText = ElapsedFormat::text(ElapsedFormat::wholeMilliseconds(CntElapsed, CntFreq));

    // The display coarsens after one minute and again after five, and the
    // refresh slows to match; it never becomes finer again until Reset.
    if (ShowLen > 8 && ElapsedText > QLatin1String("00:01")) {
        if (ElapsedText > QLatin1String("00:05")) {
            ShowLen = 8;
            TickMs = 500;
        } else {
            ShowLen = 10;
            TickMs = 100;
        }
        if (m_timer1.interval() >= 1) {
            m_timer1.setInterval(TickMs);
        }
    }

    m_view.setElapsedDisplay(ElapsedFormat::shortened(ElapsedText, ShowLen));
}

void Stopwatch::Timer1_Timer()
{
    if (m_timer1.interval() == 0) {
        return;
    }
    CntNow = m_counter.ticks();
    ShowElapsed();
}

void Stopwatch::DoStart()
{
    CntStart = m_counter.ticks();
    const QDateTime now = m_clock.now();
    CntAccum = 0;
    WatchState = wsStarted;
    m_timer1.setInterval(TickMs);
    m_view.setAvailableCommands(RunningCommands);
    m_view.appendToLog(now.toString(QStringLiteral("dd.MM.yyyy  HH:mm:ss ")) +
                       QStringLiteral(" Date/Time started") + LineEnd);
    m_view.appendToLog(QStringLiteral("00:00:00.000   Start") + LineEnd);
    m_view.focusLogEnd();
}

void Stopwatch::DoPause()
{
    CntMark = m_counter.ticks();
    m_timer1.setInterval(0);
    CntAccum = CntAccum + (CntMark - CntStart);
    WatchState = wsPaused;
    ShowElapsed();
    m_view.setAvailableCommands(PausedCommands);
    m_view.appendToLog(ElapsedText + QStringLiteral("   Pause") + LineEnd);
    m_view.focusLogEnd();
}

void Stopwatch::DoResume()
{
    if (WatchState == wsPaused) {
        CntStart = m_counter.ticks();
        const QDateTime now = m_clock.now();
        m_view.appendToLog(LineEnd + now.toString(QStringLiteral("HH:mm:ss  ")) +
                           QStringLiteral("        Res'Time") + LineEnd);
    }
    WatchState = wsRunning;
    m_timer1.setInterval(TickMs);
    m_view.setAvailableCommands(RunningCommands);
    m_view.focusLogEnd();
}

void Stopwatch::DoLap()
{
    CntMark = m_counter.ticks();
    m_timer1.setInterval(0);
    WatchState = wsLap;
    ShowElapsed();
    m_view.appendToLog(ElapsedText + QStringLiteral("   Lap") + LineEnd);
    m_timer1.setInterval(TickMs);
    m_view.setAvailableCommands(RunningAfterLapCommands);
    m_view.focusLogEnd();
}

void Stopwatch::DoReset()
{
    m_timer1.setInterval(0);
    CntAccum = 0;
    WatchState = wsReset;
    ShowLen = 11;
    TickMs = 15;
    m_view.setElapsedDisplay(ResetDisplay);
    m_view.setAvailableCommands(ReadyCommands);
    ElapsedText.clear();
    if (!m_view.logIsEmpty()) {
        m_view.appendToLog(LineEnd);
    }
    m_view.focusLogEnd();
}

} // namespace tikkro::stopwatch
