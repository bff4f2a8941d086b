// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IntervalTimer.h"

namespace tikkro::fakes {

// A window timer that never ticks by itself.
class FakeIntervalTimer final : public core::IntervalTimer
{
public:
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override { m_interval = milliseconds; }

private:
    int m_interval = 0;
};

} // namespace tikkro::fakes
