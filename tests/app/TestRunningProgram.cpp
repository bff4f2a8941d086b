// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in processes of its own: what it does with its command
// line, with signals and with a second start.
#include "Version.h"
#include "app/SingleInstance.h"
#include "core/settings/SettingsDatabase.h"

#include "TestSupport.h"
#include <QLocalSocket>

namespace {

constexpr int ProcessTimeoutMs = 20'000;

// The program copied into a scratch folder of its own, so that it keeps its
// database beside itself, with runtime and data folders that are the test's.
struct ScratchProgram
{
    ScratchProgram()
    {
        program = folder.filePath(QStringLiteral("tikkro"));
        QFile::copy(QStringLiteral(TIKKRO_PROGRAM), program);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           runtime.filePath(QStringLiteral("data")));
    }

    QString database() const { return folder.filePath(QStringLiteral("tikkro.mdb")); }

    std::unique_ptr<QProcess> start(const QStringList& arguments = {}) const
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(program, arguments);
        return process;
    }

    // Whether a copy answers on this folder's database, as a second start
    // would ask.
    bool answers() const
    {
        // The name depends on the runtime folder, as in the program.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QLocalSocket socket;
        socket.connectToServer(tikkro::app::SingleInstance::serverNameFor(database()));
        return socket.waitForConnected(1000);
    }

    tikkro::settings::StoredPosition stored() const
    {
        return tikkro::settings::SettingsDatabase(database()).storedPosition();
    }

    QTemporaryDir folder;
    QTemporaryDir runtime;
    QString program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

bool endedWith(QProcess& process, int status)
{
    return process.waitForFinished(ProcessTimeoutMs) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == status;
}

} // namespace

class TestRunningProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("--version")
            << QStringList{"--version"} << true << 0 << "Tikkro " + QString(tikkro::version::text);
        QTest::newRow("no display") << QStringList() << false << 1
                                    << QStringLiteral("Tikkro: cannot open a window: no display "
                                                      "(neither DISPLAY nor WAYLAND_DISPLAY is "
                                                      "set)");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(int, status);
        ScratchProgram scratch;
        if (!display) {
            for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
                scratch.environment.remove(QLatin1String(variable));
            }
        }
        const auto process = scratch.start(arguments);
        QVERIFY(endedWith(*process, status));
        const QString text = QString::fromLocal8Bit(status == 0 ? process->readAllStandardOutput()
                                                                : process->readAllStandardError());
        QTEST(text.section(u'\n', 0, 0), "firstLine");
        if (status == 0) {
            QCOMPARE(text.section(u'\n', 1),
                     QStringLiteral("Database: %1\n").arg(scratch.database()));
        } else {
            QCOMPARE(text.count(u'\n'), 1);
        }
        QVERIFY(!QFile::exists(scratch.database()));
    }

    // Which signals end it is test_startup's; this one sees the ending
    // keep the position.
    void signalEndsLikeTheCloseButton()
    {
        ScratchProgram scratch;
        const auto process = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);

        ::kill(static_cast<pid_t>(process->processId()), SIGTERM);
        QVERIFY(endedWith(*process, 0));
        QVERIFY(scratch.stored().left && scratch.stored().top);
    }

    void secondStartHandsOverAndEnds()
    {
        ScratchProgram scratch;
        const auto first = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);

        const auto second = scratch.start();
        QVERIFY(endedWith(*second, 0));
        QCOMPARE(first->state(), QProcess::Running);

        first->terminate();
        QVERIFY(endedWith(*first, 0));
    }

    void startAfterACrashRuns()
    {
        ScratchProgram scratch;
        const auto crashed = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);
        crashed->kill();
        QVERIFY(crashed->waitForFinished(ProcessTimeoutMs));

        const auto next = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);
        QCOMPARE(next->state(), QProcess::Running);
        next->terminate();
        QVERIFY(endedWith(*next, 0));
    }
};

QTEST_GUILESS_MAIN(TestRunningProgram)
#include "TestRunningProgram.moc"
