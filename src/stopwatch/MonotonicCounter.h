// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stopwatch/PerformanceCounter.h"

namespace tikkro::stopwatch {

// Nanoseconds of CLOCK_MONOTONIC: the clock the X server and Wayland
// compositors stamp input events with. It stands still while the machine is
// suspended, so it times input, never the stopwatch.
class MonotonicCounter final : public PerformanceCounter
{
public:
    qint64 ticks() const override;
    qint64 frequency() const override { return 1'000'000'000; }
};

} // namespace tikkro::stopwatch
