// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsDatabase.h"

#include "TestSupport.h"
#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestPlatformChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The program itself, on a headless Wayland compositor that offers
    // XWayland and with Qt told that the session is Wayland, shows its main
    // window on the X display.
    void windowComesUpOnXWayland()
    {
        for (const char* tool : {"weston", "Xwayland", "xwininfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP("needs weston, Xwayland and xwininfo");
            }
        }
        // XWayland listens here but does not make the folder; made here, it
        // must stay open to every X server as if one had made it.
        if (::mkdir("/tmp/.X11-unix", 01777) == 0) {
            ::chmod("/tmp/.X11-unix", 01777);
        }
        QTemporaryDir runtime;
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::copy(u"" TIKKRO_PROGRAM ""_s, folder.filePath(u"tikkro"_s)));
        tikkro::settings::SettingsDatabase(
            tikkro::settings::SettingsDatabase::pathIn(folder.path()))
            .createIfMissing();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"DISPLAY"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        const QString socket = u"tikkro-test-%1"_s.arg(QCoreApplication::applicationPid());
        QProcess weston;
        // Asked to end, weston takes XWayland and its lock file down with it.
        const auto stopWeston = qScopeGuard([&] {
            weston.terminate();
            weston.waitForFinished(5000);
        });
        weston.setProcessEnvironment(environment);
        weston.start(u"weston"_s,
                     {u"--backend=headless-backend.so"_s, u"--xwayland"_s, u"--no-config"_s,
                      "--socket=" + socket, "--log=" + runtime.filePath(u"weston.log"_s)});
        QString display;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                QFile log(runtime.filePath(u"weston.log"_s));
                display = !log.open(QIODevice::ReadOnly)
                              ? QString()
                              : QRegularExpression(u"xserver listening on display (:\\d+)"_s)
                                    .match(QString::fromLocal8Bit(log.readAll()))
                                    .captured(1);
                return !display.isEmpty() || weston.state() == QProcess::NotRunning;
            },
            20000));
        QVERIFY2(!display.isEmpty(), "weston did not start XWayland");

        environment.insert(u"WAYLAND_DISPLAY"_s, socket);
        environment.insert(u"DISPLAY"_s, display);
        environment.insert(u"XDG_SESSION_TYPE"_s, u"wayland"_s);
        QProcess tikkro;
        const auto stopTikkro = qScopeGuard([&] {
            tikkro.kill();
            tikkro.waitForFinished(5000);
        });
        tikkro.setProcessEnvironment(environment);
        tikkro.start(folder.filePath(u"tikkro"_s), {});
        const auto xwininfo = [&](const QStringList& arguments) {
            QProcess process;
            process.start(u"xwininfo"_s, QStringList{u"-display"_s, display} + arguments);
            process.waitForFinished(10000);
            return QString::fromLocal8Bit(process.readAllStandardOutput());
        };
        // The main window by its title and class, once it is mapped.
        const QRegularExpression mainWindow(u"^\\s*(0x[0-9a-f]+) \"Tikkro\": \\(\"tikkro\""_s,
                                            QRegularExpression::MultilineOption);
        const auto shown = [&] {
            const QString id = mainWindow.match(xwininfo({u"-root"_s, u"-tree"_s})).captured(1);
            return !id.isEmpty() && xwininfo({u"-id"_s, id}).contains(u"IsViewable"_s);
        };
        static_cast<void>(QTest::qWaitFor(
            [&] { return shown() || tikkro.state() == QProcess::NotRunning; }, 20000));
        QVERIFY2(shown(), tikkro.readAllStandardError().constData());
    }
};

TIKKRO_TEST(TestPlatformChoice)
#include "TestPlatformChoice.moc"
