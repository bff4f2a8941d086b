// SPDX-License-Identifier: GPL-3.0-or-later
#include "../app/MainWindowRig.h"
#include "AlarmRig.h"

#include "core/ClockChanges.h"

using namespace tikkro;
using alarms::AlarmSlots;
using testing::at;
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

    // Set and disarm in a dialog plan the sleeping monitor's wake afresh.
    void dialogsPlanTheWake()
    {
        Rig rig;
        alarms::AlarmMonitor& monitor = rig.windows.monitor();
        monitor.setTicked(false);
        alarms::TimerDialog* dialog =
            testing::set(testing::timerDialog(rig, 0), QStringLiteral("Tea"), {"00", "04", "00"});
        QCOMPARE(msFromNow(monitor.wakeAt()), 240'000);
        QTest::mouseClick(dialog->disarmButton(), Qt::LeftButton);
        QCOMPARE(monitor.wakeAt(), std::nullopt);
    }

    // The window's monitor ticks while the window shows and sleeps while it
    // is hidden. A slot whose due time passes by a change of the clock, or
    // while the window is hidden, rings at once, late.
    void hiddenWindowWakesAtOnce_data()
    {
        QTest::addColumn<bool>("byShowing");
        QTest::newRow("clock set past the due time") << false;
        QTest::newRow("window shown again") << true;
    }
    void hiddenWindowWakesAtOnce()
    {
        QFETCH(bool, byShowing);
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
        const QDateTime due = Now.addSecs(3600);
        Rig::arm(rig.slots.alarms[0], QStringLiteral("A"), due);
        alarms::AlarmMonitor& monitor = window.alarmWindows().monitor();
        QCOMPARE(monitor.wakeAt(), std::nullopt);
        window.hide();
        QCOMPARE(monitor.wakeAt(), due.toMSecsSinceEpoch());
        rig.clock.set(due.addSecs(2));
        if (byShowing) {
            window.show();
        } else {
            Q_EMIT changes.changed();
        }
        QTRY_VERIFY(!rig.slots.alarms[0].active);
        QVERIFY(window.alarmWindows().events()->text().contains(QStringLiteral(" !!!")));
    }
};

TIKKRO_TEST(TestAlarmMonitor)
#include "TestAlarmMonitor.moc"
