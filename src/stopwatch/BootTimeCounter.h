// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stopwatch/PerformanceCounter.h"

namespace tikkro::stopwatch {

// Nanoseconds of CLOCK_BOOTTIME. Unlike CLOCK_MONOTONIC it keeps counting
// while the machine is suspended, so a watch left running over a suspended
// lunch break still shows the whole break.
class BootTimeCounter final : public PerformanceCounter
{
public:
    qint64 ticks() const override;
    qint64 frequency() const override { return 1'000'000'000; }
};

} // namespace tikkro::stopwatch
