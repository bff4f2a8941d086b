// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

namespace tikkro::stopwatch {

class PerformanceCounter;

// When a click or key happened, on the stopwatch's counter. The platform
// stamps each input event with the millisecond it happened on its own clock
// (CLOCK_MONOTONIC under X11 and Wayland, cut to 32 bits under X11); the
// distance from that stamp to now tells how long the event waited behind a
// busy window, and the counter reading that long ago is the moment of the
// command.
class InputClock
{
public:
    // An event that seems to have waited longer than this was stamped on
    // some other clock (a synthetic event, an unusual platform): its
    // command reads the counter when it runs.
    static constexpr qint64 MaxWaitMs = 60'000;

    InputClock(const PerformanceCounter& counter, const PerformanceCounter& eventClock);

    // The counter reading at the moment of an event stamped timestampMs,
    // or nothing when the stamp cannot be placed: 0 (no stamp), later than
    // now, or further back than MaxWaitMs.
    std::optional<qint64> counterAt(quint64 timestampMs) const;

    const PerformanceCounter& eventClock() const { return m_eventClock; }

private:
    const PerformanceCounter& m_counter;
    const PerformanceCounter& m_eventClock;
};

} // namespace tikkro::stopwatch
