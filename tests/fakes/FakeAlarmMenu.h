// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/alarms/AlarmMenu.h"

#include <array>

namespace tikkro::fakes {

// The four alarm and timer menu items, starting with their design-time
// captions.
class FakeAlarmMenu final : public alarms::AlarmMenu
{
public:
    void setAlarmCaption(int slot, const QString& caption) override
    {
        alarmCaptions.at(static_cast<std::size_t>(slot)) = caption;
        ++changes;
    }
    void setTimerCaption(int slot, const QString& caption) override
    {
        timerCaptions.at(static_cast<std::size_t>(slot)) = caption;
        ++changes;
    }

    std::array<QString, 2> alarmCaptions{QStringLiteral("Alarm&1"), QStringLiteral("Alarm&2")};
    std::array<QString, 2> timerCaptions{QStringLiteral("Timer&1"), QStringLiteral("Timer&2")};
    int changes = 0;
};

} // namespace tikkro::fakes
