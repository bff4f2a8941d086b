// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace tikkro::stopwatch {

// A monotonic signed 64-bit tick count and its fixed number of ticks per
// second: the stopwatch's only time base.
class PerformanceCounter
{
public:
    virtual ~PerformanceCounter() = default;
    virtual qint64 ticks() const = 0;
    virtual qint64 frequency() const = 0;
};

} // namespace tikkro::stopwatch
