// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

namespace tikkro::stopwatch {

// Turns counter ticks into whole milliseconds and into the text hh:mm:ss.fff.
class ElapsedFormat
{
public:
    // Ticks over frequency, in milliseconds, rounded half to even first to
    // four decimals and then to a whole number: the first step absorbs the
    // floating-point noise of the division, so an exact half tick of a
    // millisecond always lands on the even neighbour. A frequency of zero or
    // less yields 0 rather than dividing by zero.
    static qint64 wholeMilliseconds(qint64 ticks, qint64 frequency);

    // Hours with at least two digits and never wrapped at 24, then minutes,
    // seconds and milliseconds: 00:01:02.345, 25:00:00.000, 100:00:00.000.
    // The display shows the text less the digits its precision level drops:
    // a showLength of 11 shows hundredths, 10 tenths, 8 whole seconds. The
    // cut is taken from the end, so hours of three or more digits still
    // show in full with the level's precision.
    static QString text(qint64 milliseconds, int showLength = FullLength);

    // The longest text, with the most hours a 64-bit count of milliseconds
    // holds, and then some.
    static constexpr qsizetype MaxLength = 32;
    // The same text written into text, without allocating; returns its
    // length.
    static qsizetype write(qint64 milliseconds, int showLength,
                           std::span<char16_t, MaxLength> text);

    // hh:mm:ss.fff with two-digit hours.
    static constexpr int FullLength = 12;
};

} // namespace tikkro::stopwatch
