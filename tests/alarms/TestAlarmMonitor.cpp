// SPDX-License-Identifier: GPL-3.0-or-later
#include "../app/MainWindowRig.h"
#include "AlarmRig.h"

#include "core/ClockChanges.h"

using namespace tikkro;
using namespace tikkro::alarms;
using namespace tikkro::testing;

namespace {

const QDateTime Now = at(5, 9, 57, 37);
const QString NowText = QStringLiteral("05/12/2026 09:57:37");

QString entry(const QString& title, const QString& due = NowText,
              const QString& effective = NowText)
{
    const QString mark = due == effective ? QString() : QStringLiteral(" !!!");
    return title + "':\n    was due at: " + due + "\n    effective at: " + effective + mark + "\n";
}

// The seconds the dialog shows after its next refresh.
int shownSeconds(const TimerDialog* dialog)
{
    Q_EMIT dialog->countdownTimer()->tick();
    const QStringList hms = fields(dialog);
    return hms[0].toInt() * 3600 + hms[1].toInt() * 60 + hms[2].toInt();
}

QString describe(const AlarmSlot& slot)
{
    return slot.name + "|" + QString::number(slot.due, 'g', 17) + "|" +
           QString::number(slot.active);
}

} // namespace

// The monitor, and the store that keeps the slots and their armed flags
// from one start to the next. The faults the database itself reports
// (missing, locked or corrupt file, missing table) are tested with it.
class TestAlarmMonitor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); }

    // The effective time is the tick's, in the general date form of en_GB
    // (pinned for the tests), which shows midnight as the date alone. An
    // entry is marked late when it rang a second or more after its due
    // time, whatever the texts show.
    void lateMarkCountsSeconds_data()
    {
        addColumns<QDateTime, int, QString>({"due", "msOn", "effective"});
        QTest::newRow("a millisecond early") << at(5, 10, 0, 0) << -1 << "";
        QTest::newRow("999 ms on") << at(5, 10, 0, 0) << 999 << "05/12/2026 10:00:00";
        QTest::newRow("a second on") << at(5, 10, 0, 0) << 1000 << "05/12/2026 10:00:01 !!!";
        QTest::newRow("midnight +500 ms") << at(6, 0, 0, 0) << 500 << "06/12/2026 00:00:00";
        QTest::newRow("midnight on the dot") << at(6, 0, 0, 0) << 0 << "06/12/2026";
    }
    void lateMarkCountsSeconds()
    {
        QFETCH(QDateTime, due);
        QFETCH(int, msOn);
        QFETCH(QString, effective);
        AlarmRig rig;
        rig.clock.set(due.addMSecs(msOn));
        rig.arm(rig.slots.alarms[0], QStringLiteral("A"), due);
        rig.windows.checkDue();
        QCOMPARE(rig.log().section(QStringLiteral("effective at: "), 1).trimmed(), effective);
    }

    // Slots stored armed by an earlier run and due since ring, late, at the
    // next start, each with its sound and a desktop notification, and not at
    // the start after.
    void firedSlotIsNotFiredAgainAfterARestart()
    {
        // Alarm 2 and timer 1, due at 06:00 that day.
        AlarmRig rig(QStringLiteral("(1, 'Call', 46361.25, 1), (100, 'Eggs', 46361.25, 1)"));
        // What the user types in the box stays above the entries until it
        // is closed.
        rig.windows.showEvents();
        QTest::keyClicks(rig.windows.events()->textEdit(), QStringLiteral("note"));
        for (int start = 0; start < 2; ++start) {
            rig.slots = AlarmSlots();
            rig.store.load(rig.menu);
            rig.windows.checkDue();
        }
        const QString due = QStringLiteral("05/12/2026 06:00:00");
        QCOMPARE(rig.log(),
                 "note\n" + entry("Timer 'Eggs", due) + "\n" + entry("Alarm 'Call", due));
        const QString times = "was due at: " + due + "\neffective at: " + NowText + " !!!";
        QCOMPARE(rig.notifier.sent, (QList<fakes::FakeDesktopNotifier::Notification>{
                                        {"Timer 'Eggs'", times}, {"Alarm 'Call'", times}}));
        QCOMPARE(rig.sound.played, (QStringList{"ringin.wav", "notify.wav"}));
        rig.windows.events()->close();
        rig.windows.showEvents();
        QCOMPARE(rig.log(), QString());
    }

    // A flag that cannot be stored is reported without blocking the tick,
    // and the next slot still fires on its own tick.
    void storeFailureIsReportedAndTheMonitorGoesOn()
    {
        AlarmRig rig;
        QVERIFY(rig.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        rig.arm(rig.slots.alarms[0], QStringLiteral("A"), Now);
        rig.arm(rig.slots.timers[0], QStringLiteral("B"), Now.addSecs(1));
        rig.windows.checkDue();
        QCOMPARE(rig.log(), entry("Alarm 'A"));
        QVERIFY(rig.messages.messages.size() == 1 && rig.messages.messages[0].modeless);
        rig.clock.advanceMs(1000);
        rig.windows.checkDue();
        QVERIFY(!rig.slots.timers[0].active);
        QCOMPARE(rig.messages.messages.size(), 2);
    }

    // Unticked, the monitor sleeps until the first armed slot falls due, and
    // one already due rings at once; ticked, or with nothing armed, it plans
    // nothing of its own.
    void sleepsUntilTheEarliestDue_data()
    {
        // alarmSeconds, timerSeconds: from now; alarm 0: not armed
        // wakeMs: from now, -1 for none
        addColumns<bool, int, int, bool, qint64>(
            {"ticked", "alarmSeconds", "timerSeconds", "timerArmed", "wakeMs"});
        QTest::newRow("nothing armed") << false << 0 << 600 << false << qint64(-1);
        QTest::newRow("timer first") << false << 3600 << 600 << true << qint64(600'000);
        QTest::newRow("alarm first") << false << 60 << 600 << true << qint64(60'000);
        QTest::newRow("disarmed timer sooner") << false << 3600 << 60 << false << qint64(3'600'000);
        QTest::newRow("already due") << false << -5 << 600 << true << qint64(-5000);
        QTest::newRow("ticked") << true << 60 << 600 << true << qint64(-1);
    }
    void sleepsUntilTheEarliestDue()
    {
        QFETCH(bool, ticked);
        QFETCH(int, alarmSeconds);
        QFETCH(int, timerSeconds);
        QFETCH(bool, timerArmed);
        AlarmRig rig;
        rig.arm(rig.slots.alarms[1], QStringLiteral("A"), Now.addSecs(alarmSeconds));
        rig.slots.alarms[1].active = alarmSeconds != 0;
        rig.arm(rig.slots.timers[0], QStringLiteral("T"), Now.addSecs(timerSeconds));
        rig.slots.timers[0].active = timerArmed;
        AlarmMonitor& monitor = rig.windows.monitor();
        monitor.setTicked(ticked);
        const qint64 now = Now.toMSecsSinceEpoch();
        QTEST(monitor.wakeAt().value_or(now - 1) - now, "wakeMs");
        if (alarmSeconds < 0) {
            QTRY_VERIFY(!rig.slots.alarms[1].active);
            QCOMPARE(*monitor.wakeAt() - now, timerSeconds * 1000);
        }
    }

    // The window's monitor ticks while the window shows and sleeps while it
    // is hidden, until the first armed slot falls due; a slot set in a
    // dialog meanwhile plans the wake afresh. A slot whose due time passes by
    // a change of the clock rings at once.
    void hiddenWindowWakesAtOnce()
    {
        testing::MainWindowRig rig;
        core::ClockChanges changes;
        const app::MainWindow::Services services{
            rig.counter, rig.clock,       rig.messages, rig.slots, rig.database,
            rig.sound,   rig.notifier,    rig.sysInfo,  rig.print, rig.saveLog,
            {},          &rig.eventClock, &changes};
        app::MainWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.hide();
        window.alarmWindows().showTimerDialog(0);
        set(window.alarmWindows().timerDialog(), QStringLiteral("T"), {"1", "0", "0"});
        const QDateTime due = Now.addSecs(3600);
        QCOMPARE(window.alarmWindows().monitor().wakeAt(), due.toMSecsSinceEpoch());
        rig.clock.set(due.addSecs(2));
        Q_EMIT changes.changed();
        QTRY_VERIFY(!rig.slots.timers[0].active);
    }

    // Whatever fraction of a second Set is pressed at, the countdown rings
    // at the first monitor tick at or after its end and is not marked late,
    // and the dialog counts the seconds down in step with the clock field.
    // Across the spring and autumn changes of the clocks in Berlin, the zone
    // of the tests, it lasts its length in real time.
    void countdownOnTimeIsNeverLate_data()
    {
        // tickPhase: ms into the second of the monitor's ticks
        // length: seconds
        addColumns<QDateTime, int, int>({"setAt", "tickPhase", "length"});
        for (const int phase : {0, 250, 500, 750, 999}) {
            QTest::addRow("4 s set at %d ms", phase) << Now.addMSecs(phase) << 0 << 4;
        }
        QTest::newRow("ticks drifted late") << Now.addMSecs(750) << 490 << 4;
        QTest::newRow("no time, set on the last ms") << Now.addMSecs(999) << 0 << 0;
        // 02:00 becomes 03:00 at 01:00 UTC on 28 March 2027; 03:00 becomes
        // 02:00 at 01:00 UTC on 31 October 2027.
        QTest::newRow("over the spring change")
            << QDateTime(QDate(2027, 3, 28), QTime(0, 59, 58), Qt::UTC).toLocalTime() << 0 << 4;
        QTest::newRow("into the repeated hour")
            << QDateTime(QDate(2027, 10, 31), QTime(0, 59, 58), Qt::UTC).toLocalTime() << 0 << 4;
    }
    void countdownOnTimeIsNeverLate()
    {
        QFETCH(QDateTime, setAt);
        QFETCH(int, tickPhase);
        QFETCH(int, length);
        AlarmRig rig;
        const QDateTime second = setAt.addMSecs(-setAt.time().msec());
        rig.clock.set(setAt);
        TimerDialog* dialog =
            set(timerDialog(rig, 0), "Timer 1", {"0", "0", QString::number(length)});
        QCOMPARE(shownSeconds(dialog), length);

        const QDateTime end = std::max(second.addSecs(length), rig.clock.now());
        QDateTime tick = second.addMSecs(tickPhase);
        while (tick <= rig.clock.now()) {
            tick = tick.addMSecs(500);
        }
        for (; rig.slots.timers[0].active; tick = tick.addMSecs(500)) {
            QVERIFY(tick < end.addMSecs(500));
            rig.clock.set(tick);
            QCOMPARE(shownSeconds(dialog), std::max<qint64>(0, length - second.secsTo(tick)));
            rig.windows.checkDue();
        }
        QVERIFY(tick.addMSecs(-500) >= end);
        QVERIFY2(!rig.log().contains(QStringLiteral("!!!")), qPrintable(rig.log()));
        QCOMPARE(shownSeconds(dialog), 0);
    }

    // Alarm 2 and timer 1 lack a field; the other records name no slot
    // (65637 would be timer 2 if cut to 16 bits). An armed record with no
    // usable due would ring at every start and could never be stored as
    // done: it is switched off, in the file too.
    void loadsUsableRecordsIntoTheirSlots_data()
    {
        addColumns<QString, QStringList, QString>({"records", "slots", "warning"});
        QTest::newRow("their slots only")
            << "(0, '', 45000.25, 0), (101, 'Tea', 46361.5, -1), (1, NULL, 1, 1), "
               "(100, 'n', 1, NULL), (2, 'a', 1, 1), (65637, 'f', 1, 1)"
            << QStringList{"&1: ||45000.25|0", "Timer&1||0|0", "Alarm&2||0|0",
                           "&2: Tea|Tea|46361.5|1"}
            << "";
        for (const char* due : {"1e999", "-1e999", "'soon'", "1e300"}) {
            QTest::newRow(due) << "(1, 'Wake', " + QString(due) + ", 1), (0, 'Fine', 46000.5, 1)"
                               << QStringList{"&1: Fine|Fine|46000.5|1", "Timer&1||0|0",
                                              "&2: Wake|Wake|0|0", "Timer&2||0|0"}
                               << "Alarm 2 'Wake'";
        }
    }
    void loadsUsableRecordsIntoTheirSlots()
    {
        QFETCH(QString, records);
        QFETCH(QString, warning);
        AlarmRig rig(records);
        const QStringList warnings = rig.store.load(rig.menu);
        QStringList loaded;
        for (int i = 0; i < 2; ++i) {
            loaded << rig.menu.alarmCaptions[i] + "|" + describe(rig.slots.alarms[i]);
            loaded << rig.menu.timerCaptions[i] + "|" + describe(rig.slots.timers[i]);
        }
        QTEST(loaded, "slots");
        if (!warning.isEmpty()) {
            QVERIFY2(warnings.size() == 1 && warnings[0].contains(warning),
                     qPrintable(warnings.join(u'\n')));
            QCOMPARE(rig.armedRecords(), (QMap<int, bool>{{0, true}, {1, false}}));
        }
    }

    // Alarm 2 (key 1) and timer 2 (key 101) keep records of their own; keys
    // of no slot are refused. saveArmedFlag keeps an existing record's name
    // and due, and writes a missing one whole.
    void savesOneRecordPerKey()
    {
        AlarmRig rig;
        rig.store.save(1); // a slot never set: its name is empty text, not null
        QCOMPARE(rig.scratch.rows("SELECT aA, an, aT, aF, typeof(an) FROM tAlarm"),
                 (QList<QVariantList>{{1, "", 0.0, 0, "text"}}));
        rig.slots.alarms[1] = {"Wake", 45000.25, true};
        rig.store.save(1);
        rig.slots.timers[1] = {"Tea", 46361.5, true};
        rig.store.save(101);
        QVERIFY_THROWS_EXCEPTION(settings::DatabaseError, rig.store.save(2));
        QVERIFY_THROWS_EXCEPTION(settings::DatabaseError, rig.store.saveArmedFlag(2));
        rig.slots.alarms[1] = {"Renamed", 1.5, false};
        rig.store.saveArmedFlag(1);
        rig.slots.alarms[0] = {"New", 2.5, true};
        rig.store.saveArmedFlag(0);
        QCOMPARE(rig.scratch.rows("SELECT aA, an, aT, aF FROM tAlarm ORDER BY aA"),
                 (QList<QVariantList>{
                     {0, "New", 2.5, 1}, {1, "Wake", 45000.25, 0}, {101, "Tea", 46361.5, 1}}));
    }

    // Without its unique index a file may hold a key twice: load and save
    // both take the first record, so a Set is what the next start shows,
    // and the load says the file lacks its index.
    void duplicateKeysLoadAndSaveTheFirst()
    {
        AlarmRig rig;
        QVERIFY(rig.scratch.exec("DROP INDEX PrimaryKey"));
        QVERIFY(rig.scratch.exec("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (100, 'first', 1, 0), "
                                 "(100, 'second', 2, 1)"));
        const QStringList warnings = rig.store.load(rig.menu);
        QCOMPARE(describe(rig.slots.timers[0]), QStringLiteral("first|1|0"));
        QVERIFY2(warnings.size() == 1 && warnings[0].contains("lacks its unique index"),
                 qPrintable(warnings.join(u'\n')));
        rig.slots.timers[0].name = "Tea";
        rig.store.save(100);
        QCOMPARE(rig.scratch.rows("SELECT an FROM tAlarm ORDER BY rowid"),
                 (QList<QVariantList>{{"Tea"}, {"second"}}));
    }
};

TIKKRO_TEST(TestAlarmMonitor)
#include "TestAlarmMonitor.moc"
