// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stopwatch/PerformanceCounter.h"

#include <atomic>

namespace tikkro::fakes {

// A performance counter that moves only when the test says so. A frequency
// of 10,000,000 reproduces the rounding ties of a 100-nanosecond counter.
// A display refreshing itself reads it from a thread of its own.
class FakeCounter final : public stopwatch::PerformanceCounter
{
public:
    explicit FakeCounter(qint64 frequency = 10'000'000) : m_frequency(frequency) {}
    qint64 ticks() const override { return m_ticks; }
    qint64 frequency() const override { return m_frequency; }

    void set(qint64 ticks) { m_ticks = ticks; }
    void advanceMs(qint64 milliseconds) { m_ticks += milliseconds * m_frequency / 1000; }

private:
    qint64 m_frequency;
    std::atomic<qint64> m_ticks = 1'000'000'000'000; // far from zero, as a real counter is
};

} // namespace tikkro::fakes
