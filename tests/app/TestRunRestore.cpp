// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch run kept in the settings file: brought back after any end
// but Exit, written only when it changes, and after a real kill -9 of the
// real program.
#include "MainWindowRig.h"
#include "app/SingleInstance.h"
#include "core/settings/RunKeeper.h"
#include "stopwatch/LogStrip.h"

#include "TestSupport.h"
#include <QLocalSocket>

using tikkro::app::MainWindow;
using tikkro::settings::RunKeeper;
using tikkro::stopwatch::Command;
using State = tikkro::stopwatch::Stopwatch::State;

namespace {

std::unique_ptr<MainWindow> opened(tikkro::testing::MainWindowRig& rig)
{
    auto window = rig.makeWindow();
    window->restoreSession();
    return window;
}

QString strip(MainWindow& window)
{
    return window.findChild<tikkro::stopwatch::LogStrip*>(QStringLiteral("logStrip"))->text();
}

// The save that a change asked for, due within a second; the test's tick
// stands for the timer's.
bool savedInTime(MainWindow& window)
{
    const int due = window.runSaveTimer().interval();
    QSignalSpy saved(&window.runKeeper(), &RunKeeper::saved);
    Q_EMIT window.runSaveTimer().tick();
    return due > 0 && due <= RunKeeper::GapMs && saved.wait();
}

QString tableSchema(const tikkro::fakes::ScratchDatabase& scratch)
{
    QString schema;
    for (const QVariantList& row : scratch.rows(QStringLiteral(
             "SELECT sql FROM sqlite_master WHERE name IN ('tUser', 'tAlarm') ORDER BY name"))) {
        schema += row.value(0).toString();
    }
    return schema;
}

} // namespace

class TestRunRestore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextStartTakesUpTheRun_data()
    {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("end");
        QTest::addColumn<qint64>("wallGapMs");
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("elapsedMs");
        const auto row = [](const char* name, const char* commands, const char* end, qint64 gap,
                            State state, qint64 elapsed) {
            QTest::newRow(name) << commands << end << gap << int(state) << elapsed;
        };
        row("running, killed", "start lap", "kill", 60'000, State::Running, 65'000);
        row("running, clock set back", "start lap", "kill", -60'000, State::Running, 5'000);
        row("paused, killed", "start lap pause", "kill", 60'000, State::Paused, 10'000);
        row("reset, killed", "start pause reset", "kill", 60'000, State::Reset, 0);
        row("running, logout", "start lap", "logout", 60'000, State::Running, 65'000);
        row("paused, exit", "start lap pause", "exit", 60'000, State::Reset, 0);
    }
    void nextStartTakesUpTheRun()
    {
        QFETCH(QString, commands);
        QFETCH(QString, end);
        QFETCH(qint64, wallGapMs);
        tikkro::testing::MainWindowRig rig;
        auto window = opened(rig);
        const QStringList verbs = commands.split(u' ');
        for (const QString& verb : verbs) {
            window->runAt(verb == "start"   ? Command::Start
                          : verb == "lap"   ? Command::Lap
                          : verb == "pause" ? Command::Pause
                                            : Command::Reset,
                          std::nullopt);
            rig.counter.advanceMs(5000);
        }
        rig.counter.advanceMs(-5000);
        QTest::keyClicks(window->findChild<QWidget*>(QStringLiteral("logStrip")), "note");
        QVERIFY(savedInTime(*window));
        const QString kept = strip(*window);
        // Typed at the top after the last save: a kill loses it, a logout
        // keeps it.
        QWidget* logStrip = window->findChild<QWidget*>(QStringLiteral("logStrip"));
        QTest::keyClick(logStrip, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(logStrip, "!");
        if (end == "exit") {
            window->close();
        } else if (end == "logout") {
            window->closeKeepingRun();
        }
        const QString last = strip(*window);
        window.reset();

        const QDateTime savedAt = rig.clock.now();
        rig.clock.advanceMs(wallGapMs);
        window = opened(rig);
        QTEST(int(window->watch().state()), "state");
        QTEST(window->watch().elapsedMilliseconds(), "elapsedMs");
        const QString restoredLine = savedAt.toString("dd.MM.yyyy  HH:mm:ss ") +
                                     QStringLiteral(" Date/Time ended, run restored\n");
        QCOMPARE(strip(*window), end == "exit"   ? QString()
                                 : end == "kill" ? kept + "\n" + restoredLine
                                                 : last + "\n" + restoredLine);
        // The restored run is itself kept, so a second crash keeps it too.
        QCOMPARE(window->runSaveTimer().interval() > 0, end != "exit");
    }

    // Nothing is written until the run changes: not at start-up, not while a
    // watch runs untouched. A file from before runs were kept opens as
    // before and gets the run's table beside its own, which stay as they
    // were.
    void onlyChangesWrite()
    {
        tikkro::testing::MainWindowRig rig;
        rig.database.createIfMissing();
        const QString schema = tableSchema(rig.scratch);
        QVERIFY(rig.scratch.exec("INSERT INTO tUser (MeLeft, MeTop) VALUES (1500, 750)"));
        auto window = opened(rig);
        QCOMPARE(window->pos(), QPoint(100, 50));
        QCOMPARE(window->runSaveTimer().interval(), 0);

        window->runAt(Command::Start, std::nullopt);
        QVERIFY(savedInTime(*window));
        for (int i = 0; i < 100; ++i) {
            rig.counter.advanceMs(1000);
            Q_EMIT window->refreshTimer().tick();
        }
        QCOMPARE(window->runSaveTimer().interval(), 0);
        QCOMPARE(tableSchema(rig.scratch), schema);
        QCOMPARE(rig.scratch.rows("SELECT rWatch, rElapsed, rClean FROM tRun"),
                 (QList<QVariantList>{{1, 0, 0}}));
    }

    // The real program, killed with SIGKILL after a Start and a Lap given on
    // its command line, brings both back running at its next start.
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), runtime.filePath("data"));
        // The name depends on the runtime folder, as in the program.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString server = tikkro::app::SingleInstance::serverNameFor(database.filePath());
        const auto answers = [&server] {
            QLocalSocket socket;
            socket.connectToServer(server);
            return socket.waitForConnected(1000);
        };
        const auto give = [&](const char* option) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(program, {QLatin1String(option)});
            return process.waitForFinished(20'000) ? process.exitCode() : -1;
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
        running.setProcessEnvironment(environment);
        running.start(program);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20'000);
        QCOMPARE(give("--start"), 0);
        QCOMPARE(give("--lap"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(keptLog().contains("   Lap\n"), 5000);
        running.kill();
        QVERIFY(running.waitForFinished(10'000));

        running.start(program);
        QTRY_VERIFY_WITH_TIMEOUT(answers(), 20'000);
        QTRY_VERIFY_WITH_TIMEOUT(keptLog().contains("run restored"), 5000);
        QVERIFY(keptLog().contains("   Lap\n"));
        QCOMPARE(database.storedRun()->watch, tikkro::settings::RunRecord::Watch::Running);
        QCOMPARE(give("--resume"), 2); // not offered while the watch runs
        running.terminate();
        QVERIFY(running.waitForFinished(10'000));
        QVERIFY(!database.storedRun()->endedCleanly);
#endif
    }
};

TIKKRO_TEST(TestRunRestore)
#include "TestRunRestore.moc"
