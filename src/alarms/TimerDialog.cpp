// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/TimerDialog.h"

#include "alarms/AlarmArt.h"
#include "core/WallClock.h"
#include "core/WindowTimer.h"
#include "core/alarms/AlarmSlots.h"
#include "core/alarms/Countdown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace tikkro::alarms {

TimerDialog::TimerDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                         core::WallClock& clock, desktop::MessageService& messages, QWidget* parent)
    : SlotDialog({slots, store, menu, clock, messages}, tr("Set/Edit Timer"), parent),
      m_animation(new QLabel(this)), m_countdownTimer(new core::WindowTimer(this))
{
    m_animation->setObjectName(QStringLiteral("animation"));
    m_animation->setAccessibleName(tr("Countdown animation"));
    showFrame(0);
    // Hours, minutes, seconds from left to right, each with room for a typed
    // three-digit value such as 150 minutes. The hours spin up to 24, so
    // countdowns of up to 24:59:59 can be spun in.
    build({tr("Timer name:"), tr("Timer name"), tr("Time value:"), tr("&Reset")},
          {{tr("hh"), tr("Hours"), 2, {25, 0, 0, 2}, 3},
           {tr("mm"), tr("Minutes"), 1, {60, 0, 0, 2}, 3},
           {tr("ss"), tr("Seconds"), 0, {60, 0, 0, 2}, 3}},
          {3, {9, 9}, 23, 5}, m_animation);
    connect(m_countdownTimer, &core::WindowTimer::tick, this, &TimerDialog::refreshCountdown);
}

void TimerDialog::stopTimers()
{
    m_countdownTimer->setInterval(0);
}

void TimerDialog::showRemaining(const AlarmSlot& timer)
{
    const Countdown remaining = Countdown::remaining(timer, clock().now().toMSecsSinceEpoch());
    field(0)->setNumber(remaining.seconds);
    field(1)->setNumber(remaining.minutes);
    field(2)->setNumber(remaining.hours);
}

void TimerDialog::showFrame(int frame)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(QSize(AlarmArt::FrameWidth, AlarmArt::FrameHeight) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    AlarmArt::paintStopwatch(painter, QRectF(0, 0, AlarmArt::FrameWidth, AlarmArt::FrameHeight),
                             frame);
    painter.end();
    m_animation->setPixmap(picture);
}

void TimerDialog::resetFields()
{
    for (int k = 0; k < fieldCount(); ++k) {
        field(k)->setNumber(0);
    }
}

void TimerDialog::refill()
{
    reportingFailures(tr("Set Timer"), [this] {
        const int k = slots().currentTimer;
        const AlarmSlot& slot = slots().timers.at(k);
        nameField()->setText(slot.name.isEmpty() ? tr("Timer %1").arg(k + 1) : slot.name);
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
    reportingFailures(tr("Set Timer %1").arg(k + 1), [this, k] {
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
    reportingFailures(tr("Set Timer"), [this, k, &shown] {
        showRemaining(slots().timers.at(k));
        shown = true;
    });
    if (!shown) {
        // Reported once, not five times a second.
        m_countdownTimer->setInterval(0);
        return;
    }
    m_currentFrame = (m_currentFrame + 1) % AlarmArt::FrameCount;
    showFrame(m_currentFrame);
}

} // namespace tikkro::alarms
