// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/AlarmStore.h"
#include "settings/DatabaseError.h"

#include "fakes/DatabaseLockHolder.h"
#include "fakes/FakeAlarmMenu.h"
#include "fakes/FakeMessageService.h"
#include "fakes/ScratchDatabase.h"

#include <QSqlDatabase>
#include <QTest>

#include <functional>
#include <memory>

using tikkro::alarms::AlarmSlot;
using tikkro::alarms::AlarmSlots;
using tikkro::alarms::AlarmStore;
using tikkro::fakes::DatabaseLockHolder;
using tikkro::fakes::FakeAlarmMenu;
using tikkro::fakes::FakeMessageService;
using tikkro::fakes::ScratchDatabase;
using tikkro::settings::DatabaseError;
using tikkro::settings::SettingsDatabase;
using namespace std::chrono_literals;

namespace {

const QString AllRecords =
    QStringLiteral("SELECT aA, an, aT, aF, typeof(an), typeof(aF) FROM tAlarm ORDER BY aA");

QVariantList record(int key, const QString& name, double due, int flag)
{
    return {key, name, due, flag, QStringLiteral("text"), QStringLiteral("integer")};
}

bool sameSlot(const AlarmSlot& a, const AlarmSlot& b)
{
    return a.Name == b.Name && a.Due == b.Due && a.Active == b.Active;
}

// A fresh database file with the given tAlarm records, and the store on it.
struct Fixture
{
    explicit Fixture(const QStringList& inserts = {},
                     std::chrono::milliseconds busyTimeout = SettingsDatabase::DefaultBusyTimeout)
        : database(scratch.path(), messages, busyTimeout), store(database, slots)
    {
        database.createIfMissing();
        if (!inserts.isEmpty() && !scratch.exec(inserts)) {
            qFatal("could not fill tAlarm");
        }
    }

    ScratchDatabase scratch;
    FakeMessageService messages;
    SettingsDatabase database;
    AlarmSlots slots;
    AlarmStore store;
    FakeAlarmMenu menu;
};

} // namespace

class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    void loadsRecordsIntoTheirSlots_data()
    {
        QTest::addColumn<QStringList>("inserts");
        QTest::addColumn<QStringList>("captions"); // alarm 0, alarm 1, timer 0, timer 1
        QTest::addColumn<QList<AlarmSlot>>("loaded");

        const AlarmSlot unset;
        QTest::newRow("empty table")
            << QStringList{} << QStringList{"Alarm&1", "Alarm&2", "Timer&1", "Timer&2"}
            << QList<AlarmSlot>{unset, unset, unset, unset};
        QTest::newRow("only timer 2")
            << QStringList{"INSERT INTO tAlarm VALUES (101, 'Tea', 46361.5, 1)"}
            << QStringList{"Alarm&1", "Alarm&2", "Timer&1", "&2: Tea"}
            << QList<AlarmSlot>{unset, unset, unset, {"Tea", 46361.5, true}};
        QTest::newRow("all four, empty name")
            << QStringList{"INSERT INTO tAlarm VALUES (0, '', 45000.25, 0)",
                           "INSERT INTO tAlarm VALUES (1, 'Wake up', 45001.25, 1)",
                           "INSERT INTO tAlarm VALUES (100, 'Eggs', -1.25, 0)",
                           "INSERT INTO tAlarm VALUES (101, 'Tea', 46361.5, -1)"}
            << QStringList{"&1: ", "&2: Wake up", "&1: Eggs", "&2: Tea"}
            << QList<AlarmSlot>{{"", 45000.25, false},
                                {"Wake up", 45001.25, true},
                                {"Eggs", -1.25, false},
                                {"Tea", 46361.5, true}};
        QTest::newRow("keys of no slot and empty fields are passed over")
            << QStringList{"INSERT INTO tAlarm VALUES (2, 'Two', 1, 1)",
                           "INSERT INTO tAlarm VALUES (99, 'NinetyNine', 1, 1)",
                           "INSERT INTO tAlarm VALUES (102, 'OneOhTwo', 1, 1)",
                           "INSERT INTO tAlarm VALUES (-1, 'Minus', 1, 1)",
                           "INSERT INTO tAlarm VALUES (65536, 'Wraps to 0', 1, 1)",
                           "INSERT INTO tAlarm VALUES (65637, 'Wraps to 101', 1, 1)",
                           "INSERT INTO tAlarm VALUES (NULL, 'No key', 1, 1)",
                           "INSERT INTO tAlarm VALUES (1, NULL, 1, 1)",
                           "INSERT INTO tAlarm VALUES (100, 'No due', NULL, 1)",
                           "INSERT INTO tAlarm VALUES (101, 'No flag', 1, NULL)"}
            << QStringList{"Alarm&1", "Alarm&2", "Timer&1", "Timer&2"}
            << QList<AlarmSlot>{unset, unset, unset, unset};
    }
    void loadsRecordsIntoTheirSlots()
    {
        QFETCH(QStringList, inserts);
        QFETCH(QStringList, captions);
        QFETCH(QList<AlarmSlot>, loaded);
        Fixture f(inserts);

        f.store.LoadAlarms(f.menu);

        QCOMPARE((QStringList{f.menu.alarmCaptions[0], f.menu.alarmCaptions[1],
                              f.menu.timerCaptions[0], f.menu.timerCaptions[1]}),
                 captions);
        const QList<AlarmSlot> slots{f.slots.Alarms[0], f.slots.Alarms[1], f.slots.Timers[0],
                                     f.slots.Timers[1]};
        for (int i = 0; i < 4; ++i) {
            QVERIFY2(sameSlot(slots[i], loaded[i]), qPrintable(QString::number(i)));
        }
    }

    void savedSlotsComeBack()
    {
        Fixture f;
        f.slots.Alarms[1] = {QStringLiteral("Meeting"), 46361.4375, true};
        f.slots.Timers[0] = {QStringLiteral("Pizza"), 46361.25 + 12.0 / 1440.0, false};
        f.store.SaveAlarm(1);
        f.store.SaveAlarm(100);

        AlarmSlots fresh;
        AlarmStore(f.database, fresh).LoadAlarms(f.menu);
        QVERIFY(sameSlot(fresh.Alarms[1], f.slots.Alarms[1]));
        QVERIFY(sameSlot(fresh.Timers[0], f.slots.Timers[0]));
        QVERIFY(sameSlot(fresh.Alarms[0], AlarmSlot()));
        QCOMPARE(f.menu.alarmCaptions[1], QStringLiteral("&2: Meeting"));
        QCOMPARE(f.menu.timerCaptions[0], QStringLiteral("&1: Pizza"));
    }

    void saveAlarmKeepsOneRecordPerKey()
    {
        Fixture f;
        f.store.SaveAlarm(1); // a slot never set: empty name, not null
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(1, "", 0.0, 0)});

        f.slots.Alarms[1] = {QStringLiteral("Wake"), 45000.25, true};
        f.store.SaveAlarm(1);
        f.slots.Timers[1] = {QStringLiteral("Tea"), 46361.5, true};
        f.store.SaveAlarm(101);
        f.slots.Alarms[1].Active = false;
        f.store.SaveAlarm(1);

        QCOMPARE(f.scratch.rows(AllRecords), (QList<QVariantList>{record(1, "Wake", 45000.25, 0),
                                                                  record(101, "Tea", 46361.5, 1)}));
    }

    void saveAlarmFlagChangesOnlyTheFlag()
    {
        Fixture f({QStringLiteral("INSERT INTO tAlarm VALUES (0, 'Wake', 45000.25, 1)")});
        f.slots.Alarms[0] = {QStringLiteral("Changed in memory"), 1.0, false};

        f.store.SaveAlarmFlag(0);

        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(0, "Wake", 45000.25, 0)});
    }

    void saveAlarmFlagWithoutARecordWritesTheWholeSlot()
    {
        Fixture f;
        f.slots.Timers[1] = {QStringLiteral("Tea"), 46361.5, false};

        f.store.SaveAlarmFlag(101);

        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(101, "Tea", 46361.5, 0)});
    }

    void keysOfNoSlotAreNeverWritten_data()
    {
        QTest::addColumn<int>("key");
        for (const int key : {2, 99, 102, -1, -100}) {
            QTest::addRow("%d", key) << key;
        }
    }
    void keysOfNoSlotAreNeverWritten()
    {
        QFETCH(int, key);
        Fixture f;
        for (const auto& save : {&AlarmStore::SaveAlarm, &AlarmStore::SaveAlarmFlag}) {
            QVERIFY_THROWS_EXCEPTION(DatabaseError, (f.store.*save)(static_cast<qint16>(key)));
        }
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>());
    }

    // Each fault gives a DatabaseError naming the file, and the records
    // already in the file stay as they were.
    void faultsAreReportedAndLoseNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing"
                                      << "the file does not exist";
        QTest::newRow("missing table") << "no tAlarm"
                                       << "no such table: tAlarm";
        QTest::newRow("locked too long") << "locked"
                                         << "database is locked";
        QTest::newRow("due that is no number") << "text due"
                                               << "not a number";
    }
    void faultsAreReportedAndLoseNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Fixture f({QStringLiteral("INSERT INTO tAlarm VALUES (0, 'Wake', 45000.25, 1)")}, 100ms);
        if (fault == QLatin1String("missing")) {
            QVERIFY(QFile::remove(f.scratch.path()));
        } else if (fault == QLatin1String("no tAlarm")) {
            QVERIFY(f.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        } else if (fault == QLatin1String("text due")) {
            QVERIFY(
                f.scratch.exec(QStringLiteral("INSERT INTO tAlarm VALUES (1, 'x', 'soon', 1)")));
        }
        const QList<QVariantList> before = f.scratch.rows(AllRecords);
        std::unique_ptr<DatabaseLockHolder> lock;
        if (fault == QLatin1String("locked")) {
            lock = std::make_unique<DatabaseLockHolder>(f.scratch.path(), 60s);
            QVERIFY(lock->locked());
        }
        f.slots.Alarms[0] = {QStringLiteral("New"), 2.0, false};

        const std::function<void()> operations[] = {[&] { f.store.SaveAlarm(0); },
                                                    [&] { f.store.SaveAlarmFlag(0); },
                                                    [&] { f.store.LoadAlarms(f.menu); }};
        for (const auto& operation : operations) {
            if (fault == QLatin1String("text due") && &operation != &operations[2]) {
                continue; // writes do not read the other records
            }
            try {
                operation();
                QFAIL("no error");
            } catch (const DatabaseError& error) {
                QVERIFY2(error.description().contains(f.scratch.path()) &&
                             error.description().contains(reason),
                         qPrintable(error.description()));
            }
        }
        lock.reset();
        QCOMPARE(f.scratch.rows(AllRecords), before);
    }

    void waitsForABriefLock()
    {
        Fixture f({}, 10s);
        f.slots.Timers[0] = {QStringLiteral("Eggs"), 46361.25, true};
        {
            const DatabaseLockHolder lock(f.scratch.path(), 150ms);
            QVERIFY(lock.locked());
            f.store.SaveAlarm(100);
        }
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(100, "Eggs", 46361.25, 1)});
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "TestAlarmStore.moc"
