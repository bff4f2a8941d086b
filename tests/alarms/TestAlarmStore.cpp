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
#include <optional>

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
    return {key, name, due, flag, "text", "integer"};
}

// A fresh database file holding the given tAlarm records, and the store on it.
struct Fixture
{
    explicit Fixture(const QStringList& records = {},
                     std::chrono::milliseconds busyTimeout = SettingsDatabase::DefaultBusyTimeout)
        : database(scratch.path(), messages, busyTimeout), store(database, slots)
    {
        database.createIfMissing();
        for (const QString& values : records) {
            QVERIFY(scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES " + values));
        }
    }

    ScratchDatabase scratch;
    FakeMessageService messages;
    SettingsDatabase database;
    AlarmSlots slots;
    AlarmStore store;
    FakeAlarmMenu menu;
};

QString describe(const AlarmSlot& slot)
{
    return slot.Name + "|" + QString::number(slot.Due, 'g', 17) + "|" +
           QString::number(slot.Active);
}

} // namespace

class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // Captions and slots in the order alarm 1, alarm 2, timer 1, timer 2;
    // a slot as "name|due|active".
    void loadsRecordsIntoTheirSlots_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("loaded");
        const QStringList designTime{"Alarm&1", "Alarm&2", "Timer&1", "Timer&2"};
        const QStringList unset{"|0|0", "|0|0", "|0|0", "|0|0"};
        QTest::newRow("empty table") << QStringList{} << designTime << unset;
        QTest::newRow("only timer 2") << QStringList{"(101, 'Tea', 46361.5, 1)"}
                                      << QStringList{"Alarm&1", "Alarm&2", "Timer&1", "&2: Tea"}
                                      << QStringList{"|0|0", "|0|0", "|0|0", "Tea|46361.5|1"};
        QTest::newRow("all four, one name empty")
            << QStringList{"(0, '', 45000.25, 0)", "(1, 'Wake', 45001.25, 1)",
                           "(100, 'Eggs', -1.25, 0)", "(101, 'Tea', 46361.5, -1)"}
            << QStringList{"&1: ", "&2: Wake", "&1: Eggs", "&2: Tea"}
            << QStringList{"|45000.25|0", "Wake|45001.25|1", "Eggs|-1.25|0", "Tea|46361.5|1"};
        QTest::newRow("keys of no slot and empty fields are passed over")
            << QStringList{"(2, 'a', 1, 1)",     "(99, 'b', 1, 1)",    "(102, 'c', 1, 1)",
                           "(-1, 'd', 1, 1)",    "(65536, 'e', 1, 1)", "(65637, 'f', 1, 1)",
                           "(NULL, 'g', 1, 1)",  "(1, NULL, 1, 1)",    "(100, 'h', NULL, 1)",
                           "(101, 'i', 1, NULL)"}
            << designTime << unset;
    }
    void loadsRecordsIntoTheirSlots()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, loaded);
        Fixture f(records);

        f.store.LoadAlarms(f.menu);

        QCOMPARE((QStringList{f.menu.alarmCaptions[0], f.menu.alarmCaptions[1],
                              f.menu.timerCaptions[0], f.menu.timerCaptions[1]}),
                 captions);
        QCOMPARE((QStringList{describe(f.slots.Alarms[0]), describe(f.slots.Alarms[1]),
                              describe(f.slots.Timers[0]), describe(f.slots.Timers[1])}),
                 loaded);
    }

    void saveAlarmKeepsOneRecordPerKey()
    {
        Fixture f;
        f.store.SaveAlarm(1); // a slot never set: its name is empty text, not null
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(1, "", 0.0, 0)});

        f.slots.Alarms[1] = {"Wake", 45000.25, true};
        f.store.SaveAlarm(1);
        f.slots.Timers[1] = {"Tea", 46361.5, true};
        f.store.SaveAlarm(101);

        QCOMPARE(f.scratch.rows(AllRecords), (QList<QVariantList>{record(1, "Wake", 45000.25, 1),
                                                                  record(101, "Tea", 46361.5, 1)}));
    }

    void saveAlarmFlag_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QVariantList>("stored");
        QTest::newRow("existing record keeps its name and due")
            << QStringList{"(0, 'Wake', 45000.25, 1)"} << record(0, "Wake", 45000.25, 0);
        QTest::newRow("missing record is written whole")
            << QStringList{} << record(0, "Renamed", 1.5, 0);
    }
    void saveAlarmFlag()
    {
        QFETCH(QStringList, records);
        QFETCH(QVariantList, stored);
        Fixture f(records);
        f.slots.Alarms[0] = {"Renamed", 1.5, false};

        f.store.SaveAlarmFlag(0);

        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{stored});
    }

    void keysOfNoSlotAreNeverWritten()
    {
        Fixture f;
        for (const qint16 key : {2, 99, 102, -1}) {
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.SaveAlarm(key));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.SaveAlarmFlag(key));
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
    }
    void faultsAreReportedAndLoseNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Fixture f({"(0, 'Wake', 45000.25, 1)"}, 100ms);
        if (fault == "missing") {
            QVERIFY(QFile::remove(f.scratch.path()));
        } else if (fault == "no tAlarm") {
            QVERIFY(f.scratch.exec("ALTER TABLE tAlarm RENAME TO tOther"));
        }
        const QByteArray before = f.scratch.bytes();
        std::optional<DatabaseLockHolder> lock;
        if (fault == "locked") {
            QVERIFY(lock.emplace(f.scratch.path(), 60s).locked());
        }
        f.slots.Alarms[0] = {"New", 2.0, false};

        for (const auto& operation : {std::function<void()>([&] { f.store.SaveAlarm(0); }),
                                      std::function<void()>([&] { f.store.SaveAlarmFlag(0); }),
                                      std::function<void()>([&] { f.store.LoadAlarms(f.menu); })}) {
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
        QCOMPARE(f.scratch.bytes(), before);
    }
};

QTEST_GUILESS_MAIN(TestAlarmStore)
#include "TestAlarmStore.moc"
