// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SetEditDialog.h"

#include <array>

namespace tikkro::alarms {

// The Set/Edit Timer dialog: names one of the two countdown timers, sets its
// length, starts and stops it, and counts the running one down with a small
// turning stopwatch. It works on the timer the main window's menu chose
// (CurrentTimer), read afresh at every use, and fills itself from that timer
// each time the user comes to it from another window of the program. Fields
// by index: 0 seconds, 1 minutes, 2 hours.
class frmInputCount : public SetEditDialog
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 200;

    frmInputCount(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, ui::WallClock& clock,
                  ui::MessageService& messages, QWidget* parent = nullptr);

    void Form_Activate() override;
    void Command2_Click() override; // Set
    void Command3_Click() override; // Reset
    void Timer2_Timer();

    ui::ImageWidget* TI(int frame) const { return m_ti.at(frame); }
    ui::WindowTimer* Timer2() const { return m_timer2; }
    int AnimFrame() const { return m_animFrame; }

protected:
    void stopTimers() override;

private:
    void showRemaining(double due, double now);

    std::array<ui::ImageWidget*, 8> m_ti{};
    ui::WindowTimer* m_timer2;
    int m_animFrame = 0;
};

} // namespace tikkro::alarms
