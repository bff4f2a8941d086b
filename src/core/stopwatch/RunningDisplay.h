// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/stopwatch/ElapsedFormat.h"

#include <limits>
#include <span>

namespace tikkro::stopwatch {

// What the display of a running watch shows at any counter reading, until
// the next command or the next, coarser display level: for a display that
// refreshes itself apart from the commands, on a thread of its own. A
// plain value, safe to copy to that thread.
class RunningDisplay
{
public:
    RunningDisplay(qint64 offsetTicks, qint64 frequency, int showLength, qint64 untilMs)
        : m_offsetTicks(offsetTicks), m_frequency(frequency), m_showLength(showLength),
          m_untilMs(untilMs)
    {}

    // Writes the text shown at a reading, as the stopwatch's own refresh
    // shows it, into text; returns its length, 0 from the moment the display
    // coarsens. Allocates nothing, for it runs 66 times a second.
    qsizetype writeAt(qint64 ticks, std::span<char16_t, ElapsedFormat::MaxLength> text) const;

private:
    // Elapsed ticks at a reading, less the reading.
    qint64 m_offsetTicks;
    qint64 m_frequency;
    int m_showLength;
    qint64 m_untilMs = std::numeric_limits<qint64>::max();
};

} // namespace tikkro::stopwatch
