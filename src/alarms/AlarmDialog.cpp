// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmDialog.h"

#include "alarms/AlarmSlots.h"
#include "alarms/DigitField.h"
#include "alarms/InputError.h"
#include "settings/OleDate.h"
#include "ui/Twips.h"
#include "ui/WallClock.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tikkro::alarms {

namespace {

// Indexed like the fields: second, minute, hour, day, month, year. The hours
// stop at 23; the day runs to 31 whatever the month; the year wraps from
// 9998 to 0001 going up and from 0000 to 9998 going down.
const QVector<SlotDialog::FieldDesign>& fieldDesigns()
{
    static const QVector<SlotDialog::FieldDesign> designs = {
        {"ss", "Second", 4995, 375, SpinRule{60, 0, 0, 2}},
        {"mm", "Minute", 4380, 375, SpinRule{60, 0, 0, 2}},
        {"hh", "Hour", 3765, 375, SpinRule{24, 0, 0, 2}},
        {"DD", "Day", 1680, 375, SpinRule{32, 1, 1, 2}},
        {"MM", "Month", 2295, 375, SpinRule{13, 1, 1, 2}},
        {"YYYY", "Year", 2910, 555, SpinRule{9999, 1, 0, 4}},
    };
    return designs;
}

constexpr int YearField = 5;

} // namespace

AlarmDialog::AlarmDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                         ui::WallClock& clock, ui::MessageService& messages, QWidget* parent)
    : SlotDialog({slots, store, menu, clock, messages}, QStringLiteral("Set/Edit Alarm"),
                 QStringLiteral("&Now"), parent)
{
    setFixedSize(ui::twipsSize(5670, 1650));

    nameField()->setGeometry(ui::twipsRect(1680, 120, 3840, 315));
    nameField()->setAccessibleName(QStringLiteral("Alarm name"));
    addLabel(QStringLiteral("Alarm name:"), ui::twipsRect(120, 120, 1545, 315), nameField());

    // Day, month and year first, then the time, as a date is read.
    addFields(fieldDesigns(), {3, 4, 5, 2, 1, 0});
    addLabel(QStringLiteral("Alarm date/time:"), ui::twipsRect(120, 720, 1545, 315), field(3));
    for (int k = 0; k < fieldCount(); ++k) {
        field(k)->setSelectOnFocus(true);
    }
    field(YearField)->setText(fieldDesigns().at(YearField).rule.text(2000));

    disarmButton()->setGeometry(ui::twipsRect(120, 1185, 1700, 345));
    setButton()->setGeometry(ui::twipsRect(1985, 1185, 1700, 345));
    closeButton()->setGeometry(ui::twipsRect(3850, 1185, 1700, 345));
}

void AlarmDialog::refill()
{
    reportingFailures(QStringLiteral("Set Alarm"), [this] {
        const int k = slots().currentAlarm;
        const AlarmSlot& slot = slots().alarms.at(k);
        // The present time is shown to the second it has reached, as the
        // clock field shows it.
        const QDateTime base =
            slot.active ? settings::OleDate::toDateTime(slot.due) : clock().now();
        if (!base.isValid()) {
            throw InputError(QStringLiteral("The alarm's date and time is not a valid date"));
        }
        nameField()->setText(slot.name.isEmpty() ? QStringLiteral("Alarm %1").arg(k + 1)
                                                 : slot.name);
        const QDate date = base.date();
        const QTime time = base.time();
        const std::array<int, 6> values = {time.second(), time.minute(), time.hour(),
                                           date.day(),    date.month(),  date.year()};
        for (int i = 0; i < static_cast<int>(values.size()); ++i) {
            field(i)->fill(fieldDesigns().at(i).rule.text(values.at(i)));
        }
    });
}

void AlarmDialog::set()
{
    const int k = slots().currentAlarm;
    reportingFailures(QStringLiteral("Set Alarm %1").arg(k + 1), [this, k] {
        setter().setAlarm(k, nameField()->text(),
                          {field(5)->text(), field(4)->text(), field(3)->text(), field(2)->text(),
                           field(1)->text(), field(0)->text()},
                          clock().now().date());
    });
}

void AlarmDialog::disarm()
{
    const int k = slots().currentAlarm;
    if (AlarmSlots::isSlotNumber(k)) {
        slots().alarms.at(k).active = false;
    }
    refill();
}

} // namespace tikkro::alarms
