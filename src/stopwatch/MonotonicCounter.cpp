// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopwatch/MonotonicCounter.h"

#include <ctime>

namespace tikkro::stopwatch {

qint64 MonotonicCounter::ticks() const
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace tikkro::stopwatch
