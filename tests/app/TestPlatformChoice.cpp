// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"
#include "fakes/FakeMessageService.h"
#include "settings/SettingsDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using tikkro::app::PlatformChoice;
using namespace Qt::StringLiterals;

namespace {

// A process ended with the test, whatever happens in between.
struct Child
{
    QProcess process;
    ~Child()
    {
        // Asked first, weston takes XWayland and its lock file down with it.
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

class TestPlatformChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void platformFor_data()
    {
        QTest::addColumn<QByteArray>("qpaPlatform");
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("X11 desktop") << QByteArray() << QByteArray() << ":0"_ba << QByteArray();
        QTest::newRow("Wayland with XWayland") << QByteArray() << "wayland-0"_ba
                                               << ":0"_ba
                                               << "xcb"_ba;
        QTest::newRow("pure Wayland")
            << QByteArray() << "wayland-0"_ba << QByteArray() << QByteArray();
        QTest::newRow("user's wayland stands") << "wayland"_ba
                                               << "wayland-0"_ba
                                               << ":0"_ba << QByteArray();
        QTest::newRow("user's xcb stands") << "xcb"_ba
                                           << "wayland-0"_ba << QByteArray() << QByteArray();
        QTest::newRow("no display at all")
            << QByteArray() << QByteArray() << QByteArray() << QByteArray();
    }
    void platformFor()
    {
        QFETCH(QByteArray, qpaPlatform);
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, platform);
        QCOMPARE(PlatformChoice::platformFor({qpaPlatform, waylandDisplay, display}), platform);
    }

    void placesOwnWindows()
    {
        QVERIFY(PlatformChoice::placesOwnWindows(QStringLiteral("xcb")));
        QVERIFY(!PlatformChoice::placesOwnWindows(QStringLiteral("wayland")));
        QVERIFY(!PlatformChoice::placesOwnWindows(QStringLiteral("wayland-egl")));
    }

    // The program itself, started on a headless Wayland compositor that
    // offers XWayland, shows its window on the X display.
    void windowComesUpOnXWayland()
    {
        for (const char* tool : {"weston", "Xwayland", "xwininfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
            }
        }
        // XWayland listens here but does not make the folder; an X server
        // that ran before usually has.
        const QString sockets = QStringLiteral("/tmp/.X11-unix");
        if (!QDir(sockets).exists() && ::mkdir("/tmp/.X11-unix", 01777) == 0) {
            ::chmod("/tmp/.X11-unix", 01777);
        }
        if (!QFileInfo(sockets).isWritable()) {
            QSKIP("cannot use /tmp/.X11-unix");
        }
        QTemporaryDir runtime;
        QTemporaryDir programFolder;
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString program = programFolder.filePath(QStringLiteral("tikkro"));
        QVERIFY(QFile::copy(QStringLiteral(TIKKRO_PROGRAM), program));
        tikkro::fakes::FakeMessageService messages;
        const tikkro::settings::SettingsDatabase settings(
            tikkro::settings::SettingsDatabase::pathIn(programFolder.path()), messages);
        settings.createIfMissing();
        settings.DSetValue(QStringLiteral("MeLeft"), QStringLiteral("tUser"), 1500.0, QString());
        settings.DSetValue(QStringLiteral("MeTop"), QStringLiteral("tUser"), 1500.0, QString());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        const QString socket =
            QStringLiteral("tikkro-test-%1").arg(QCoreApplication::applicationPid());
        const QString log = runtime.filePath(QStringLiteral("weston.log"));
        Child weston;
        weston.process.setProcessEnvironment(environment);
        weston.process.start(QStringLiteral("weston"),
                             {QStringLiteral("--backend=headless-backend.so"),
                              QStringLiteral("--xwayland"), QStringLiteral("--no-config"),
                              QStringLiteral("--socket=") + socket,
                              QStringLiteral("--log=") + log});
        QString display;
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        QVERIFY2(
            QTest::qWaitFor(
                [&] {
                    QFile file(log);
                    file.open(QIODevice::ReadOnly);
                    display = listening.match(QString::fromLocal8Bit(file.readAll())).captured(1);
                    return !display.isEmpty() || weston.process.state() == QProcess::NotRunning;
                },
                20000),
            "weston did not start XWayland");
        QVERIFY2(!display.isEmpty(), "weston did not start XWayland");

        // XDG_SESSION_TYPE makes Qt prefer Wayland when nothing says otherwise.
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        Child tikkro;
        tikkro.process.setProcessEnvironment(environment);
        tikkro.process.start(program, {});
        const auto onDisplay = [&](const QStringList& arguments) {
            return run(QStringLiteral("xwininfo"),
                       QStringList{QStringLiteral("-display"), display} + arguments);
        };
        // The main window by its title and class, once it is mapped.
        const QRegularExpression mainWindow(
            QStringLiteral("^\\s*(0x[0-9a-f]+) \"Tikkro\": \\(\"tikkro\""),
            QRegularExpression::MultilineOption);
        QString info;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const QString id = mainWindow
                                                .match(onDisplay({QStringLiteral("-root"),
                                                                  QStringLiteral("-tree")}))
                                                .captured(1);
                         info = id.isEmpty() ? QString() : onDisplay({QStringLiteral("-id"), id});
                         return info.contains(QLatin1String("IsViewable")) ||
                                tikkro.process.state() == QProcess::NotRunning;
                     },
                     20000),
                 "no Tikkro window shown on the X display");
        QVERIFY2(info.contains(QLatin1String("IsViewable")),
                 qPrintable(tikkro.process.readAllStandardError()));
        // Whether the saved place (100, 100) is kept is up to the X window
        // manager; the log says what it made of it.
        const QRegularExpression corner(QStringLiteral("Absolute upper-left ([XY]):\\s+(-?\\d+)"));
        QStringList place;
        for (const auto& match : corner.globalMatch(info)) {
            place.append(match.captured(1) + u'=' + match.captured(2));
        }
        qInfo("Tikkro on XWayland at %s", qPrintable(place.join(u' ')));
    }
};

QTEST_MAIN(TestPlatformChoice)
#include "TestPlatformChoice.moc"
