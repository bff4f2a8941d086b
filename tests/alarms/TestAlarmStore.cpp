// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmStore.h"
#include "settings/DatabaseError.h"

#include "fakes/FakeAlarmMenu.h"
#include "fakes/FakeMessageService.h"
#include "fakes/ScratchDatabase.h"

#include <QTest>

using tikkro::alarms::AlarmSlot;
using tikkro::settings::DatabaseError;

namespace {

// typeof() tells an empty name from a null one.
const QString AllRecords =
    QStringLiteral("SELECT aA, an, aT, aF, typeof(an), typeof(aF) FROM tAlarm ORDER BY aA");

QVariantList record(int key, const QString& name, double due, int flag)
{
    return {key, name, due, flag, "text", "integer"};
}

QString describe(const AlarmSlot& slot)
{
    return slot.Name + "|" + QString::number(slot.Due, 'g', 17) + "|" +
           QString::number(slot.Active);
}

// A fresh database file holding the given tAlarm records, and the store on it.
struct Fixture
{
    explicit Fixture(const QStringList& records = {})
    {
        database.createIfMissing();
        for (const QString& values : records) {
            QVERIFY(scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES " + values));
        }
    }

    tikkro::fakes::ScratchDatabase scratch;
    tikkro::fakes::FakeMessageService messages;
    tikkro::settings::SettingsDatabase database{scratch.path(), messages};
    tikkro::alarms::AlarmSlots slots;
    tikkro::alarms::AlarmStore store{database, slots};
    tikkro::fakes::FakeAlarmMenu menu;
};

} // namespace

// The faults the database itself reports (missing, locked or corrupt file)
// are tested with it; here only what the store's own queries meet.
class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // Alarm 2 and timer 2 lack a field; the other records name no slot
    // (65637 would be timer 2 if cut to 16 bits).
    void loadsRecordsIntoTheirSlotsOnly()
    {
        Fixture f({"(0, '', 45000.25, 0)", "(101, 'Tea', 46361.5, -1)", "(1, NULL, 1, 1)",
                   "(100, 'h', NULL, 1)", "(NULL, 'g', 1, 1)", "(2, 'a', 1, 1)", "(99, 'b', 1, 1)",
                   "(102, 'c', 1, 1)", "(-1, 'd', 1, 1)", "(65637, 'f', 1, 1)"});
        f.store.LoadAlarms(f.menu);
        QCOMPARE((QStringList{f.menu.alarmCaptions[0], f.menu.alarmCaptions[1],
                              f.menu.timerCaptions[0], f.menu.timerCaptions[1]}),
                 (QStringList{"&1: ", "Alarm&2", "Timer&1", "&2: Tea"}));
        QCOMPARE((QStringList{describe(f.slots.Alarms[0]), describe(f.slots.Alarms[1]),
                              describe(f.slots.Timers[0]), describe(f.slots.Timers[1])}),
                 (QStringList{"|45000.25|0", "|0|0", "|0|0", "Tea|46361.5|1"}));
    }

    // Alarm 2 (key 1) and timer 2 (key 101) keep records of their own; keys
    // of no slot are refused.
    void saveAlarmKeepsOneRecordPerKey()
    {
        Fixture f;
        f.store.SaveAlarm(1); // a slot never set: its name is empty text, not null
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(1, "", 0.0, 0)});
        f.slots.Alarms[1] = {"Wake", 45000.25, true};
        f.store.SaveAlarm(1);
        f.slots.Timers[1] = {"Tea", 46361.5, true};
        f.store.SaveAlarm(101);
        for (const qint16 key : {2, 99, 102, -1}) {
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.SaveAlarm(key));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.SaveAlarmFlag(key));
        }
        QCOMPARE(f.scratch.rows(AllRecords), (QList<QVariantList>{record(1, "Wake", 45000.25, 1),
                                                                  record(101, "Tea", 46361.5, 1)}));
    }

    // An existing record keeps its name and due; a missing one is written whole.
    void saveAlarmFlag()
    {
        for (const bool existing : {true, false}) {
            Fixture f(existing ? QStringList{"(0, 'Wake', 45000.25, 1)"} : QStringList{});
            f.slots.Alarms[0] = {"Renamed", 1.5, false};
            f.store.SaveAlarmFlag(0);
            QCOMPARE(f.scratch.rows(AllRecords),
                     QList<QVariantList>{existing ? record(0, "Wake", 45000.25, 0)
                                                  : record(0, "Renamed", 1.5, 0)});
        }
    }

    void missingTableIsReportedAndLosesNothing()
    {
        Fixture f({"(0, 'Wake', 45000.25, 1)"});
        QVERIFY(f.scratch.exec("ALTER TABLE tAlarm RENAME TO tOther"));
        const QByteArray before = f.scratch.bytes();
        for (const QString& failure :
             {tikkro::fakes::failureOf([&] { f.store.SaveAlarm(0); }),
              tikkro::fakes::failureOf([&] { f.store.SaveAlarmFlag(0); }),
              tikkro::fakes::failureOf([&] { f.store.LoadAlarms(f.menu); })}) {
            QVERIFY2(failure.contains(f.scratch.path()) &&
                         failure.contains("no such table: tAlarm"),
                     qPrintable(failure));
        }
        QCOMPARE(f.scratch.bytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "TestAlarmStore.moc"
