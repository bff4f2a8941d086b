// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/IntervalTimer.h"

#include <QList>

namespace tikkro::fakes {

// A window timer that never ticks by itself and remembers every interval set.
class FakeIntervalTimer final : public core::IntervalTimer
{
public:
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds;
        history.append(milliseconds);
    }

    QList<int> history;

private:
    int m_interval = 0;
};

} // namespace tikkro::fakes
