// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/InputClock.h"

#include "core/stopwatch/PerformanceCounter.h"

#include <algorithm>
#include <cmath>

namespace tikkro::stopwatch {

namespace {
constexpr double Wrap32 = 4294967296.0;
} // namespace

InputClock::InputClock(const PerformanceCounter& counter, const PerformanceCounter& eventClock)
    : m_counter(counter), m_eventClock(eventClock)
{}

std::optional<qint64> InputClock::counterAt(quint64 timestampMs) const
{
    if (timestampMs == 0 || m_eventClock.frequency() <= 0) {
        return std::nullopt;
    }
    const qint64 counterNow = m_counter.ticks();
    double nowMs = static_cast<double>(m_eventClock.ticks()) * 1000.0 /
                   static_cast<double>(m_eventClock.frequency());
    // X11 stamps are 32 bits wide and wrap every 49.7 days.
    if (static_cast<double>(timestampMs) < Wrap32 && nowMs >= Wrap32) {
        nowMs = std::fmod(nowMs, Wrap32);
    }
    // The event happened somewhere within its millisecond; its middle is
    // never more than half a millisecond off.
    double waitedMs = nowMs - (static_cast<double>(timestampMs) + 0.5);
    if (waitedMs < 0 && nowMs < static_cast<double>(timestampMs)) {
        waitedMs += Wrap32;
    }
    if (waitedMs < -1.0 || waitedMs > static_cast<double>(MaxWaitMs)) {
        return std::nullopt;
    }
    const double waitedTicks =
        std::max(waitedMs, 0.0) * static_cast<double>(m_counter.frequency()) / 1000.0;
    return counterNow - std::llround(waitedTicks);
}

} // namespace tikkro::stopwatch
