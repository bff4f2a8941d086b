// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SetEditDialog.h"

namespace tikkro::alarms {

// The Set/Edit Alarm dialog: names one of the two alarms and sets the date
// and time at which it rings, arms it, or disarms it and shows the present
// time. It works on the alarm the main window's menu chose (CurrentAlarm)
// and fills itself from that alarm each time the user comes to it from
// another window of the program. Fields by index: 0 second, 1 minute,
// 2 hour, 3 day, 4 month, 5 year.
class frmInputAlarm : public SetEditDialog
{
    Q_OBJECT
public:
    frmInputAlarm(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                  ui::MessageService& messages, QWidget* parent = nullptr);

    void Form_Activate() override;
    void Command2_Click() override; // Set
    void Command3_Click() override; // Now
};

} // namespace tikkro::alarms
