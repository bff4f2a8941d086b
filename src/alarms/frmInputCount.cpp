// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/frmInputCount.h"

#include "alarms/AlarmArt.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "alarms/AlarmStore.h"
#include "alarms/Countdown.h"
#include "alarms/DigitField.h"
#include "alarms/InputError.h"
#include "alarms/SpinControl.h"
#include "alarms/WholeNumber.h"
#include "alarms/WindowCentring.h"
#include "settings/DatabaseError.h"
#include "settings/OleDate.h"
#include "ui/ActivationWatcher.h"
#include "ui/ImageWidget.h"
#include "ui/MessageService.h"
#include "ui/Twips.h"
#include "ui/WallClock.h"
#include "ui/WindowTimer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tikkro::alarms {

namespace {

QLabel* heading(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmInputCount::frmInputCount(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                             ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_slots(slots), m_store(store), m_menu(menu), m_clock(clock), m_messages(messages),
      m_alName(new QLineEdit(this)), m_command1(new QPushButton(QStringLiteral("&Close"), this)),
      m_command2(new QPushButton(QStringLiteral("&Set"), this)),
      m_command3(new QPushButton(QStringLiteral("&Reset"), this)), m_spin(new SpinControl(this)),
      m_timer2(new ui::WindowTimer(this))
{
    setWindowTitle(QStringLiteral("Set/Edit Timer"));
    setFixedSize(ui::twipsSize(4410, 1665));

    auto* label2 = new QLabel(QStringLiteral("Timer name:"), this);
    label2->setGeometry(ui::twipsRect(120, 120, 1185, 315));
    m_alName->setObjectName(QStringLiteral("AlName"));
    m_alName->setGeometry(ui::twipsRect(1320, 120, 2970, 315));

    auto* label1 = new QLabel(QStringLiteral("Time value:"), this);
    label1->setGeometry(ui::twipsRect(120, 720, 1185, 315));

    // Hours, minutes, seconds from left to right; index 2 is the hours.
    const std::array<const char*, 3> headings = {"ss", "mm", "hh"};
    const std::array<int, 3> lefts = {2820, 2070, 1320};
    const std::array<SpinRule, 3> rules = {SpinRule{60, 0, 0, 2}, SpinRule{60, 0, 0, 2},
                                           SpinRule{25, 0, 0, 2}};
    for (int k = 0; k < 3; ++k) {
        heading(QString::fromLatin1(headings[k]), ui::twipsRect(lefts[k], 450, 450, 255), this);
        m_z[k] = new DigitField(this);
        m_z[k]->setObjectName(QStringLiteral("Z%1").arg(k));
        m_z[k]->setText(QStringLiteral("00"));
        m_z[k]->setGeometry(ui::twipsRect(lefts[k], 720, 450, 315));
        m_i[k] = new ui::ImageWidget(&AlarmArt::paintSpinArrows, this);
        m_i[k]->setObjectName(QStringLiteral("I%1").arg(k));
        m_i[k]->setGeometry(ui::twipsRect(lefts[k] + 465, 765, 165, 225));
        m_spin->add(m_z[k], m_i[k], rules[k]);
    }

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
    m_command2->setDefault(true);

    setTabOrder(m_alName, m_z[2]);
    setTabOrder(m_z[2], m_z[1]);
    setTabOrder(m_z[1], m_z[0]);
    setTabOrder(m_z[0], m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);

    connect(m_command1, &QPushButton::clicked, this, &frmInputCount::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &frmInputCount::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &frmInputCount::Command3_Click);
    connect(m_timer2, &ui::WindowTimer::tick, this, &frmInputCount::Timer2_Timer);
    new ui::ActivationWatcher(this, [this] { Form_Activate(); });

    WindowCentring::centreOnScreen(*this);
}

ui::WindowTimer* frmInputCount::Timer1() const
{
    return m_spin->Timer1();
}

void frmInputCount::reportError(const QString& description, const QString& title)
{
    m_messages.show(description, ui::MessageService::Icon::Warning, title);
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
    try {
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
    } catch (const InputError& error) {
        reportError(error.description(), QStringLiteral("Set Timer"));
    } catch (const std::exception& error) {
        reportError(QString::fromStdString(error.what()), QStringLiteral("Set Timer"));
    }
}

void frmInputCount::keyPressEvent(QKeyEvent* event)
{
    // Esc would only hide a dialog; like Close, it unloads this one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Command1_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmInputCount::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    // The window is deleted later; until then nothing of it may tick.
    if (event->isAccepted()) {
        m_spin->Timer1()->setInterval(0);
        m_timer2->setInterval(0);
    }
}

void frmInputCount::Command1_Click()
{
    close();
}

void frmInputCount::Command2_Click()
{
    const int k = m_slots.CurrentTimer;
    const QString title = QStringLiteral("Set Timer %1").arg(k + 1);
    try {
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
    } catch (const InputError& error) {
        reportError(error.description(), title);
    } catch (const settings::DatabaseError& error) {
        reportError(error.description(), title);
    } catch (const std::exception& error) {
        reportError(QString::fromStdString(error.what()), title);
    }
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
    try {
        showRemaining(m_slots.Timers[k].Due, settings::OleDate::fromDateTime(m_clock.now()));
    } catch (const InputError& error) {
        // Reported once, not five times a second.
        m_timer2->setInterval(0);
        reportError(error.description(), QStringLiteral("Set Timer"));
        return;
    }
    m_ti[m_animFrame]->hide();
    m_animFrame = (m_animFrame + 1) % AlarmArt::FrameCount;
    m_ti[m_animFrame]->show();
}

} // namespace tikkro::alarms
