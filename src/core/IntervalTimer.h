// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tikkro::core {

// A window timer reduced to its interval: 0 means stopped, and setting a
// non-zero interval starts the timer or restarts its count.
class IntervalTimer
{
public:
    virtual ~IntervalTimer() = default;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
};

} // namespace tikkro::core
