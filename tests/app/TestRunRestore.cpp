// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch run kept in the settings file: brought back after any end
// but Exit, written only when it changes, and brought back by the real
// program after a kill.
#include "MainWindowRig.h"
#include "app/SingleInstance.h"
#include "core/settings/RunKeeper.h"

#include <QLocalSocket>

using tikkro::settings::RunKeeper;
using tikkro::stopwatch::Command;
using State = tikkro::stopwatch::Stopwatch::State;

class TestRunRestore : public QObject
{
    Q_OBJECT

    // The save that a change asked for, due within a second; the test's tick
    // stands for the timer's.
    static bool savedInTime(tikkro::app::MainWindow& window)
    {
        const int due = window.runSaveTimer().interval();
        QSignalSpy saved(&window.runKeeper(), &RunKeeper::saved);
        Q_EMIT window.runSaveTimer().tick();
        return due > 0 && due <= RunKeeper::GapMs && saved.wait();
    }

private Q_SLOTS:
    void nextStartTakesUpTheRun_data()
    {
        addColumns<QList<Command>, QString, qint64, int, qint64>(
            {"commands", "end", "wallGapMs", "state", "elapsedMs"});
        const QList<Command> lap{Command::Start, Command::Lap};
        const QList<Command> pause{Command::Start, Command::Lap, Command::Pause};
        const QList<Command> reset{Command::Start, Command::Pause, Command::Reset};
        const auto row = [](const char* name, const QList<Command>& commands, const char* end,
                            qint64 gap, State state, qint64 elapsed) {
            QTest::newRow(name) << commands << end << gap << int(state) << elapsed;
        };
        row("running, killed", lap, "kill", 60'000, State::Running, 65'000);
        row("running, clock set back", lap, "kill", -60'000, State::Running, 5'000);
        row("paused, killed", pause, "kill", 60'000, State::Paused, 10'000);
        row("reset, killed", reset, "kill", 60'000, State::Reset, 0);
        row("running, logout", lap, "logout", 60'000, State::Running, 65'000);
        row("paused, exit", pause, "exit", 60'000, State::Reset, 0);
    }
    void nextStartTakesUpTheRun()
    {
        QFETCH(QList<Command>, commands);
        QFETCH(QString, end);
        QFETCH(qint64, wallGapMs);
        tikkro::testing::MainWindowRig rig;
        rig.open();
        for (const Command command : commands) {
            rig.window->runAt(command, std::nullopt);
            rig.counter.advanceMs(5000);
        }
        rig.counter.advanceMs(-5000);
        QTest::keyClicks(rig.logStrip(), "note");
        QVERIFY(savedInTime(*rig.window));
        const QString kept = rig.strip();
        // An edit at the top after the last save: a kill loses it, a logout
        // keeps it.
        QTest::keyClick(rig.logStrip(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(rig.logStrip(), Qt::Key_Delete);
        if (end == "exit") {
            rig.window->close();
        } else if (end == "logout") {
            rig.window->closeKeepingRun();
        }
        const QString last = end == "kill" ? kept : rig.strip();
        rig.window.reset();

        const QDateTime savedAt = rig.clock.now();
        rig.clock.advanceMs(wallGapMs);
        rig.open();
        QTEST(int(rig.window->watch().state()), "state");
        QTEST(rig.window->watch().elapsedMilliseconds(), "elapsedMs");
        const QString restored = savedAt.toString("dd.MM.yyyy  HH:mm:ss ") +
                                 QStringLiteral(" Date/Time ended, run restored\n");
        QCOMPARE(rig.strip(), end == "exit" ? QString() : last + "\n" + restored);
        // The restored run is itself kept, so a second crash keeps it too.
        QCOMPARE(rig.window->runSaveTimer().interval() > 0, end != "exit");
    }

    // Nothing is written until the run changes: not at start-up, not while a
    // watch runs untouched. A file from before runs were kept gets the
    // run's table beside its own, which stay as they were.
    void onlyChangesWrite()
    {
        tikkro::testing::MainWindowRig rig;
        rig.database.createIfMissing();
        const QString schema =
            "SELECT sql FROM sqlite_master WHERE name IN ('tUser', 'tAlarm') ORDER BY name";
        const QList<QVariantList> before = rig.scratch.rows(schema);
        rig.open();
        QCOMPARE(rig.window->runSaveTimer().interval(), 0);

        rig.window->runAt(Command::Start, std::nullopt);
        QVERIFY(savedInTime(*rig.window));
        for (int i = 0; i < 100; ++i) {
            rig.counter.advanceMs(1000);
            Q_EMIT rig.window->refreshTimer().tick();
        }
        QCOMPARE(rig.window->runSaveTimer().interval(), 0);
        QCOMPARE(rig.scratch.rows(schema), before);
        QCOMPARE(rig.scratch.rows("SELECT rWatch, rElapsed, rClean FROM tRun"),
                 (QList<QVariantList>{{1, 0, 0}}));
    }

    // The real program, killed with SIGKILL after a Start given on its
    // command line, brings the run back at its next start; ended by SIGTERM
    // it keeps the run too.
    void killedProgramComesBack()
    {
#ifndef TIKKRO_PROGRAM
        QSKIP("Starts the real program, which this build does not test");
#else
        QTemporaryDir folder;
        QTemporaryDir runtime;
        const QString program = folder.filePath(QStringLiteral("tikkro"));
        QVERIFY(QFile::copy(QStringLiteral(TIKKRO_PROGRAM), program));
        const tikkro::settings::SettingsDatabase database(folder.filePath("tikkro.mdb"));
        // The programs started inherit the runtime folder, on which the
        // server's name depends.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString server = tikkro::app::SingleInstance::serverNameFor(database.filePath());
        const auto answers = [&server] {
            QLocalSocket socket;
            socket.connectToServer(server);
            return socket.waitForConnected(1000);
        };
        const auto keptLog = [&database] {
            try {
                const auto run = database.storedRun();
                return run ? run->log : QString();
            } catch (const tikkro::settings::DatabaseError&) {
                return QString();
            }
        };
        QProcess running;
        running.start(program);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20'000);
        QCOMPARE(QProcess::execute(program, {QStringLiteral("--start")}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(keptLog().contains("   Start\n"), 5000);
        running.kill();
        QVERIFY(running.waitForFinished(10'000));
        running.start(program);
        QTRY_VERIFY_WITH_TIMEOUT(keptLog().contains("run restored"), 20'000);
        running.terminate();
        QVERIFY(running.waitForFinished(10'000));
        QVERIFY(!database.storedRun()->endedCleanly);
#endif
    }
};

TIKKRO_TEST(TestRunRestore)
#include "TestRunRestore.moc"
