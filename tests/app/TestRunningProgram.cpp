// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in processes of its own: what it does with its command
// line and on XWayland.
#include "core/settings/SettingsDatabase.h"

#include "TestSupport.h"
#include <sys/stat.h>

using namespace Qt::StringLiterals;

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

    QTemporaryDir folder;
    QTemporaryDir runtime;
    QString program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

} // namespace

class TestRunningProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What it says goes to the right stream, and it leaves no file behind.
    void commandLine_data()
    {
        addColumns<QString, int>({"argument", "status"});
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
        QVERIFY(process->waitForFinished(ProcessTimeoutMs));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), status);
        const QString output = QString::fromLocal8Bit(process->readAllStandardOutput());
        const QString error = QString::fromLocal8Bit(process->readAllStandardError());
        QCOMPARE(output.endsWith("Database: " + scratch.database() + '\n'), status == 0);
        QCOMPARE(error.count(u'\n'), status == 0 ? 0 : 1);
        QVERIFY(!QFile::exists(scratch.database()));
    }

    // On a headless Wayland compositor that offers XWayland, with Qt told
    // that the session is Wayland, the main window comes up on the X display.
    void windowComesUpOnXWayland()
    {
        for (const char* tool : {"weston", "Xwayland", "xdotool"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP("needs weston, Xwayland and xdotool");
            }
        }
        // XWayland listens here but does not make the folder; made here, it
        // must stay open to every X server as if one had made it.
        if (::mkdir("/tmp/.X11-unix", 01777) == 0) {
            ::chmod("/tmp/.X11-unix", 01777);
        }
        ScratchProgram scratch;
        QVERIFY(QFile::setPermissions(scratch.runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        tikkro::settings::SettingsDatabase(scratch.database()).createIfMissing();
        QProcessEnvironment& environment = scratch.environment;
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"DISPLAY"_s);
        const QString socket = u"tikkro-test-%1"_s.arg(QCoreApplication::applicationPid());
        QProcess weston;
        // Asked to end, weston takes XWayland and its lock file down with it.
        const auto stopWeston = qScopeGuard([&] {
            weston.terminate();
            weston.waitForFinished(5000);
        });
        weston.setProcessEnvironment(environment);
        weston.start(u"weston"_s, {u"--backend=headless-backend.so"_s, u"--xwayland"_s,
                                   u"--no-config"_s, "--socket=" + socket});
        const QRegularExpression listening(u"xserver listening on display (:\\d+)"_s);
        QString log;
        QTRY_VERIFY_WITH_TIMEOUT(
            listening.match(log += QString::fromLocal8Bit(weston.readAllStandardError()))
                .hasMatch(),
            ProcessTimeoutMs);
        const QString display = listening.match(log).captured(1);

        environment.insert(u"WAYLAND_DISPLAY"_s, socket);
        environment.insert(u"DISPLAY"_s, display);
        environment.insert(u"XDG_SESSION_TYPE"_s, u"wayland"_s);
        const auto tikkro = scratch.start();
        // The main window by its title, once it is mapped.
        const auto shown = [&environment] {
            QProcess xdotool;
            xdotool.setProcessEnvironment(environment);
            xdotool.start(u"xdotool"_s,
                          {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^Tikkro$"_s});
            return xdotool.waitForFinished(10'000) && xdotool.exitCode() == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown(), ProcessTimeoutMs);
        tikkro->kill();
        tikkro->waitForFinished();
    }
};

TIKKRO_TEST(TestRunningProgram)
#include "TestRunningProgram.moc"
