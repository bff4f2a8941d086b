// SPDX-License-Identifier: GPL-3.0-or-later
#include "../app/MainWindowRig.h"
#include "AlarmRig.h"

#include "core/ClockChanges.h"

using namespace tikkro;
using alarms::AlarmSlots;
using namespace tikkro::testing;
using alarms::TimerDialog;
using Rig = testing::AlarmRig;

namespace {

const QDateTime Now = at(5, 9, 57, 37);
const QString NowText = QStringLiteral("05/12/2026 09:57:37");

QString entry(const QString& title, const QString& due = NowText,
              const QString& effective = NowText)
{
    const QString mark = due == effective ? QString() : QStringLiteral(" !!!");
    return title + "':\n    was due at: " + due + "\n    effective at: " + effective + mark + "\n";
}

// The local time when UTC shows the given time.
QDateTime localAtUtc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toLocalTime();
}

// The fields, hours first, after the dialog's next refresh.
QStringList shown(const TimerDialog* dialog)
{
    tick(dialog->countdownTimer());
    return fields(dialog);
}

QStringList hms(qint64 seconds)
{
    const auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return {two(seconds / 3600), two(seconds / 60 % 60), two(seconds % 60)};
}

qint64 msFromNow(const std::optional<qint64>& instant)
{
    return instant ? *instant - Now.toMSecsSinceEpoch() : -1;
}

} // namespace

class TestAlarmMonitor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The effective time is the tick's, in the general date form of en_GB
    // (pinned for the tests), which shows midnight as the date alone. An
    // entry is marked late when it rang a second or more after its due
    // time, whatever the texts show.
    void lateMarkCountsSeconds_data()
    {
        addColumns<QDateTime, QDateTime, QString>({"due", "tick", "effective"});
        QTest::newRow("a millisecond early") << at(5, 10, 0, 0) << at(5, 9, 59, 59, 999) << "";
        QTest::newRow("999 ms on")
            << at(5, 10, 0, 0) << at(5, 10, 0, 0, 999) << "05/12/2026 10:00:00";
        QTest::newRow("a second on")
            << at(5, 10, 0, 0) << at(5, 10, 0, 1) << "05/12/2026 10:00:01 !!!";
        QTest::newRow("midnight due, tick half a second on")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0, 500) << "06/12/2026 00:00:00";
        QTest::newRow("midnight due, tick on the dot")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0) << "06/12/2026";
    }
    void lateMarkCountsSeconds()
    {
        QFETCH(QDateTime, due);
        QFETCH(QDateTime, tick);
        QFETCH(QString, effective);
        Rig rig;
        rig.clock.set(tick);
        rig.arm(rig.slots.alarms[0], QStringLiteral("A"), due);
        rig.windows.checkDue();
        QCOMPARE(rig.slots.alarms[0].active, effective.isEmpty());
        QCOMPARE(rig.log().section(QStringLiteral("effective at: "), 1).trimmed(), effective);
    }

    // Slots stored armed by an earlier run and due since ring, late, at the
    // next start, each with its sound and a desktop notification, and not at
    // the start after.
    void firedSlotIsNotFiredAgainAfterARestart()
    {
        using Notification = fakes::FakeDesktopNotifier::Notification;
        Rig rig;
        rig.arm(rig.slots.alarms[1], QStringLiteral("Call"), at(5, 8, 30, 0));
        rig.arm(rig.slots.timers[0], QStringLiteral("Eggs"), at(5, 8, 30, 0));
        rig.store.save(AlarmSlots::alarmKey(1));
        rig.store.save(AlarmSlots::timerKey(0));
        for (int start = 0; start < 2; ++start) {
            rig.slots = AlarmSlots();
            rig.store.load(rig.menu);
            rig.windows.checkDue();
        }
        const QString due = QStringLiteral("05/12/2026 08:30:00");
        QCOMPARE(rig.log(), entry("Timer 'Eggs", due) + "\n" + entry("Alarm 'Call", due));
        const QString times = "was due at: " + due + "\neffective at: " + NowText + " !!!";
        QCOMPARE(rig.notifier.sent,
                 (QList<Notification>{{"Timer 'Eggs'", times}, {"Alarm 'Call'", times}}));
        QCOMPARE(rig.sound.played, (QStringList{"ringin.wav", "notify.wav"}));
    }

    void userTextInTheBoxIsKeptUntilClosed()
    {
        Rig rig;
        rig.windows.showEvents();
        QPlainTextEdit* box = rig.windows.events()->textEdit();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("note"));
        rig.arm(rig.slots.timers[1], QStringLiteral("T"), Now);
        rig.windows.checkDue();
        QCOMPARE(rig.log(), "note\n" + entry("Timer 'T"));
        rig.windows.events()->close();
        rig.windows.showEvents();
        QCOMPARE(rig.log(), QString());
    }

    // A flag that cannot be stored is reported without blocking the tick,
    // and the next slot still fires on its own tick.
    void storeFailureIsReportedAndTheMonitorGoesOn()
    {
        Rig rig;
        QVERIFY(rig.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        rig.arm(rig.slots.alarms[0], QStringLiteral("A"), Now);
        rig.arm(rig.slots.timers[0], QStringLiteral("B"), Now.addSecs(1));
        rig.windows.checkDue();
        QCOMPARE(rig.log(), entry("Alarm 'A"));
        QCOMPARE(rig.messages.messages.size(), 1);
        QVERIFY(rig.messages.messages[0].modeless);
        QVERIFY(rig.messages.messages[0].text.contains(QStringLiteral("tAlarm")));
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
        Rig rig;
        if (alarmSeconds != 0) {
            rig.arm(rig.slots.alarms[1], QStringLiteral("A"), Now.addSecs(alarmSeconds));
        }
        rig.arm(rig.slots.timers[0], QStringLiteral("T"), Now.addSecs(timerSeconds));
        rig.slots.timers[0].active = timerArmed;
        alarms::AlarmMonitor& monitor = rig.windows.monitor();
        monitor.setTicked(ticked);
        QTEST(msFromNow(monitor.wakeAt()), "wakeMs");
        if (alarmSeconds < 0) {
            QTRY_VERIFY(!rig.slots.alarms[1].active);
            QCOMPARE(msFromNow(monitor.wakeAt()), timerSeconds * 1000);
        }
    }

    // The window's monitor ticks while the window shows and sleeps while it
    // is hidden, until the first armed slot falls due; a slot set in a
    // dialog meanwhile plans the wake afresh. A slot whose due time passes by
    // a change of the clock rings at once, late.
    void hiddenWindowWakesAtOnce()
    {
        testing::MainWindowRig rig;
        core::ClockChanges changes;
        const app::MainWindow::Services services{
            rig.counter, rig.clock,       rig.messages, rig.slots, rig.database,
            rig.sound,   rig.notifier,    rig.sysInfo,  rig.print, rig.saveLog,
            {},          &rig.eventClock, &changes};
        app::MainWindow window(services);
        window.restoreSession();
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
        QVERIFY(window.alarmWindows().events()->text().contains(QStringLiteral(" !!!")));
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
        QTest::newRow("no time, set early in a second") << Now.addMSecs(250) << 0 << 0;
        QTest::newRow("no time, set on the last ms") << Now.addMSecs(999) << 0 << 0;
        // 02:00 becomes 03:00 at 01:00 UTC on 28 March 2027; 03:00 becomes
        // 02:00 at 01:00 UTC on 31 October 2027.
        QTest::newRow("over the spring change")
            << localAtUtc(2027, 3, 28, 0, 59).addSecs(58) << 0 << 4;
        QTest::newRow("into the repeated hour")
            << localAtUtc(2027, 10, 31, 0, 59).addSecs(58) << 0 << 4;
    }
    void countdownOnTimeIsNeverLate()
    {
        QFETCH(QDateTime, setAt);
        QFETCH(int, tickPhase);
        QFETCH(int, length);
        Rig rig;
        const QDateTime second = setAt.addMSecs(-setAt.time().msec());
        rig.clock.set(setAt);
        TimerDialog* dialog =
            set(timerDialog(rig, 0), "Timer 1", {"0", "0", QString::number(length)});
        QCOMPARE(shown(dialog), hms(length));

        const QDateTime end = std::max(second.addSecs(length), rig.clock.now());
        QDateTime tick = second.addMSecs(tickPhase);
        while (tick <= rig.clock.now()) {
            tick = tick.addMSecs(500);
        }
        for (; rig.slots.timers[0].active; tick = tick.addMSecs(500)) {
            QVERIFY(tick < end.addMSecs(500));
            rig.clock.set(tick);
            QCOMPARE(shown(dialog), hms(std::max<qint64>(0, length - second.secsTo(tick))));
            rig.windows.checkDue();
        }
        QVERIFY(tick.addMSecs(-500) >= end);
        QVERIFY2(!rig.log().contains(QStringLiteral("!!!")), qPrintable(rig.log()));
        QCOMPARE(shown(dialog), hms(0));
    }
};

TIKKRO_TEST(TestAlarmMonitor)
#include "TestAlarmMonitor.moc"
