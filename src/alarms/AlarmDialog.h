// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SlotDialog.h"

namespace tikkro::alarms {

// The Set/Edit Alarm dialog: names one of the two alarms and sets the date
// and time at which it rings, arms it, or disarms it and shows the present
// time. It works on the alarm the main window's menu chose and fills itself
// from that alarm each time the user comes to it from another window of the
// program. Fields by index: 0 second, 1 minute, 2 hour, 3 day, 4 month,
// 5 year.
class AlarmDialog : public SlotDialog
{
    Q_OBJECT
public:
    AlarmDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, core::WallClock& clock,
                desktop::MessageService& messages, QWidget* parent = nullptr);

    void refill() override;
    void set() override;
    // Disarms the alarm and shows the present time.
    void disarm() override;
};

} // namespace tikkro::alarms
