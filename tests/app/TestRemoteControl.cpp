// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch driven from outside its window: over a private session bus
// (dbus-run-session), over the single-instance socket, and by the real
// program's command line.
#include "MainWindowRig.h"
#include "app/RemoteControl.h"
#include "app/SingleInstance.h"
#include "stopwatch/ElapsedFormat.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using tikkro::app::RemoteControl;
using tikkro::app::RemoteRequest;
using tikkro::app::SingleInstance;

namespace {
const QString AppId = QStringLiteral(TIKKRO_APP_ID);
const QString Interface = AppId + QStringLiteral(".Stopwatch");

QDBusMessage callOnBus(const QString& method, const QVariantList& arguments = {},
                       const QString& interface = Interface)
{
    // A connection of its own, as another program's would be.
    static QDBusConnection client =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));
    QDBusMessage call = QDBusMessage::createMethodCall(
        AppId, QString::fromLatin1(RemoteControl::ObjectPath), interface, method);
    call.setArguments(arguments);
    return client.call(call, QDBus::BlockWithGui);
}

QVariant busProperty(const QString& name)
{
    const QDBusMessage reply = callOnBus(QStringLiteral("Get"), {Interface, name},
                                         QStringLiteral("org.freedesktop.DBus.Properties"));
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// The answer to a request; junk is written and left at once.
QByteArray askOverSocket(const QString& server, const QByteArray& bytes, bool junk = false)
{
    QLocalSocket socket;
    socket.connectToServer(server);
    if (!socket.waitForConnected(1000)) {
        return "unreachable";
    }
    socket.write(bytes);
    socket.waitForBytesWritten(1000);
    if (junk) {
        socket.disconnectFromServer();
        // The server takes no more than its backlog before it accepts.
        QTest::qWait(1);
        return socket.readAll();
    }
    static_cast<void>(QTest::qWaitFor([&socket] { return socket.canReadLine(); }, 3000));
    return socket.readAll();
}

// A main window of its own, driven from outside.
struct RemoteRig
{
    explicit RemoteRig(tikkro::testing::MainWindowRig& rig)
        : window(rig.makeWindow()), remote((window->restoreSession(), *window), rig.counter),
          lines(&remote, &RemoteControl::LogLine)
    {}
    std::unique_ptr<tikkro::app::MainWindow> window;
    RemoteControl remote;
    QSignalSpy lines;
};
} // namespace

class TestRemoteControl : public QObject
{
    Q_OBJECT

    tikkro::testing::MainWindowRig m_rig;
    std::unique_ptr<RemoteRig> m_published;
    QStringList m_busLines;

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            QSKIP("No session bus; ctest runs this under dbus-run-session");
        }
        m_published = std::make_unique<RemoteRig>(m_rig);
        QVERIFY(m_published->remote.publish());
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"))
            .connect(AppId, QString::fromLatin1(RemoteControl::ObjectPath), Interface,
                     QStringLiteral("LogLine"), this, SLOT(collect(QString)));
    }

    // Each row goes on from the state the row before it left, a second on.
    void everyMethodOnTheBus_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("lastLine");
        const auto row = [](const char* name, bool refused, const char* state, const char* line) {
            QTest::newRow(name) << QString::fromLatin1(name).section(u' ', 0, 0) << refused
                                << QString::fromLatin1(state) << QString::fromLatin1(line);
        };
        row("Lap while reset", true, "Ready", "");
        row("Start", false, "Running", "00:00:00.000   Start");
        row("Start again", true, "Running", "00:00:00.000   Start");
        row("Lap", false, "Running", "00:00:02.000   Lap");
        row("Pause", false, "Paused", "00:00:03.000   Pause");
        row("Resume", false, "Running", "        Res'Time");
        row("Reset without a Lap", true, "Running", "        Res'Time");
        row("Toggle pauses", false, "Paused", "00:00:05.000   Pause");
        row("Reset", false, "Ready", "");
        row("Toggle starts", false, "Running", "00:00:00.000   Start");
        row("ShowEventsWindow", false, "Running", "00:00:00.000   Start");
        row("ShowMainWindow", false, "Running", "00:00:00.000   Start");
    }
    void everyMethodOnTheBus()
    {
        QFETCH(QString, method);
        QFETCH(bool, refused);
        QFETCH(QString, state);
        QFETCH(QString, lastLine);
        m_rig.counter.advanceMs(1000);
        const qsizetype linesBefore = m_busLines.size();
        const QDBusMessage reply = callOnBus(method);
        QCOMPARE(reply.type() == QDBusMessage::ErrorMessage, refused);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            QCOMPARE(reply.errorName(), QLatin1String(RemoteControl::NotOfferedError));
            QVERIFY(reply.errorMessage().startsWith(method + QStringLiteral(" is not offered")));
            QCOMPARE(m_busLines.size(), linesBefore);
        }
        QCOMPARE(busProperty(QStringLiteral("State")).toString(), state);
        QTRY_COMPARE(m_busLines.value(m_busLines.size() - 1).right(lastLine.size()), lastLine);
        const qint64 elapsed = busProperty(QStringLiteral("ElapsedMilliseconds")).toLongLong();
        QCOMPARE(busProperty(QStringLiteral("ElapsedText")).toString(),
                 tikkro::stopwatch::ElapsedFormat::text(elapsed));
        if (method == QLatin1String("ShowEventsWindow")) {
            QVERIFY(m_published->window->alarmWindows().events()->isVisible());
        }
        if (method == QLatin1String("ShowMainWindow")) {
            QVERIFY(m_published->window->isVisible());
        }
    }

    // Stamps: the moment given, unless it lies ahead of now or more than a
    // minute back; never before the command before.
    void socketCommandsAreTimedWhenGiven_data()
    {
        QTest::addColumn<qint64>("lapGivenMsAgo");
        QTest::addColumn<QString>("lapLine");
        QTest::newRow("given 250 ms ago") << qint64(250) << "00:00:09.750   Lap";
        QTest::newRow("ahead of now") << qint64(-5) << "00:00:10.000   Lap";
        QTest::newRow("more than a minute back") << qint64(61'000) << "00:00:10.000   Lap";
        QTest::newRow("before the Start") << qint64(10'500) << "00:00:00.000   Lap";
    }
    void socketCommandsAreTimedWhenGiven()
    {
        QFETCH(qint64, lapGivenMsAgo);
        QFETCH(QString, lapLine);
        RemoteRig rig(m_rig);
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        SingleInstance instance(m_rig.database.filePath());
        QVERIFY(instance.claim());
        instance.setCommandHandler([&rig](const RemoteRequest& r) { return rig.remote.answer(r); });
        const auto givenMsAgo = [this](qint64 ms) {
            return QByteArray::number((m_rig.counter.ticks() - ms * 10'000) * 100);
        };
        QCOMPARE(askOverSocket(instance.serverName(), "start " + givenMsAgo(0) + '\n'), "ok\n");
        m_rig.counter.advanceMs(10'000);
        const QByteArray lap = "lap " + givenMsAgo(lapGivenMsAgo) + '\n';
        QCOMPARE(askOverSocket(instance.serverName(), lap), "ok\n");
        QCOMPARE(rig.lines.last().at(0).toString(), lapLine);
        QCOMPARE(askOverSocket(instance.serverName(), "resume " + givenMsAgo(0) + '\n'),
                 "no Resume is not offered while the stopwatch is running.\n");
    }

    // Random bytes, malformed and oversized requests run nothing and bring
    // nothing forward; the socket still answers afterwards.
    void socketDropsAnythingElse()
    {
        RemoteRig rig(m_rig);
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        SingleInstance instance(m_rig.database.filePath());
        QVERIFY(instance.claim());
        instance.setCommandHandler([&rig](const RemoteRequest& r) { return rig.remote.answer(r); });
        QSignalSpy forward(&instance, &SingleInstance::comeForwardRequested);
        QRandomGenerator random(21);
        QList<QByteArray> junk{QByteArray(100'000, 'a'),
                               "lap\n",
                               "lap 12x\n",
                               "lap -5\n",
                               "lap 1234567890123456789012\n",
                               "start 5\nlap 6\n",
                               "fly 5\n"};
        for (int i = 0; i < 300; ++i) {
            QByteArray bytes(random.bounded(1, 300), '\0');
            for (char& byte : bytes) {
                byte = static_cast<char>(random.bounded(256));
            }
            junk.append(bytes);
        }
        for (const QByteArray& bytes : junk) {
            QCOMPARE(askOverSocket(instance.serverName(), bytes, true), QByteArray());
        }
        QTest::qWait(50);
        QTRY_COMPARE(instance.findChildren<QLocalSocket*>().size(), 0);
        QCOMPARE(rig.remote.state(), QStringLiteral("Ready"));
        QCOMPARE(forward.size(), 0);
        QCOMPARE(askOverSocket(instance.serverName(), "toggle 1\n"), "ok\n");
        QCOMPARE(rig.remote.state(), QStringLiteral("Running"));
    }

    // The real program: each verb given to a running copy, and to none.
    void commandLine()
    {
        QDBusConnection::sessionBus().unregisterService(AppId);
        QTemporaryDir folder;
        QTemporaryDir runtime;
        const QString program = folder.filePath(QStringLiteral("tikkro"));
        QVERIFY(QFile::copy(QStringLiteral(TIKKRO_PROGRAM), program));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        const auto give = [&](const char* option, int status) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(program, {QLatin1String(option)});
            QVERIFY(process.waitForFinished(10'000));
            QCOMPARE(process.readAllStandardOutput(), QByteArray());
            QCOMPARE(int(process.readAllStandardError().count('\n')), status == 0 ? 0 : 1);
            QCOMPARE(process.exitCode(), status);
        };
        const auto copyIsUp = [&](const char* state) {
            QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(AppId), 20'000);
            QCOMPARE(busProperty(QStringLiteral("State")).toString(), QLatin1String(state));
        };
        const auto endCopy = [&] {
            ::kill(static_cast<pid_t>(bus->servicePid(AppId).value()), SIGTERM);
            QTRY_VERIFY_WITH_TIMEOUT(!bus->isServiceRegistered(AppId), 10'000);
        };

        give("--lap", 2);
        copyIsUp("Ready");
        endCopy();
        give("--start", 0);
        copyIsUp("Running");
        const std::vector<std::pair<const char*, int>> steps{
            {"--start", 2}, {"--lap", 0},    {"--pause", 0}, {"--lap", 2},    {"--resume", 0},
            {"--reset", 2}, {"--toggle", 0}, {"--reset", 0}, {"--toggle", 0}, {"--pause", 0}};
        for (const auto& [option, status] : steps) {
            give(option, status);
        }
        copyIsUp("Paused");
        endCopy();
    }

    void collect(const QString& line) { m_busLines.append(line); }
};

QTEST_MAIN(TestRemoteControl)
#include "TestRemoteControl.moc"
