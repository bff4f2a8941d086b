// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmStore.h"
#include "alarms/AlarmWindows.h"
#include "fakes/FakeAlarmMenu.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/ScratchDatabase.h"
#include "settings/OleDate.h"
#include "settings/SettingsDatabase.h"

#include <QMap>

#include <memory>

namespace tikkro::testing {

inline QDateTime at(int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, ms));
}

inline double ole(const QDateTime& dateTime)
{
    return settings::OleDate::fromDateTime(dateTime);
}

// One program's worth of alarm machinery on a scratch database file, with
// the clock at 5 December 2026 09:57:37.
struct AlarmRig
{
    fakes::ScratchDatabase scratch;
    fakes::FakeMessageService messages;
    settings::SettingsDatabase database{scratch.path(), messages};
    alarms::AlarmSlots slots;
    alarms::AlarmStore store{database, slots};
    fakes::FakeAlarmMenu menu;
    fakes::FakeWallClock clock{at(5, 9, 57, 37)};
    fakes::FakeSoundService sound;
    std::unique_ptr<alarms::AlarmWindows> windows;

    AlarmRig()
    {
        database.createIfMissing();
        windows =
            std::make_unique<alarms::AlarmWindows>(slots, store, menu, clock, sound, messages);
    }

    static void arm(alarms::AlarmSlot& slot, const QString& name, const QDateTime& due)
    {
        slot = {name, ole(due), true};
    }

    QString log() const
    {
        return windows->events() != nullptr ? windows->events()->text() : QString();
    }

    // The stored records by key, read past the code under test: name, due
    // and armed flag.
    struct Record
    {
        QString name;
        double due = 0;
        bool armed = false;
    };
    QMap<int, Record> records() const
    {
        QMap<int, Record> result;
        for (const QVariantList& row :
             scratch.rows(QStringLiteral("SELECT aA, an, aT, aF FROM tAlarm"))) {
            result.insert(row.at(0).toInt(),
                          {row.at(1).toString(), row.at(2).toDouble(), row.at(3).toInt() != 0});
        }
        return result;
    }
};

} // namespace tikkro::testing
