// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StopwatchView.h"

#include <QString>

namespace tikkro::ui {
class IntervalTimer;
class WallClock;
} // namespace tikkro::ui

namespace tikkro::stopwatch {

class PerformanceCounter;

// The stopwatch: counter readings, pause accounting, the elapsed-time display
// and its refresh levels, and the five commands with their log lines.
// Every shown and logged value is computed afresh from counter readings, so
// how punctually the refresh timer ticks never changes a time.
class Stopwatch
{
public:
    enum State : qint16
    {
        wsStarted = 1,
        wsPaused = 2,
        wsRunning = 3,
        wsLap = 4,
        wsReset = 5,
    };

    Stopwatch(const PerformanceCounter& counter, const ui::WallClock& clock,
              ui::IntervalTimer& timer1, StopwatchView& view);

    void ReadFrequency();
    void DoStart();
    void DoPause();
    void DoResume();
    void DoLap();
    void DoReset();
    void Timer1_Timer();
    void ShowElapsed();

    qint64 CntFreq = 0;
    qint64 CntStart = 0;
    qint64 CntNow = 0;
    qint64 CntMark = 0;
    qint64 CntAccum = 0;
    qint64 CntElapsed = 0;
    qint16 WatchState = wsReset;
    QString ElapsedText;
    qint16 ShowLen = 11;
    qint16 TickMs = 15;

private:
    const PerformanceCounter& m_counter;
    const ui::WallClock& m_clock;
    ui::IntervalTimer& m_timer1;
    StopwatchView& m_view;
};

} // namespace tikkro::stopwatch
