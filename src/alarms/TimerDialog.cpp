// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/frmInputCount.h"

#include "alarms/AlarmArt.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "alarms/AlarmStore.h"
#include "alarms/Countdown.h"
#include "alarms/DigitField.h"
#include "alarms/InputError.h"
#include "alarms/WholeNumber.h"
#include "settings/OleDate.h"
#include "ui/ImageWidget.h"
#include "ui/Twips.h"
#include "ui/WallClock.h"
#include "ui/WindowTimer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tikkro::alarms {

frmInputCount::frmInputCount(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                             ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : SetEditDialog({slots, store, menu, clock, messages}, QStringLiteral("Set/Edit Timer"),
                    QStringLiteral("&Reset"), parent),
      m_timer2(new ui::WindowTimer(this))
{
    setFixedSize(ui::twipsSize(4410, 1665));

    auto* label2 = new QLabel(QStringLiteral("Timer name:"), this);
    label2->setGeometry(ui::twipsRect(120, 120, 1185, 315));
    m_alName->setGeometry(ui::twipsRect(1320, 120, 2970, 315));
    auto* label1 = new QLabel(QStringLiteral("Time value:"), this);
    label1->setGeometry(ui::twipsRect(120, 720, 1185, 315));

    // Hours, minutes, seconds from left to right. The hours spin up to 24,
    // so countdowns of up to 24:59:59 can be spun in.
    addFields({{"ss", 2820, 450, SpinRule{60, 0, 0, 2}},
               {"mm", 2070, 450, SpinRule{60, 0, 0, 2}},
               {"hh", 1320, 450, SpinRule{25, 0, 0, 2}}},
              {2, 1, 0});

    // The animation frames lie on one spot; one is visible at a time.
    for (int frame = 0; frame < AlarmArt::FrameCount; ++frame) {
        m_ti[frame] = new ui::ImageWidget(
            [frame](QPainter& painter, const QRectF& area) {
                AlarmArt::paintStopwatch(painter, area, frame);
            },
            this);
        m_ti[frame]->setGeometry(ui::twipsRect(3780, 600, 435, 480));
        m_ti[frame]->setVisible(frame == 0);
    }

    m_command3->setGeometry(ui::twipsRect(120, 1200, 1300, 345));
    m_command2->setGeometry(ui::twipsRect(1555, 1200, 1300, 345));
    m_command1->setGeometry(ui::twipsRect(2990, 1200, 1300, 345));

    connect(m_timer2, &ui::WindowTimer::tick, this, &frmInputCount::Timer2_Timer);
}

void frmInputCount::stopTimers()
{
    SetEditDialog::stopTimers();
    m_timer2->setInterval(0);
}

void frmInputCount::showRemaining(double due, double now)
{
    const Countdown remaining = Countdown::remaining(due, now);
    m_z[0]->fill(remaining.secondsText());
    m_z[1]->fill(remaining.minutesText());
    m_z[2]->fill(remaining.hoursText());
}

void frmInputCount::Form_Activate()
{
    reportingFailures(QStringLiteral("Set Timer"), [this] {
        const int k = m_slots.CurrentTimer;
        const AlarmSlot& slot = m_slots.Timers.at(k);
        const double now = settings::OleDate::fromDateTime(m_clock.now());
        m_alName->setText(slot.Name.isEmpty() ? QStringLiteral("Timer %1").arg(k + 1) : slot.Name);
        if (slot.Active) {
            showRemaining(slot.Due, now);
            m_timer2->setInterval(RefreshMs);
        } else {
            Command3_Click();
            m_timer2->setInterval(0);
        }
    });
}

void frmInputCount::Command2_Click()
{
    const int k = m_slots.CurrentTimer;
    reportingFailures(QStringLiteral("Set Timer %1").arg(k + 1), [this, k] {
        AlarmSlot& slot = m_slots.Timers.at(k);
        // Every field is read before anything changes, so a bad one leaves
        // the timer, its menu item and its record as they were.
        const int h = WholeNumber::parseField(m_z[2]->text(), QStringLiteral("Hours"));
        const int m = WholeNumber::parseField(m_z[1]->text(), QStringLiteral("Minutes"));
        const int s = WholeNumber::parseField(m_z[0]->text(), QStringLiteral("Seconds"));
        const int total = h * 3600 + m * 60 + s;
        if (total < 0) {
            throw InputError(QStringLiteral("Time value: %1 h %2 min %3 s is less than no time "
                                            "at all; a countdown cannot run backwards")
                                 .arg(h)
                                 .arg(m)
                                 .arg(s));
        }
        const double now = settings::OleDate::fromDateTime(m_clock.now());
        slot.Due = settings::OleDate::addSeconds(now, total);
        slot.Active = true;
        m_timer2->setInterval(RefreshMs);
        slot.Name = m_alName->text();
        m_menu.setTimerCaption(k, QStringLiteral("&%1:%2").arg(k + 1).arg(slot.Name));
        m_store.SaveAlarm(AlarmSlots::timerKey(k));
    });
}

void frmInputCount::Command3_Click()
{
    const int k = m_slots.CurrentTimer;
    if (k >= 0 && k < static_cast<int>(m_slots.Timers.size())) {
        m_slots.Timers[k].Active = false;
    }
    for (DigitField* field : m_z) {
        field->fill(QStringLiteral("00"));
    }
}

void frmInputCount::Timer2_Timer()
{
    const int k = m_slots.CurrentTimer;
    if (k < 0 || k >= static_cast<int>(m_slots.Timers.size()) || !m_slots.Timers[k].Active) {
        // Stopped by Reset or fired by the monitor: the animation stands
        // still on its frame.
        Command3_Click();
        m_timer2->setInterval(0);
        return;
    }
    bool shown = false;
    reportingFailures(QStringLiteral("Set Timer"), [this, k, &shown] {
        showRemaining(m_slots.Timers[k].Due, settings::OleDate::fromDateTime(m_clock.now()));
        shown = true;
    });
    if (!shown) {
        // Reported once, not five times a second.
        m_timer2->setInterval(0);
        return;
    }
    m_ti[m_animFrame]->hide();
    m_animFrame = (m_animFrame + 1) % AlarmArt::FrameCount;
    m_ti[m_animFrame]->show();
}

} // namespace tikkro::alarms
