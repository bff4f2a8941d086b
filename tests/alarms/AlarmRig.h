// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/AlarmWindows.h"
#include "core/alarms/AlarmStore.h"
#include "core/settings/OleDate.h"
#include "core/settings/SettingsDatabase.h"
#include "fakes/FakeAlarmMenu.h"
#include "fakes/FakeDesktopNotifier.h"
#include "fakes/FakeMessageService.h"
#include "fakes/FakeSoundService.h"
#include "fakes/FakeWallClock.h"
#include "fakes/ScratchDatabase.h"

#include <QMap>

namespace tikkro::testing {

inline QDateTime at(int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute, second, ms));
}

// One program's worth of alarm machinery on a scratch database file, with
// the clock at 5 December 2026 09:57:37.
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

    AlarmRig() { database.createIfMissing(); }

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

} // namespace tikkro::testing
