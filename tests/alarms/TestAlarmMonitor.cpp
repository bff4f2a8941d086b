// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmRig.h"
#include "alarms/GeneralDateFormat.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace tikkro;
using alarms::AlarmSlots;

namespace {

using testing::at;
using testing::ole;
using Rig = testing::AlarmRig;

QString entry(const QString& title, const QString& due, const QString& effective)
{
    const QString mark = due == effective ? QString() : QStringLiteral(" !!!");
    return title + QStringLiteral("':\r\n    was due at: ") + due +
           QStringLiteral("\r\n    effective at: ") + effective + mark + QStringLiteral("\r\n");
}

} // namespace

class TestAlarmMonitor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void generalDateFollowsTheLocaleWithoutZone_data()
    {
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<QString>("text");
        QTest::newRow("time of day") << at(5, 9, 57, 37) << "05/12/2026 09:57:37";
        QTest::newRow("fraction dropped") << at(5, 9, 57, 37, 999) << "05/12/2026 09:57:37";
        QTest::newRow("midnight is the date alone") << at(6, 0, 0, 0) << "06/12/2026";
        QTest::newRow("just after midnight") << at(6, 0, 0, 0, 500) << "06/12/2026 00:00:00";
    }
    void generalDateFollowsTheLocaleWithoutZone()
    {
        QFETCH(QDateTime, dateTime);
        QFETCH(QString, text);
        QCOMPARE(alarms::GeneralDateFormat().format(dateTime), text);
    }

    void idleTickOnlyGivesTheClockText()
    {
        Rig rig;
        // Disarmed slots never fire, however long ago they were due.
        rig.slots.Alarms[0] = {QStringLiteral("Old"), ole(at(1, 8, 0, 0)), false};
        QCOMPARE(rig.windows->Timer2_Timer(), QStringLiteral("05.12.26   09:57:37"));
        QVERIFY(rig.windows->events() == nullptr);
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(rig.records().isEmpty());
    }

    void slotsFireInOrderSharingOneEffectiveTime()
    {
        Rig rig;
        rig.clock.set(at(5, 9, 57, 37, 400));
        rig.arm(rig.slots.Alarms[0], QStringLiteral("Wake"), at(5, 9, 57, 37));
        rig.arm(rig.slots.Timers[0], QStringLiteral("Tea"), at(5, 9, 50, 0));
        rig.arm(rig.slots.Alarms[1], QString(), at(4, 23, 0, 0));
        rig.arm(rig.slots.Timers[1], QStringLiteral("Later"), at(5, 9, 57, 38));

        QCOMPARE(rig.windows->Timer2_Timer(), QStringLiteral("05.12.26   09:57:37"));

        const QString now = QStringLiteral("05/12/2026 09:57:37");
        QCOMPARE(
            rig.log(),
            entry(QStringLiteral("Alarm 'Wake"), now, now) + QStringLiteral("\r\n") +
                entry(QStringLiteral("Timer 'Tea"), QStringLiteral("05/12/2026 09:50:00"), now) +
                QStringLiteral("\r\n") +
                entry(QStringLiteral("Alarm '"), QStringLiteral("04/12/2026 23:00:00"), now));
        QCOMPARE(rig.sound.played,
                 QStringList({QStringLiteral("notify.wav"), QStringLiteral("ringin.wav"),
                              QStringLiteral("notify.wav")}));
        QVERIFY(!rig.slots.Alarms[0].Active && !rig.slots.Timers[0].Active &&
                !rig.slots.Alarms[1].Active);
        QVERIFY(rig.slots.Timers[1].Active);
        // Each fired slot got a record saying it is done.
        const auto records = rig.records();
        QCOMPARE(records.keys(), (QList<int>{0, 1, 100}));
        for (const auto& record : records) {
            QVERIFY(!record.armed);
        }

        // Fired slots stay quiet; the last one comes due at its own instant.
        rig.clock.set(at(5, 9, 57, 38));
        rig.windows->Timer2_Timer();
        QCOMPARE(rig.sound.played.size(), 4);
        QVERIFY(rig.log().endsWith(entry(QStringLiteral("Timer 'Later"),
                                         QStringLiteral("05/12/2026 09:57:38"),
                                         QStringLiteral("05/12/2026 09:57:38"))));
        rig.clock.advanceMs(500);
        rig.windows->Timer2_Timer();
        QCOMPARE(rig.sound.played.size(), 4);
    }

    void lateMarkComparesTheTexts_data()
    {
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<QDateTime>("tick");
        QTest::addColumn<bool>("fires");
        QTest::addColumn<bool>("marked");
        QTest::newRow("due equals tick") << at(5, 10, 0, 0) << at(5, 10, 0, 0) << true << false;
        QTest::newRow("a millisecond early")
            << at(5, 10, 0, 0) << at(5, 9, 59, 59, 999) << false << false;
        QTest::newRow("same second, later tick")
            << at(5, 10, 0, 0, 300) << at(5, 10, 0, 0, 800) << true << false;
        QTest::newRow("second turned before the tick")
            << at(5, 10, 0, 0, 700) << at(5, 10, 0, 1, 200) << true << true;
        QTest::newRow("midnight due, tick half a second on")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0, 500) << true << true;
        QTest::newRow("midnight due, tick on the dot")
            << at(6, 0, 0, 0) << at(6, 0, 0, 0) << true << false;
    }
    void lateMarkComparesTheTexts()
    {
        QFETCH(QDateTime, due);
        QFETCH(QDateTime, tick);
        QFETCH(bool, fires);
        QFETCH(bool, marked);
        Rig rig;
        rig.clock.set(tick);
        rig.arm(rig.slots.Alarms[0], QStringLiteral("A"), due);
        rig.windows->Timer2_Timer();
        QCOMPARE(rig.windows->events() != nullptr, fires);
        QCOMPARE(!rig.slots.Alarms[0].Active, fires);
        if (fires) {
            QCOMPARE(rig.log().endsWith(QStringLiteral(" !!!\r\n")), marked);
        }
    }

    void firedSlotIsNotFiredAgainAfterARestart()
    {
        // An earlier run set an alarm and a countdown, both ending at 08:30.
        Rig earlier;
        earlier.arm(earlier.slots.Alarms[1], QStringLiteral("Call"), at(5, 8, 30, 0));
        earlier.arm(earlier.slots.Timers[0], QStringLiteral("Eggs"), at(5, 8, 30, 0));
        earlier.store.SaveAlarm(AlarmSlots::alarmKey(1));
        earlier.store.SaveAlarm(AlarmSlots::timerKey(0));
        earlier.clock.set(at(5, 9, 0, 0));

        const auto startAndTick = [&earlier] {
            AlarmSlots slots;
            alarms::AlarmStore store(earlier.database, slots);
            store.LoadAlarms(earlier.menu);
            alarms::AlarmWindows windows(slots, store, earlier.menu, earlier.clock, earlier.sound,
                                         earlier.messages);
            windows.Timer2_Timer();
            return windows.events() != nullptr ? windows.events()->text() : QString();
        };

        // The program was closed at 08:30; the first tick fires both, late.
        const QString first = startAndTick();
        const QString due = QStringLiteral("05/12/2026 08:30:00");
        const QString now = QStringLiteral("05/12/2026 09:00:00");
        QCOMPARE(first, entry(QStringLiteral("Timer 'Eggs"), due, now) + QStringLiteral("\r\n") +
                            entry(QStringLiteral("Alarm 'Call"), due, now));
        QCOMPARE(earlier.sound.played.size(), 2);

        earlier.clock.advanceMs(60'000);
        QCOMPARE(startAndTick(), QString());
        QCOMPARE(earlier.sound.played.size(), 2);
    }

    void userTextInTheBoxIsKept()
    {
        Rig rig;
        rig.windows->showEvents();
        QPlainTextEdit* box = rig.windows->events()->txtEventLog();
        QVERIFY(box->toPlainText().isEmpty());
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("note"));

        rig.arm(rig.slots.Timers[1], QStringLiteral("T"), rig.clock.now());
        rig.windows->Timer2_Timer();
        const QString now = QStringLiteral("05/12/2026 09:57:37");
        QCOMPARE(rig.log(),
                 QStringLiteral("note\r\n") + entry(QStringLiteral("Timer 'T"), now, now));
    }

    void closingTheEventsWindowDiscardsItsText()
    {
        Rig rig;
        rig.arm(rig.slots.Alarms[0], QStringLiteral("A"), rig.clock.now());
        rig.windows->Timer2_Timer();
        QVERIFY(!rig.log().isEmpty());
        rig.windows->events()->close();
        QVERIFY(rig.windows->events() == nullptr);

        rig.windows->showEvents();
        alarms::frmEvents* window = rig.windows->events();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(rig.log(), QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Alarm and Timer Events"));
        QCOMPARE(window->size(), QSize(415, 145));
        QCOMPARE(window->txtEventLog()->palette().color(QPalette::Base), QColor(0, 192, 192));
    }

    void storeFailureIsReportedAndTheMonitorGoesOn()
    {
        Rig rig;
        QVERIFY(rig.scratch.exec(QStringLiteral("DROP TABLE tAlarm")));
        rig.arm(rig.slots.Alarms[0], QStringLiteral("A"), rig.clock.now());
        rig.arm(rig.slots.Timers[0], QStringLiteral("B"), rig.clock.now().addSecs(1));

        QCOMPARE(rig.windows->Timer2_Timer(), QStringLiteral("05.12.26   09:57:37"));
        QVERIFY(!rig.slots.Alarms[0].Active);
        QVERIFY(rig.log().startsWith(QStringLiteral("Alarm 'A':\r\n")));
        QCOMPARE(rig.messages.messages.size(), 1);
        const auto& report = rig.messages.messages.first();
        QVERIFY(report.modeless);
        QCOMPARE(report.title, QStringLiteral("Tikkro"));
        QCOMPARE(report.icon, ui::MessageService::Icon::Warning);
        QVERIFY2(report.text.contains(QStringLiteral("tAlarm")), qPrintable(report.text));

        // The next slot still fires on its own tick, and is reported again.
        rig.clock.advanceMs(1000);
        QCOMPARE(rig.windows->Timer2_Timer(), QStringLiteral("05.12.26   09:57:38"));
        QVERIFY(!rig.slots.Timers[0].Active);
        QVERIFY(rig.log().contains(QStringLiteral("\r\n\r\nTimer 'B':\r\n")));
        QCOMPARE(rig.messages.messages.size(), 2);
    }
};

QTEST_MAIN(TestAlarmMonitor)
#include "TestAlarmMonitor.moc"
