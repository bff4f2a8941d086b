// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in processes of its own: what it does with its command
// line, with signals and with a second start.
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
    // What it says goes to the right stream, and it leaves no file behind.
    void commandLine_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("status");
        QTest::newRow("--version") << "--version" << 0;
        QTest::newRow("no display") << "" << 1;
    }
    void commandLine()
    {
        QFETCH(QString, argument);
        QFETCH(int, status);
        ScratchProgram scratch;
        if (status != 0) {
            for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
                scratch.environment.remove(QLatin1String(variable));
            }
        }
        const auto process =
            scratch.start(argument.isEmpty() ? QStringList() : QStringList{argument});
        QVERIFY(endedWith(*process, status));
        const QString output = QString::fromLocal8Bit(process->readAllStandardOutput());
        const QString error = QString::fromLocal8Bit(process->readAllStandardError());
        QCOMPARE(output.endsWith("Database: " + scratch.database() + '\n'), status == 0);
        QCOMPARE(error.count(u'\n'), status == 0 ? 0 : 1);
        QVERIFY(!QFile::exists(scratch.database()));
    }

    // A start after a crash runs; a second start hands over and ends; a
    // signal ends it like the close button, keeping the position. Which
    // signals end it is test_app's.
    void startsAndEnds()
    {
        ScratchProgram scratch;
        const auto crashed = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);
        crashed->kill();
        QVERIFY(crashed->waitForFinished(ProcessTimeoutMs));

        const auto first = scratch.start();
        QTRY_VERIFY_WITH_TIMEOUT(scratch.answers(), ProcessTimeoutMs);
        const auto second = scratch.start();
        QVERIFY(endedWith(*second, 0));
        QCOMPARE(first->state(), QProcess::Running);

        ::kill(static_cast<pid_t>(first->processId()), SIGTERM);
        QVERIFY(endedWith(*first, 0));
        QVERIFY(scratch.stored().left && scratch.stored().top);
    }
};

TIKKRO_TEST(TestRunningProgram)
#include "TestRunningProgram.moc"
