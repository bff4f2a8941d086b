// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stopwatch/PerformanceCounter.h"

namespace tikkro::stopwatch {

// Nanoseconds of one of the kernel's clocks.
class KernelClockCounter final : public PerformanceCounter
{
public:
    enum class Clock
    {
        // CLOCK_BOOTTIME keeps counting while the machine is suspended, so a
        // watch left running over a suspended lunch break still shows the
        // whole break: the stopwatch's time base.
        BootTime,
        // CLOCK_MONOTONIC is the clock the X server and Wayland compositors
        // stamp input events with. It stands still while the machine is
        // suspended, so it times input, never the stopwatch.
        Monotonic,
    };

    explicit KernelClockCounter(Clock clock) : m_clock(clock) {}

    qint64 ticks() const override;
    qint64 frequency() const override { return 1'000'000'000; }
    Clock clock() const { return m_clock; }

private:
    Clock m_clock;
};

} // namespace tikkro::stopwatch
