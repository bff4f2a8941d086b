// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RingWhenClosed.h"
#include "desktop/SystemdWakeScheduler.h"
#include "fakes/FakeWakeScheduler.h"

#include "MainWindowRig.h"

using tikkro::desktop::SystemdWakeScheduler;

class TestWakeScheduling : public QObject
{
    Q_OBJECT

    // Stands for a cancel among the expected moments.
    static constexpr int Cancelled = -1;
    std::unique_ptr<tikkro::testing::MainWindowRig> rig;
    std::unique_ptr<tikkro::app::MainWindow> window;
    tikkro::fakes::FakeWakeScheduler scheduler;
    std::unique_ptr<tikkro::app::RingWhenClosed> ring;

    qint64 inSeconds(int seconds) const
    {
        return rig->clock.now().toMSecsSinceEpoch() + seconds * qint64(1000);
    }
    std::optional<qint64> expected(int seconds) const
    {
        return seconds == Cancelled ? std::nullopt : std::optional<qint64>(inSeconds(seconds));
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    // The program's start: the window, then the switch, then the slots that
    // fell due fire at once.
    void startWith(const QList<int>& armedInSeconds)
    {
        window->restoreSession();
        for (qsizetype i = 0; i < armedInSeconds.size(); ++i) {
            auto& kind = i % 2 == 0 ? rig->slots.alarms : rig->slots.timers;
            tikkro::alarms::AlarmSlot& slot = kind.at(static_cast<std::size_t>(i / 2));
            slot.setDueInstant(inSeconds(armedInSeconds.at(i)));
            slot.active = true;
        }
        ring->start(*window->extraMenu());
        window->alarmWindows().monitor().checkNow();
    }
    // A new window and switch on the same file.
    void restart()
    {
        ring.reset();
        window = rig->makeWindow();
        scheduler.handed.clear();
        ring = std::make_unique<tikkro::app::RingWhenClosed>(
            rig->slots, window->alarmWindows().monitor(), rig->database, scheduler, rig->messages);
    }

private Q_SLOTS:
    void init()
    {
        ring.reset();
        window.reset();
        rig = std::make_unique<tikkro::testing::MainWindowRig>();
        restart();
    }

    void unitText_data()
    {
        addColumns<QString, QString>({"unit", "line"});
        QProcessEnvironment env;
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/bus,guid=\"a\\b\"");
        const QString service = SystemdWakeScheduler::serviceText("/opt/my tools/tikkro%1", env);
        QTest::newRow("winter time, to the second below")
            << SystemdWakeScheduler::timerText(
                   QDateTime(QDate(2026, 12, 7), QTime(22, 30, 0, 750)).toMSecsSinceEpoch())
            << "OnCalendar=2026-12-07 21:30:00 UTC";
        QTest::newRow("blank and specifier in the program's path")
            << service << "ExecStart=\"/opt/my tools/tikkro%%1\"";
        QTest::newRow("quote and backslash in a value")
            << service
            << "Environment=\"DBUS_SESSION_BUS_ADDRESS=unix:path=/run/bus,guid=\\\"a\\\\b\\\"\"";
    }
    void unitText()
    {
        QFETCH(QString, unit);
        QFETCH(QString, line);
        QVERIFY2(unit.split('\n').contains(line), qPrintable(unit));
    }

    void handsOverTheEarliest_data()
    {
        // alarm 1, timer 1, alarm 2, timer 2
        addColumns<QList<int>, bool, int>({"armed", "switchedOff", "expected"});
        QTest::newRow("earliest of several") << QList<int>{600, 3600, 59, 61} << false << 59;
        QTest::newRow("fired gives way to the next") << QList<int>{-5, 120} << false << 120;
        QTest::newRow("switched off: removed") << QList<int>{60} << true << Cancelled;
    }
    void handsOverTheEarliest()
    {
        QFETCH(QList<int>, armed);
        QFETCH(bool, switchedOff);
        QFETCH(int, expected);
        startWith(armed);
        if (switchedOff) {
            action("ringWhenClosedAction")->trigger();
        }
        QCOMPARE(scheduler.handed.value(scheduler.handed.size() - 1, 0), this->expected(expected));
    }

    // Set and disarm in a dialog, a firing and a switch kept off over a
    // restart each reach the service manager at once.
    void followsEveryChange()
    {
        startWith({});
        action("timerAction1")->trigger();
        auto* dialog = window->alarmWindows().timerDialog();
        dialog->field(0)->setText("30");
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
        QCOMPARE(scheduler.handed.last(), expected(30));
        QTest::mouseClick(dialog->disarmButton(), Qt::LeftButton);
        QCOMPARE(scheduler.handed.last(), expected(Cancelled));
        dialog->field(0)->setText("30");
        QTest::mouseClick(dialog->setButton(), Qt::LeftButton);
        rig->clock.advanceMs(30'000);
        Q_EMIT window->monitorTimer().tick();
        QCOMPARE(scheduler.handed.last(), expected(Cancelled));

        action("ringWhenClosedAction")->trigger();
        restart();
        startWith({60});
        QVERIFY(!action("ringWhenClosedAction")->isChecked());
        QCOMPARE(scheduler.handed, (QList<std::optional<qint64>>{std::nullopt}));
    }

    void writesAndRemovesTheUnits()
    {
        const QTemporaryDir config;
        const SystemdWakeScheduler units(rig->scratch.path(), "/usr/bin/tikkro", {}, config.path());
        QVERIFY(units.writeUnits(inSeconds(61)));
        QFile timer(units.timerPath());
        QVERIFY(timer.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(timer.readAll()),
                 SystemdWakeScheduler::timerText(inSeconds(61)));
        QVERIFY(QFile::exists(units.servicePath()));
        QCOMPARE(QFileInfo(units.enablingLink()).symLinkTarget(), units.timerPath());
        QVERIFY(units.removeUnits());
        QVERIFY(!QFileInfo(units.enablingLink()).isSymLink() && !QFile::exists(units.timerPath()) &&
                !QFile::exists(units.servicePath()));
    }
};

TIKKRO_TEST(TestWakeScheduling)
#include "TestWakeScheduling.moc"
