// SPDX-License-Identifier: GPL-3.0-or-later
// The stopwatch driven from outside its window: over a private session bus
// (dbus-run-session), over the single-instance socket, and by the real
// program's command line. The tests go on from the state the one before left.
#include "MainWindowRig.h"
#include "app/RemoteControl.h"
#include "app/SingleInstance.h"
#include "core/stopwatch/ElapsedFormat.h"

#include <QDBusConnectionInterface>
#include <QLocalSocket>

using tikkro::app::RemoteControl;
using tikkro::app::SingleInstance;
using tikkro::settings::SettingsDatabase;

namespace {
const QString AppId = QStringLiteral(TIKKRO_APP_ID);
const QString Interface = AppId + QStringLiteral(".Stopwatch");

// Over a connection of its own, as another program's would be.
QDBusMessage callOnBus(const QString& method, const QVariantList& arguments = {},
                       const QString& interface = Interface)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        AppId, QString::fromLatin1(RemoteControl::ObjectPath), interface, method);
    call.setArguments(arguments);
    return QDBusConnection(QStringLiteral("client")).call(call, QDBus::BlockWithGui);
}

QVariant busProperty(const char* name)
{
    const QDBusMessage reply = callOnBus(QStringLiteral("Get"), {Interface, QLatin1String(name)},
                                         QStringLiteral("org.freedesktop.DBus.Properties"));
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}
} // namespace

class TestRemoteControl : public QObject
{
    Q_OBJECT

    tikkro::testing::MainWindowRig m_rig;
    std::unique_ptr<tikkro::app::MainWindow> m_window = m_rig.makeWindow();
    RemoteControl m_remote{(m_window->restoreSession(), *m_window), m_rig.counter};
    QTemporaryDir m_runtime;
    std::unique_ptr<SingleInstance> m_instance;
    QStringList m_lines;

    // The answer to a request; junk is written and left at once.
    QByteArray ask(const QByteArray& bytes, bool junk = false)
    {
        QLocalSocket socket;
        socket.connectToServer(m_instance->serverName());
        socket.write(bytes);
        socket.waitForBytesWritten(1000);
        if (!junk) {
            static_cast<void>(QTest::qWaitFor([&socket] { return socket.canReadLine(); }, 3000));
        }
        return socket.readAll();
    }
    QByteArray givenMsAgo(qint64 ms) const
    {
        return QByteArray::number((m_rig.counter.ticks() - ms * 10'000) * 100) + '\n';
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            QSKIP("No session bus; ctest runs this under dbus-run-session");
        }
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        m_instance = std::make_unique<SingleInstance>(m_rig.database.filePath());
        QVERIFY(m_instance->claim());
        m_instance->setCommandHandler(
            [this](const auto& request) { return m_remote.answer(request); });
        QVERIFY(m_remote.publish());
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"))
            .connect(AppId, QString::fromLatin1(RemoteControl::ObjectPath), Interface,
                     QStringLiteral("LogLine"), this, SLOT(collect(QString)));
    }

    // The moment given, unless it lies ahead of now or more than a minute
    // back; never before the command before.
    void socketCommandsAreTimedWhenGiven()
    {
        QCOMPARE(ask("start " + givenMsAgo(0)), "ok\n");
        m_rig.counter.advanceMs(10'000);
        for (const auto& [msAgo, line] :
             std::initializer_list<std::pair<qint64, const char*>>{{250, "00:00:09.750   Lap"},
                                                                   {-5, "00:00:10.000   Lap"},
                                                                   {61'000, "00:00:10.000   Lap"},
                                                                   {1000, "00:00:10.000   Lap"}}) {
            QCOMPARE(ask("lap " + givenMsAgo(msAgo)), "ok\n");
            QTRY_COMPARE(m_lines.value(m_lines.size() - 1), QLatin1String(line));
        }
        QCOMPARE(ask("resume " + givenMsAgo(0)),
                 "no Resume is not offered while the stopwatch is running.\n");
        QCOMPARE(ask("reset " + givenMsAgo(0)), "ok\n");
    }

    void everyMethodOnTheBus_data()
    {
        addColumns<QString, bool, QString, QString>({"method", "refused", "state", "lastLine"});
        for (const auto& [method, refused, state, line] :
             std::initializer_list<std::tuple<const char*, bool, const char*, const char*>>{
                 {"Lap", true, "Ready", ""},
                 {"Start", false, "Running", "00:00:00.000   Start"},
                 {"Lap", false, "Running", "00:00:01.000   Lap"},
                 {"Pause", false, "Paused", "00:00:02.000   Pause"},
                 {"Resume", false, "Running", "        Res'Time"},
                 {"Reset", true, "Running", "        Res'Time"},
                 {"Toggle", false, "Paused", "00:00:04.000   Pause"},
                 {"Reset", false, "Ready", ""},
                 {"Toggle", false, "Running", "00:00:00.000   Start"},
                 {"ShowEventsWindow", false, "Running", "00:00:00.000   Start"}}) {
            QTest::addRow("%s %s", method, state) << method << refused << state << line;
        }
    }
    void everyMethodOnTheBus()
    {
        QFETCH(QString, method);
        QFETCH(QString, lastLine);
        m_rig.counter.advanceMs(1000);
        const QDBusMessage reply = callOnBus(method);
        QTEST(reply.type() == QDBusMessage::ErrorMessage, "refused");
        if (reply.type() == QDBusMessage::ErrorMessage) {
            QCOMPARE(reply.errorName(), QLatin1String(RemoteControl::NotOfferedError));
            QVERIFY(reply.errorMessage().startsWith(method + QStringLiteral(" is not offered")));
        }
        QTEST(busProperty("State").toString(), "state");
        QTRY_VERIFY(m_lines.value(m_lines.size() - 1).endsWith(lastLine));
        QCOMPARE(busProperty("ElapsedText").toString(),
                 tikkro::stopwatch::ElapsedFormat::text(
                     busProperty("ElapsedMilliseconds").toLongLong()));
        QVERIFY(method != QLatin1String("ShowEventsWindow") ||
                m_window->alarmWindows().events()->isVisible());
    }

    // Malformed, oversized and binary requests run nothing and bring
    // nothing forward; the socket still answers afterwards.
    void socketDropsAnythingElse()
    {
        QSignalSpy forward(m_instance.get(), &SingleInstance::comeForwardRequested);
        const QList<QByteArray> junk{
            QByteArray(100'000, 'a'),    "lap\n",          "lap 1x\n", "lap -5\n",
            "lap 1234567890123456789\n", "lap 5\nlap 6\n", "fly 5\n",  QByteArray(300, '\0')};
        const qsizetype linesBefore = m_lines.size();
        for (const QByteArray& bytes : junk) {
            ask(bytes, true);
        }
        QTRY_COMPARE(m_instance->findChildren<QLocalSocket*>().size(), 0);
        QCOMPARE(m_lines.size(), linesBefore);
        QCOMPARE(forward.size(), 0);
        QCOMPARE(ask("lap 1\n"), "ok\n");
    }

    // The real program: each verb given to none running, then to a copy.
    void commandLine()
    {
        QDBusConnection::sessionBus().unregisterService(AppId);
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("tikkro"));
        QVERIFY(QFile::copy(QStringLiteral(TIKKRO_PROGRAM), program));
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        const auto give = [&](const QString& option, int status) {
            QProcess process;
            process.start(program, {option});
            QVERIFY(process.waitForFinished(10'000));
            QCOMPARE(process.readAllStandardOutput(), QByteArray());
            QCOMPARE(int(process.readAllStandardError().count('\n')), status == 0 ? 0 : 1);
            QCOMPARE(process.exitCode(), status);
        };
        // Starts a copy, which runs the command.
        give(QStringLiteral("--start"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(AppId), 20'000);
        for (const QString& step : QStringLiteral("--start=2 --lap=0 --pause=0 --lap=2 --resume=0 "
                                                  "--reset=2 --toggle=0 --reset=0 --toggle=0")
                                       .split(u' ')) {
            give(step.section(u'=', 0, 0), step.section(u'=', 1).toInt());
        }
        QCOMPARE(busProperty("State").toString(), QStringLiteral("Running"));
        // A signal ends it like the close button, keeping the position.
        ::kill(static_cast<pid_t>(bus->servicePid(AppId).value()), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(!bus->isServiceRegistered(AppId), 10'000);
        const auto stored = SettingsDatabase(folder.filePath("tikkro.mdb")).storedPosition();
        QVERIFY(stored.left && stored.top);
    }

    void collect(const QString& line) { m_lines.append(line); }
};

QTEST_MAIN(TestRemoteControl)
#include "TestRemoteControl.moc"
