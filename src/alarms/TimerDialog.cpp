// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/TimerDialog.h"

#include "alarms/AlarmArt.h"
#include "alarms/AlarmSlots.h"
#include "alarms/Countdown.h"
#include "alarms/DigitField.h"
#include "ui/ImageWidget.h"
#include "ui/Twips.h"
#include "ui/WallClock.h"
#include "ui/WindowTimer.h"

#include <QLineEdit>
#include <QPushButton>

namespace tikkro::alarms {

TimerDialog::TimerDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                         ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : SlotDialog({slots, store, menu, clock, messages}, QStringLiteral("Set/Edit Timer"),
                 QStringLiteral("&Reset"), parent),
      m_countdownTimer(new ui::WindowTimer(this))
{
    setFixedSize(ui::twipsSize(4410, 1665));

    nameField()->setGeometry(ui::twipsRect(1320, 120, 2970, 315));
    nameField()->setAccessibleName(QStringLiteral("Timer name"));
    addLabel(QStringLiteral("Timer name:"), ui::twipsRect(120, 120, 1185, 315), nameField());

    // Hours, minutes, seconds from left to right. The hours spin up to 24,
    // so countdowns of up to 24:59:59 can be spun in.
    addFields({{"ss", "Seconds", 2820, 450, SpinRule{60, 0, 0, 2}},
               {"mm", "Minutes", 2070, 450, SpinRule{60, 0, 0, 2}},
               {"hh", "Hours", 1320, 450, SpinRule{25, 0, 0, 2}}},
              {2, 1, 0});
    addLabel(QStringLiteral("Time value:"), ui::twipsRect(120, 720, 1185, 315), field(2));

    // The animation frames lie on one spot; one is visible at a time.
    for (int frame = 0; frame < AlarmArt::FrameCount; ++frame) {
        auto* image = new ui::ImageWidget(
            [frame](QPainter& painter, const QRectF& area) {
                AlarmArt::paintStopwatch(painter, area, frame);
            },
            this);
        image->setGeometry(ui::twipsRect(3780, 600, 435, 480));
        image->setAccessibleName(QStringLiteral("Countdown animation"));
        image->setVisible(frame == 0);
        m_frames.at(frame) = image;
    }

    disarmButton()->setGeometry(ui::twipsRect(120, 1200, 1300, 345));
    setButton()->setGeometry(ui::twipsRect(1555, 1200, 1300, 345));
    closeButton()->setGeometry(ui::twipsRect(2990, 1200, 1300, 345));

    connect(m_countdownTimer, &ui::WindowTimer::tick, this, &TimerDialog::refreshCountdown);
}

void TimerDialog::stopTimers()
{
    SlotDialog::stopTimers();
    m_countdownTimer->setInterval(0);
}

void TimerDialog::showRemaining(const AlarmSlot& timer)
{
    const Countdown remaining = Countdown::remaining(timer, clock().now().toMSecsSinceEpoch());
    field(0)->fill(remaining.secondsText());
    field(1)->fill(remaining.minutesText());
    field(2)->fill(remaining.hoursText());
}

void TimerDialog::resetFields()
{
    for (int k = 0; k < fieldCount(); ++k) {
        field(k)->fill(QStringLiteral("00"));
    }
}

void TimerDialog::refill()
{
    reportingFailures(QStringLiteral("Set Timer"), [this] {
        const int k = slots().currentTimer;
        const AlarmSlot& slot = slots().timers.at(k);
        nameField()->setText(slot.name.isEmpty() ? QStringLiteral("Timer %1").arg(k + 1)
                                                 : slot.name);
        if (slot.active) {
            showRemaining(slot);
            m_countdownTimer->setInterval(RefreshMs);
        } else {
            disarm();
            m_countdownTimer->setInterval(0);
        }
    });
}

void TimerDialog::set()
{
    const int k = slots().currentTimer;
    reportingFailures(QStringLiteral("Set Timer %1").arg(k + 1), [this, k] {
        setter().setTimer(k, nameField()->text(),
                          {field(2)->text(), field(1)->text(), field(0)->text()}, clock().now());
    });
    // An armed timer counts down even when it could not be stored.
    if (AlarmSlots::isSlotNumber(k) && slots().timers.at(k).active) {
        m_countdownTimer->setInterval(RefreshMs);
    }
}

void TimerDialog::disarm()
{
    const int k = slots().currentTimer;
    if (AlarmSlots::isSlotNumber(k)) {
        slots().timers.at(k).active = false;
    }
    resetFields();
}

void TimerDialog::refreshCountdown()
{
    const int k = slots().currentTimer;
    if (!AlarmSlots::isSlotNumber(k) || !slots().timers.at(k).active) {
        // Stopped by Reset or fired by the monitor: the animation stands
        // still on its frame.
        resetFields();
        m_countdownTimer->setInterval(0);
        return;
    }
    bool shown = false;
    reportingFailures(QStringLiteral("Set Timer"), [this, k, &shown] {
        showRemaining(slots().timers.at(k));
        shown = true;
    });
    if (!shown) {
        // Reported once, not five times a second.
        m_countdownTimer->setInterval(0);
        return;
    }
    m_frames.at(m_currentFrame)->hide();
    m_currentFrame = (m_currentFrame + 1) % AlarmArt::FrameCount;
    m_frames.at(m_currentFrame)->show();
}

} // namespace tikkro::alarms
