// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stopwatch/RunningDisplay.h"

namespace tikkro::stopwatch {

qsizetype RunningDisplay::writeAt(qint64 ticks,
                                  std::span<char16_t, ElapsedFormat::MaxLength> text) const
{
    const qint64 milliseconds =
        ElapsedFormat::wholeMilliseconds(m_offsetTicks + ticks, m_frequency);
    if (milliseconds >= m_untilMs) {
        return 0;
    }
    return ElapsedFormat::write(milliseconds, m_showLength, text);
}

} // namespace tikkro::stopwatch
