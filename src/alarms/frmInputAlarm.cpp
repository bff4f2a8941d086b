// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/frmInputAlarm.h"

#include "alarms/AlarmArt.h"
#include "alarms/AlarmDate.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "alarms/AlarmStore.h"
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

struct FieldDesign
{
    const char* heading;
    int left;
    int width;
    SpinRule rule;
};

// Indexed like the fields: second, minute, hour, day, month, year. The hours
// stop at 23; the day runs to 31 whatever the month; the year wraps from
// 9998 to 0001 going up and from 0000 to 9998 going down.
const std::array<FieldDesign, 6> Fields = {{
    {"ss", 4995, 375, SpinRule{60, 0, 0, 2}},
    {"mm", 4380, 375, SpinRule{60, 0, 0, 2}},
    {"hh", 3765, 375, SpinRule{24, 0, 0, 2}},
    {"DD", 1680, 375, SpinRule{32, 1, 1, 2}},
    {"MM", 2295, 375, SpinRule{13, 1, 1, 2}},
    {"YYYY", 2910, 555, SpinRule{9999, 1, 0, 4}},
}};

} // namespace

frmInputAlarm::frmInputAlarm(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                             ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_slots(slots), m_store(store), m_menu(menu), m_clock(clock), m_messages(messages),
      m_alName(new QLineEdit(this)), m_command1(new QPushButton(QStringLiteral("&Close"), this)),
      m_command2(new QPushButton(QStringLiteral("&Set"), this)),
      m_command3(new QPushButton(QStringLiteral("&Now"), this)), m_spin(new SpinControl(this))
{
    setWindowTitle(QStringLiteral("Set/Edit Alarm"));
    setFixedSize(ui::twipsSize(5670, 1650));

    auto* label2 = new QLabel(QStringLiteral("Alarm name:"), this);
    label2->setGeometry(ui::twipsRect(120, 120, 1545, 315));
    m_alName->setObjectName(QStringLiteral("AlName"));
    m_alName->setGeometry(ui::twipsRect(1680, 120, 3840, 315));

    auto* label1 = new QLabel(QStringLiteral("Alarm date/time:"), this);
    label1->setGeometry(ui::twipsRect(120, 720, 1545, 315));

    for (int k = 0; k < static_cast<int>(Fields.size()); ++k) {
        const FieldDesign& design = Fields.at(k);
        auto* heading = new QLabel(QString::fromLatin1(design.heading), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        heading->setGeometry(ui::twipsRect(design.left, 450, design.width, 255));

        m_z[k] = new DigitField(this);
        m_z[k]->setObjectName(QStringLiteral("Z%1").arg(k));
        m_z[k]->setText(design.rule.text(k == 5 ? 2000 : 0));
        m_z[k]->setGeometry(ui::twipsRect(design.left, 720, design.width, 315));
        m_z[k]->setSelectOnFocus(true);
        m_i[k] = new ui::ImageWidget(&AlarmArt::paintSpinArrows, this);
        m_i[k]->setObjectName(QStringLiteral("I%1").arg(k));
        m_i[k]->setGeometry(ui::twipsRect(design.left + design.width + 15, 765, 165, 225));
        m_spin->add(m_z[k], m_i[k], design.rule);
    }

    m_command3->setGeometry(ui::twipsRect(120, 1185, 1700, 345));
    m_command2->setGeometry(ui::twipsRect(1985, 1185, 1700, 345));
    m_command1->setGeometry(ui::twipsRect(3850, 1185, 1700, 345));
    m_command2->setDefault(true);

    setTabOrder(m_alName, m_z[3]);
    setTabOrder(m_z[3], m_z[4]);
    setTabOrder(m_z[4], m_z[5]);
    setTabOrder(m_z[5], m_z[2]);
    setTabOrder(m_z[2], m_z[1]);
    setTabOrder(m_z[1], m_z[0]);
    setTabOrder(m_z[0], m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);

    connect(m_command1, &QPushButton::clicked, this, &frmInputAlarm::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &frmInputAlarm::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &frmInputAlarm::Command3_Click);
    new ui::ActivationWatcher(this, [this] { Form_Activate(); });

    WindowCentring::centreOnScreen(*this);
}

ui::WindowTimer* frmInputAlarm::Timer1() const
{
    return m_spin->Timer1();
}

void frmInputAlarm::reportError(const QString& description, const QString& title)
{
    m_messages.show(description, ui::MessageService::Icon::Warning, title);
}

void frmInputAlarm::Form_Activate()
{
    try {
        const int k = m_slots.CurrentAlarm;
        const AlarmSlot& slot = m_slots.Alarms.at(k);
        // The present time is shown to the second it has reached, as the
        // clock field shows it.
        const QDateTime base =
            slot.Active ? settings::OleDate::toDateTime(slot.Due) : m_clock.now();
        if (!base.isValid()) {
            throw InputError(QStringLiteral("The alarm's date and time is not a valid date"));
        }
        m_alName->setText(slot.Name.isEmpty() ? QStringLiteral("Alarm %1").arg(k + 1) : slot.Name);
        const QDate date = base.date();
        const QTime time = base.time();
        const std::array<int, 6> values = {time.second(), time.minute(), time.hour(),
                                           date.day(),    date.month(),  date.year()};
        for (int i = 0; i < static_cast<int>(values.size()); ++i) {
            m_z[i]->fill(Fields.at(i).rule.text(values[i]));
        }
    } catch (const InputError& error) {
        reportError(error.description(), QStringLiteral("Set Alarm"));
    } catch (const std::exception& error) {
        reportError(QString::fromStdString(error.what()), QStringLiteral("Set Alarm"));
    }
}

void frmInputAlarm::keyPressEvent(QKeyEvent* event)
{
    // Esc would only hide a dialog; like Close, it unloads this one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        Command1_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmInputAlarm::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    // The window is deleted later; until then nothing of it may tick.
    if (event->isAccepted()) {
        m_spin->Timer1()->setInterval(0);
    }
}

void frmInputAlarm::Command1_Click()
{
    close();
}

void frmInputAlarm::Command2_Click()
{
    const int k = m_slots.CurrentAlarm;
    const QString title = QStringLiteral("Set Alarm %1").arg(k + 1);
    try {
        AlarmSlot& slot = m_slots.Alarms.at(k);
        // Every field is read and the date checked before anything changes.
        const int year = WholeNumber::parseField(m_z[5]->text(), QStringLiteral("Year"));
        const int month = WholeNumber::parseField(m_z[4]->text(), QStringLiteral("Month"));
        const int day = WholeNumber::parseField(m_z[3]->text(), QStringLiteral("Day"));
        const int hour = WholeNumber::parseField(m_z[2]->text(), QStringLiteral("Hour"));
        const int minute = WholeNumber::parseField(m_z[1]->text(), QStringLiteral("Minute"));
        const int second = WholeNumber::parseField(m_z[0]->text(), QStringLiteral("Second"));
        const double due =
            AlarmDate::due(year, month, day, hour, minute, second, m_clock.now().date().year());
        // A due time in the past is taken: the monitor rings it at once.
        slot.Due = due;
        slot.Active = true;
        slot.Name = m_alName->text();
        m_menu.setAlarmCaption(k, QStringLiteral("&%1:%2").arg(k + 1).arg(slot.Name));
        m_store.SaveAlarm(AlarmSlots::alarmKey(k));
    } catch (const InputError& error) {
        reportError(error.description(), title);
    } catch (const settings::DatabaseError& error) {
        reportError(error.description(), title);
    } catch (const std::exception& error) {
        reportError(QString::fromStdString(error.what()), title);
    }
}

void frmInputAlarm::Command3_Click()
{
    const int k = m_slots.CurrentAlarm;
    if (k >= 0 && k < static_cast<int>(m_slots.Alarms.size())) {
        m_slots.Alarms[k].Active = false;
    }
    Form_Activate();
}

} // namespace tikkro::alarms
