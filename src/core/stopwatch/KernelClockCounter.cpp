// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/KernelClockCounter.h"

#include <ctime>

namespace tikkro::stopwatch {

qint64 KernelClockCounter::ticks() const
{
    timespec now{};
    clock_gettime(m_clock == Clock::BootTime ? CLOCK_BOOTTIME : CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace tikkro::stopwatch
