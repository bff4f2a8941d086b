// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmWindows.h"
#include "core/WindowTimer.h"
#include "core/alarms/AlarmStore.h"
#include "core/settings/OleDate.h"
#include "fakes/FakeAlarmMenu.h"
#include "fakes/FakeDesktopNotifier.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/ScratchDatabase.h"

#include "TestSupport.h"

namespace tikkro::testing {

inline QDateTime at(int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, ms));
}

// One program's worth of alarm machinery on a scratch database file holding
// the given tAlarm records, with the clock at 5 December 2026 09:57:37.
struct AlarmRig
{
    fakes::ScratchDatabase scratch;
    fakes::FakeMessageService messages;
    settings::SettingsDatabase database{scratch.path()};
    alarms::AlarmSlots slots;
    alarms::AlarmStore store{database, slots};
    fakes::FakeAlarmMenu menu;
    fakes::FakeWallClock clock{at(5, 9, 57, 37)};
    fakes::FakeSoundService sound;
    fakes::FakeDesktopNotifier notifier;
    alarms::AlarmWindows windows{slots, store, menu, clock, sound, messages, notifier};

    explicit AlarmRig(const QString& records = {})
    {
        database.createIfMissing();
        if (!records.isEmpty()) {
            QVERIFY(scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES " + records));
        }
    }

    static void arm(alarms::AlarmSlot& slot, const QString& name, const QDateTime& due)
    {
        slot = {name, settings::OleDate::fromDateTime(due), true};
    }

    QString log() const
    {
        return windows.events() != nullptr ? windows.events()->text() : QString();
    }

    // The stored armed flags by key, read past the code under test.
    QMap<int, bool> armedRecords() const
    {
        QMap<int, bool> result;
        for (const QVariantList& row : scratch.rows(QStringLiteral("SELECT aA, aF FROM tAlarm"))) {
            result.insert(row.at(0).toInt(), row.at(1).toInt() != 0);
        }
        return result;
    }
};

// A point on a digit field's up or down arrow, right of its frame.
inline QPoint arrow(const alarms::DigitField* field, bool up)
{
    return {field->width() - 5, field->height() / 2 + (up ? -4 : 4)};
}

inline alarms::TimerDialog* timerDialog(AlarmRig& rig, int slot)
{
    rig.windows.showTimerDialog(slot);
    return rig.windows.timerDialog();
}

inline alarms::AlarmDialog* alarmDialog(AlarmRig& rig, int slot)
{
    rig.windows.showAlarmDialog(slot);
    return rig.windows.alarmDialog();
}

// Field indices left to right as shown: hours, minutes, seconds; or day,
// month, year, hour, minute, second.
template <class Dialog> const QList<int> Order{2, 1, 0};
template <> const QList<int> Order<alarms::AlarmDialog>{3, 4, 5, 2, 1, 0};

template <class Dialog> QStringList fields(const Dialog* dialog)
{
    QStringList result;
    for (int index : Order<Dialog>) {
        result.append(dialog->field(index)->text());
    }
    return result;
}

// Types the name and the leading fields, then presses Set.
template <class Dialog> Dialog* set(Dialog* dialog, const QString& name, const QStringList& fields)
{
    dialog->nameField()->setText(name);
    for (int i = 0; i < fields.size(); ++i) {
        dialog->field(Order<Dialog>.at(i))->setText(fields.at(i));
    }
    QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
    return dialog;
}

} // namespace tikkro::testing
