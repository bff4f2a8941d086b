// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmDialog.h"

#include "core/WallClock.h"
#include "core/alarms/AlarmSlots.h"
#include "core/alarms/InputError.h"
#include "core/settings/OleDate.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tikkro::alarms {

namespace {

constexpr int YearField = 5;
// Six fields share the row with the name box's width: the two-digit ones
// keep only a little room beside their digits.
constexpr double TwoDigitWidth = 2.4;

} // namespace

AlarmDialog::AlarmDialog(AlarmSlots& slots, AlarmStore& store, AlarmMenu& menu,
                         core::WallClock& clock, desktop::MessageService& messages, QWidget* parent)
    : SlotDialog({slots, store, menu, clock, messages}, tr("Set/Edit Alarm"), parent)
{
    // Day, month and year first, then the time, as a date is read. The hours
    // stop at 23; the day runs to 31 whatever the month; the year wraps from
    // 9998 to 0001 going up and from 0000 to 9998 going down.
    build({tr("Alarm name:"), tr("Alarm name"), tr("Alarm date/time:"), tr("&Now")},
          {{tr("DD"), tr("Day"), 3, {32, 1, 1, 2}, TwoDigitWidth},
           {tr("MM"), tr("Month"), 4, {13, 1, 1, 2}, TwoDigitWidth},
           {tr("YYYY"), tr("Year"), YearField, {9999, 1, 0, 4}, 4},
           {tr("hh"), tr("Hour"), 2, {24, 0, 0, 2}, TwoDigitWidth},
           {tr("mm"), tr("Minute"), 1, {60, 0, 0, 2}, TwoDigitWidth},
           {tr("ss"), tr("Second"), 0, {60, 0, 0, 2}, TwoDigitWidth}},
          {2, {4, 4, 8, 4, 4}});
    for (int k = 0; k < fieldCount(); ++k) {
        field(k)->setSelectOnFocus(true);
    }
    field(YearField)->setNumber(2000);
}

void AlarmDialog::refill()
{
    reportingFailures(tr("Set Alarm"), [this] {
        const int k = slots().currentAlarm;
        const AlarmSlot& slot = slots().alarms.at(k);
        // The present time is shown to the second it has reached, as the
        // clock field shows it.
        const QDateTime base =
            slot.active ? settings::OleDate::toDateTime(slot.due) : clock().now();
        if (!base.isValid()) {
            throw InputError(tr("The alarm's date and time is not a valid date"));
        }
        nameField()->setText(slot.name.isEmpty() ? tr("Alarm %1").arg(k + 1) : slot.name);
        const QDate date = base.date();
        const QTime time = base.time();
        const std::array<int, 6> values = {time.second(), time.minute(), time.hour(),
                                           date.day(),    date.month(),  date.year()};
        for (int i = 0; i < static_cast<int>(values.size()); ++i) {
            field(i)->setNumber(values.at(i));
        }
    });
}

void AlarmDialog::set()
{
    const int k = slots().currentAlarm;
    reportingFailures(tr("Set Alarm %1").arg(k + 1), [this, k] {
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
