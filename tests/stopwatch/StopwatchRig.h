// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stopwatch/Stopwatch.h"
#include "fakes/FakeCounter.h"
#include "fakes/FakeIntervalTimer.h"
#include "fakes/FakeWallClock.h"

#include "TestSupport.h"

namespace tikkro::testing {

// A stopwatch on fake time, ready as after start-up, with a view that keeps
// the display and the log strip.
struct StopwatchRig final : stopwatch::StopwatchView
{
    explicit StopwatchRig(qint64 frequency = 10'000'000) : counter(frequency)
    {
        watch.readFrequency();
        watch.reset();
    }
    void setElapsedDisplay(const QString& text) override { display = text; }
    void setAvailableCommands(const stopwatch::CommandSet&) override {}
    void appendToLog(const QString& piece) override { log += piece; }
    bool logIsEmpty() const override { return log.isEmpty(); }
    void focusLogEnd() override {}

    void tickAfterMs(qint64 ms)
    {
        counter.advanceMs(ms);
        watch.refresh();
    }

    QString display;
    QString log;
    fakes::FakeCounter counter;
    fakes::FakeWallClock clock;
    fakes::FakeIntervalTimer timer;
    stopwatch::Stopwatch watch{counter, clock, timer, *this};
};

} // namespace tikkro::testing
