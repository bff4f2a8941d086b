// SPDX-License-Identifier: GPL-3.0-or-later
#include "../app/MainWindowRig.h"
#include "AlarmRig.h"

#include "core/ClockChanges.h"

#include "TestMain.h"
#include "TestSupport.h"

using namespace tikkro;
using testing::at;

namespace {
const QDateTime Now = at(5, 9, 57, 37);

qint64 msFromNow(const std::optional<qint64>& instant)
{
    return instant ? *instant - Now.toMSecsSinceEpoch() : -1;
}
} // namespace

class TestMonitorSleep : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Unticked, the monitor sleeps until the first armed slot falls due;
    // ticked, or with nothing armed, it plans nothing of its own.
    void sleepsUntilTheEarliestDue_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("alarmSeconds"); // from now; 0: not armed
        QTest::addColumn<int>("timerSeconds");
        QTest::addColumn<bool>("timerArmed");
        QTest::addColumn<qint64>("wakeMs"); // -1: none
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
        testing::AlarmRig rig;
        if (alarmSeconds != 0) {
            rig.arm(rig.slots.alarms[1], QStringLiteral("A"), Now.addSecs(alarmSeconds));
        }
        rig.arm(rig.slots.timers[0], QStringLiteral("T"), Now.addSecs(timerSeconds));
        rig.slots.timers[0].active = timerArmed;
        alarms::AlarmMonitor& monitor = rig.windows.monitor();
        // A slot already due rings at once, not at the next planned wake.
        const bool ringsAtOnce = alarmSeconds < 0 && !ticked;
        monitor.setTicked(ticked);
        QTEST(msFromNow(monitor.wakeAt()), "wakeMs");
        if (ringsAtOnce) {
            QTRY_VERIFY(!rig.slots.alarms[1].active);
            QCOMPARE(rig.log().section(QLatin1Char('\n'), 2, 2),
                     QStringLiteral("    effective at: 05/12/2026 09:57:37 !!!"));
            QCOMPARE(msFromNow(monitor.wakeAt()), timerArmed ? timerSeconds * 1000 : -1);
        }
    }

    // Set and disarm in a dialog plan the sleeping monitor's wake afresh.
    void dialogsPlanTheWake()
    {
        testing::AlarmRig rig;
        alarms::AlarmMonitor& monitor = rig.windows.monitor();
        monitor.setTicked(false);
        alarms::TimerDialog* dialog =
            testing::set(testing::timerDialog(rig, 0), QStringLiteral("Tea"), {"00", "04", "00"});
        QCOMPARE(msFromNow(monitor.wakeAt()), 240'000);
        QTest::mouseClick(dialog->disarmButton(), Qt::LeftButton);
        QCOMPARE(monitor.wakeAt(), std::nullopt);
    }

    // The window's monitor ticks while the window shows and sleeps while it
    // is hidden. A slot whose due time passes by a change of the clock rings
    // at once, and so does one that fell due while the window was hidden
    // when it shows again: at the first check after its due time, marked
    // late as any slot that rang a second or more after it.
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
        auto window = std::make_unique<app::MainWindow>(app::MainWindow::Services{rig.counter,
                                                                                  rig.clock,
                                                                                  rig.messages,
                                                                                  rig.slots,
                                                                                  rig.database,
                                                                                  rig.sound,
                                                                                  rig.notifier,
                                                                                  rig.sysInfo,
                                                                                  rig.print,
                                                                                  rig.saveLog,
                                                                                  {},
                                                                                  &rig.eventClock,
                                                                                  &changes});
        window->restoreSession();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QDateTime due = Now.addSecs(3600);
        testing::AlarmRig::arm(rig.slots.alarms[0], QStringLiteral("A"), due);
        alarms::AlarmMonitor& monitor = window->alarmWindows().monitor();
        QCOMPARE(monitor.wakeAt(), std::nullopt);

        window->hide();
        QCOMPARE(monitor.wakeAt(), due.toMSecsSinceEpoch());
        rig.clock.set(due.addSecs(2));
        if (byShowing) {
            window->show();
        } else {
            Q_EMIT changes.changed();
        }
        QTRY_VERIFY(!rig.slots.alarms[0].active);
        QVERIFY(window->alarmWindows().events()->text().contains(QStringLiteral(" !!!")));
    }
};

TIKKRO_TEST(TestMonitorSleep)
#include "TestMonitorSleep.moc"
