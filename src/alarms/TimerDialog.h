// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/SlotDialog.h"

class QLabel;

namespace tikkro::core {
class WindowTimer;
} // namespace tikkro::core

namespace tikkro::alarms {

struct AlarmSlot;

// The Set/Edit Timer dialog: names one of the two countdown timers, sets its
// length, starts and stops it, and counts the running one down with a small
// turning stopwatch. It works on the timer the main window's menu chose,
// read afresh at every use, and fills itself from that timer each time the
// user comes to it from another window of the program. Fields by index:
// 0 seconds, 1 minutes, 2 hours.
class TimerDialog : public SlotDialog
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 200;

    TimerDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu, core::WallClock& clock,
                desktop::MessageService& messages, QWidget* parent = nullptr);

    void refill() override;
    void set() override;
    // Stops the countdown and sets the fields to zero.
    void disarm() override;

    core::WindowTimer* countdownTimer() const { return m_countdownTimer; }
    int currentFrame() const { return m_currentFrame; }

protected:
    void stopTimers() override;

private:
    // One tick of the countdown: the remaining time and the next frame.
    void refreshCountdown();
    void showRemaining(const AlarmSlot& timer);
    void showFrame(int frame);
    void resetFields();

    QLabel* m_animation;
    core::WindowTimer* m_countdownTimer;
    int m_currentFrame = 0;
};

} // namespace tikkro::alarms
