// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/frmInputAlarm.h"

#include "alarms/AlarmDate.h"
#include "alarms/AlarmMenu.h"
#include "alarms/AlarmSlots.h"
#include "alarms/AlarmStore.h"
#include "alarms/DigitField.h"
#include "alarms/InputError.h"
#include "alarms/WholeNumber.h"
#include "settings/OleDate.h"
#include "ui/Twips.h"
#include "ui/WallClock.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tikkro::alarms {

namespace {

// Indexed like the fields: second, minute, hour, day, month, year. The hours
// stop at 23; the day runs to 31 whatever the month; the year wraps from
// 9998 to 0001 going up and from 0000 to 9998 going down.
const QVector<SetEditDialog::FieldDesign>& fields()
{
    static const QVector<SetEditDialog::FieldDesign> designs = {
        {"ss", 4995, 375, SpinRule{60, 0, 0, 2}}, {"mm", 4380, 375, SpinRule{60, 0, 0, 2}},
        {"hh", 3765, 375, SpinRule{24, 0, 0, 2}}, {"DD", 1680, 375, SpinRule{32, 1, 1, 2}},
        {"MM", 2295, 375, SpinRule{13, 1, 1, 2}}, {"YYYY", 2910, 555, SpinRule{9999, 1, 0, 4}},
    };
    return designs;
}

constexpr int YearField = 5;

} // namespace

frmInputAlarm::frmInputAlarm(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                             ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : SetEditDialog({slots, store, menu, clock, messages}, QStringLiteral("Set/Edit Alarm"),
                    QStringLiteral("&Now"), parent)
{
    setFixedSize(ui::twipsSize(5670, 1650));

    auto* label2 = new QLabel(QStringLiteral("Alarm name:"), this);
    label2->setGeometry(ui::twipsRect(120, 120, 1545, 315));
    m_alName->setGeometry(ui::twipsRect(1680, 120, 3840, 315));
    auto* label1 = new QLabel(QStringLiteral("Alarm date/time:"), this);
    label1->setGeometry(ui::twipsRect(120, 720, 1545, 315));

    // Day, month and year first, then the time, as a date is read.
    addFields(fields(), {3, 4, 5, 2, 1, 0});
    for (DigitField* field : m_z) {
        field->setSelectOnFocus(true);
    }
    m_z[YearField]->setText(fields().at(YearField).rule.text(2000));

    m_command3->setGeometry(ui::twipsRect(120, 1185, 1700, 345));
    m_command2->setGeometry(ui::twipsRect(1985, 1185, 1700, 345));
    m_command1->setGeometry(ui::twipsRect(3850, 1185, 1700, 345));
}

void frmInputAlarm::Form_Activate()
{
    reportingFailures(QStringLiteral("Set Alarm"), [this] {
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
            m_z[i]->fill(fields().at(i).rule.text(values[i]));
        }
    });
}

void frmInputAlarm::Command2_Click()
{
    const int k = m_slots.CurrentAlarm;
    reportingFailures(QStringLiteral("Set Alarm %1").arg(k + 1), [this, k] {
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
    });
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
