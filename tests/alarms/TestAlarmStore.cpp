// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "core/settings/DatabaseError.h"

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
    return slot.name + "|" + QString::number(slot.due, 'g', 17) + "|" +
           QString::number(slot.active);
}

// A fresh database file holding the given tAlarm records, and the store on it.
struct Fixture : tikkro::testing::AlarmRig
{
    explicit Fixture(const QStringList& records = {})
    {
        for (const QString& values : records)
            QVERIFY(scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES " + values));
    }
};

} // namespace

// The faults the database itself reports (missing, locked or corrupt file,
// missing table) are tested with it.
class TestAlarmStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // Alarm 2 and timer 1 lack a field; the other records name no slot
    // (65637 would be timer 2 if cut to 16 bits).
    void loadsRecordsIntoTheirSlotsOnly()
    {
        Fixture f({"(0, '', 45000.25, 0)", "(101, 'Tea', 46361.5, -1)", "(1, NULL, 1, 1)",
                   "(100, 'n', 1, NULL)", "(2, 'a', 1, 1)", "(65637, 'f', 1, 1)"});
        f.store.load(f.menu);
        QCOMPARE((QStringList{f.menu.alarmCaptions[0], f.menu.alarmCaptions[1],
                              f.menu.timerCaptions[0], f.menu.timerCaptions[1]}),
                 (QStringList{"&1: ", "Alarm&2", "Timer&1", "&2: Tea"}));
        QCOMPARE((QStringList{describe(f.slots.alarms[0]), describe(f.slots.alarms[1]),
                              describe(f.slots.timers[0]), describe(f.slots.timers[1])}),
                 (QStringList{"|45000.25|0", "|0|0", "|0|0", "Tea|46361.5|1"}));
    }

    // Alarm 2 (key 1) and timer 2 (key 101) keep records of their own; keys
    // of no slot are refused. saveArmedFlag keeps an existing record's name
    // and due, and writes a missing one whole.
    void savesOneRecordPerKey()
    {
        Fixture f;
        f.store.save(1); // a slot never set: its name is empty text, not null
        QCOMPARE(f.scratch.rows(AllRecords), QList<QVariantList>{record(1, "", 0.0, 0)});
        f.slots.alarms[1] = {"Wake", 45000.25, true};
        f.store.save(1);
        f.slots.timers[1] = {"Tea", 46361.5, true};
        f.store.save(101);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.save(2));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.saveArmedFlag(2));
        f.slots.alarms[1] = {"Renamed", 1.5, false};
        f.store.saveArmedFlag(1);
        f.slots.alarms[0] = {"New", 2.5, true};
        f.store.saveArmedFlag(0);
        QCOMPARE(f.scratch.rows(AllRecords),
                 (QList<QVariantList>{record(0, "New", 2.5, 1), record(1, "Wake", 45000.25, 0),
                                      record(101, "Tea", 46361.5, 1)}));
    }

    // Without its unique index a file may hold a key twice: load and save
    // both take the first record, so a Set is what the next start shows,
    // and the load says the file lacks its index.
    void duplicateKeysLoadAndSaveTheFirst()
    {
        Fixture f;
        QVERIFY(f.scratch.exec("DROP INDEX PrimaryKey"));
        QVERIFY(f.scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (100, 'first', 1, 0), "
                               "(100, 'second', 2, 1)"));
        const QStringList warnings = f.store.load(f.menu);
        QCOMPARE(describe(f.slots.timers[0]), QStringLiteral("first|1|0"));
        QVERIFY2(warnings.size() == 1 && warnings[0].contains("lacks its unique index"),
                 qPrintable(warnings.join(u'\n')));
        f.slots.timers[0].name = "Tea";
        f.store.save(100);
        QCOMPARE(f.scratch.rows("SELECT an FROM tAlarm ORDER BY rowid"),
                 (QList<QVariantList>{{"Tea"}, {"second"}}));
    }

    // An armed record with no usable due would ring at every start and
    // could never be stored as done: it is switched off, in the file too.
    void unusableDueIsSwitchedOff_data()
    {
        QTest::addColumn<QString>("due");
        QTest::newRow("infinite") << "1e999";
        QTest::newRow("minus infinite") << "-1e999";
        QTest::newRow("text") << "'soon'";
        QTest::newRow("beyond year 9999") << "1e300";
    }
    void unusableDueIsSwitchedOff()
    {
        QFETCH(QString, due);
        Fixture f({"(1, 'Wake', " + due + ", 1)", "(0, 'Fine', 46000.5, 1)"});
        const QStringList warnings = f.store.load(f.menu);
        QCOMPARE(describe(f.slots.alarms[1]), QStringLiteral("Wake|0|0"));
        QCOMPARE(describe(f.slots.alarms[0]), QStringLiteral("Fine|46000.5|1"));
        QVERIFY2(warnings.size() == 1 && warnings[0].contains("Alarm 2 'Wake'"),
                 qPrintable(warnings.join(u'\n')));
        QCOMPARE(f.scratch.rows("SELECT aF FROM tAlarm WHERE aA = 1"), (QList<QVariantList>{{0}}));
        QVERIFY(f.store.load(f.menu).isEmpty());
    }
};

TIKKRO_TEST(TestAlarmStore)
#include "TestAlarmStore.moc"
