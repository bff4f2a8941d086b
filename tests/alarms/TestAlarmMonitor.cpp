// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"

using namespace tikkro;
using alarms::AlarmSlots;
using testing::at;
using Rig = testing::AlarmRig;

namespace {

const QString Now = QStringLiteral("05/12/2026 09:57:37");

QString entry(const QString& title, const QString& due = Now, const QString& effective = Now)
{
    const QString mark = due == effective ? QString() : QStringLiteral(" !!!");
    return title + QStringLiteral("':\n    was due at: ") + due +
           QStringLiteral("\n    effective at: ") + effective + mark + QStringLiteral("\n");
}

} // namespace

class TestAlarmMonitor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The effective time is the tick's, in the general date form of en_GB
    // (pinned for the tests). An entry is marked late when it rang a second
    // or more after its due time, whatever the texts show.
    void lateMarkCountsSeconds_data()
    {
        addColumns<QDateTime, QDateTime, QString>({"due", "tick", "effective"});
        QTest::newRow("due equals tick")
            << at(5, 10, 0, 0) << at(5, 10, 0, 0) << "05/12/2026 10:00:00";
        QTest::newRow("a millisecond early") << at(5, 10, 0, 0) << at(5, 9, 59, 59, 999) << "";
        QTest::newRow("999 ms on")
            << at(5, 10, 0, 0) << at(5, 10, 0, 0, 999) << "05/12/2026 10:00:00";
        QTest::newRow("a second on")
            << at(5, 10, 0, 0) << at(5, 10, 0, 1) << "05/12/2026 10:00:01 !!!";
        QTest::newRow("midnight due, tick half a second on")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0, 500) << "06/12/2026 00:00:00";
        QTest::newRow("midnight due, tick on the dot")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0) << "06/12/2026";
        QTest::newRow("midnight due, a minute late")
            << at(6, 0, 0, 0) << at(6, 0, 1, 0) << "06/12/2026 00:01:00 !!!";
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

    // One notification and one sound per slot that fires, the notification
    // with its entry's title and times and the late mark; a tick with
    // nothing due sends none.
    void firingSlotsNotifyTheDesktop()
    {
        using Notification = fakes::FakeDesktopNotifier::Notification;
        Rig rig;
        rig.windows.checkDue();
        QVERIFY(rig.notifier.sent.isEmpty());
        rig.arm(rig.slots.alarms[0], QStringLiteral("Wake"), at(5, 9, 57, 37));
        rig.arm(rig.slots.timers[1], QStringLiteral("Tea"), at(5, 9, 50, 0));
        rig.windows.checkDue();
        rig.windows.checkDue();
        QCOMPARE(rig.notifier.sent,
                 (QList<Notification>{
                     {"Alarm 'Wake'", "was due at: " + Now + "\neffective at: " + Now},
                     {"Timer 'Tea'",
                      "was due at: 05/12/2026 09:50:00\neffective at: " + Now + " !!!"}}));
        QCOMPARE(rig.sound.played, (QStringList{"notify.wav", "ringin.wav"}));
    }

    // An earlier run set an alarm and a countdown, both ending at 08:30, and
    // was closed before then: the next start rings them, late, and the one
    // after does not.
    void firedSlotIsNotFiredAgainAfterARestart()
    {
        Rig rig;
        rig.arm(rig.slots.alarms[1], QStringLiteral("Call"), at(5, 8, 30, 0));
        rig.arm(rig.slots.timers[0], QStringLiteral("Eggs"), at(5, 8, 30, 0));
        rig.store.save(AlarmSlots::alarmKey(1));
        rig.store.save(AlarmSlots::timerKey(0));
        rig.clock.set(at(5, 9, 0, 0));
        for (const int start : {1, 2}) {
            rig.slots = AlarmSlots();
            rig.store.load(rig.menu);
            rig.windows.checkDue();
            QCOMPARE(rig.sound.played.size(), 2);
            if (start == 1) {
                const QString due = QStringLiteral("05/12/2026 08:30:00");
                const QString now = QStringLiteral("05/12/2026 09:00:00");
                QCOMPARE(rig.log(),
                         entry("Timer 'Eggs", due, now) + "\n" + entry("Alarm 'Call", due, now));
            }
        }
    }

    void userTextInTheBoxIsKeptUntilClosed()
    {
        Rig rig;
        rig.windows.showEvents();
        QPlainTextEdit* box = rig.windows.events()->textEdit();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("note"));

        rig.arm(rig.slots.timers[1], QStringLiteral("T"), rig.clock.now());
        rig.windows.checkDue();
        QCOMPARE(rig.log(), "note\n" + entry("Timer 'T"));

        rig.windows.events()->close();
        rig.windows.showEvents();
        QCOMPARE(rig.log(), QString());
    }

    void storeFailureIsReportedAndTheMonitorGoesOn()
    {
        Rig rig;
        QVERIFY(rig.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        rig.arm(rig.slots.alarms[0], QStringLiteral("A"), rig.clock.now());
        rig.arm(rig.slots.timers[0], QStringLiteral("B"), rig.clock.now().addSecs(1));

        rig.windows.checkDue();
        QVERIFY(!rig.slots.alarms[0].active);
        QCOMPARE(rig.log(), entry("Alarm 'A"));
        QCOMPARE(rig.messages.messages.size(), 1);
        const auto& report = rig.messages.messages.first();
        QVERIFY(report.modeless);
        QCOMPARE(report.title, QStringLiteral("Tikkro"));
        QVERIFY2(report.text.contains(QStringLiteral("tAlarm")), qPrintable(report.text));

        // The next slot still fires on its own tick, and is reported again.
        rig.clock.advanceMs(1000);
        QCOMPARE(rig.windows.checkDue(), QStringLiteral("05.12.26   09:57:38"));
        QVERIFY(!rig.slots.timers[0].active);
        QCOMPARE(rig.messages.messages.size(), 2);
    }
};

TIKKRO_TEST(TestAlarmMonitor)
#include "TestAlarmMonitor.moc"
