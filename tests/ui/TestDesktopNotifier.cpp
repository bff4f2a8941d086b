// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DBusDesktopNotifier.h"
#include "fakes/FakeNotificationServer.h"

#include "TestSupport.h"
#include <QDBusArgument>
#include <QDBusPendingCallWatcher>

using tikkro::desktop::DBusDesktopNotifier;
using tikkro::fakes::FakeNotificationServer;

// Runs on a private session bus (dbus-run-session), never on the user's.
class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            QSKIP("No session bus; ctest runs this under dbus-run-session where it is installed");
        }
    }

    void notifyCarriesTheEntryTheIconAndButtons()
    {
        FakeNotificationServer server;
        if (!server.start()) {
            QSKIP("Another notification server owns the name on this bus");
        }
        server.capabilities = QStringList{"body", "actions"};
        DBusDesktopNotifier notifier(QStringLiteral("Tikkro"), QStringLiteral("tikkro"));
        QSignalSpy shows(&notifier, &DBusDesktopNotifier::showRequested);
        notifier.notify(QStringLiteral("Timer '<b>Tea</b>'"),
                        QStringLiteral("was due at: 05/12/2026 09:50:00\n"
                                       "effective at: 05/12/2026 09:57:37 !!!"));
        QTRY_COMPARE(server.calls.size(), 1);
        const QVariantList call = server.calls.first();
        QCOMPARE(call.at(1).toUInt(), 0U); // a new notification, replacing none
        QCOMPARE(call.at(3).toString(), QStringLiteral("Timer '<b>Tea</b>'"));
        QVERIFY(call.at(5).toStringList().contains(QStringLiteral("show")));
        QCOMPARE(call.at(4).toString(), QStringLiteral("was due at: 05/12/2026 09:50:00\n"
                                                       "effective at: 05/12/2026 09:57:37 !!!"));
        const auto hints = qdbus_cast<QVariantMap>(call.at(6).value<QDBusArgument>());
        QCOMPARE(hints.value(QStringLiteral("suppress-sound")).toBool(), true);
        // "Show" and a click on the notification ask for the events window;
        // another key or another program's notification do not.
        // Once the answer that tells the notification's id is in.
        QTRY_VERIFY(notifier.findChildren<QDBusPendingCallWatcher*>().isEmpty());
        server.pressButton(7, QStringLiteral("show"));
        server.pressButton(1, QStringLiteral("dismiss"));
        server.pressButton(1, QStringLiteral("show"));
        server.pressButton(1, QStringLiteral("default"));
        QTRY_COMPARE(shows.size(), 2);
    }

    // A server that refuses, or none at all, costs nothing: the call returns
    // and the next notification still goes out.
    void refusedOrMissingServerChangesNothing_data()
    {
        QTest::addColumn<bool>("serverRuns");
        QTest::newRow("server refuses") << true;
        QTest::newRow("no server") << false;
    }
    void refusedOrMissingServerChangesNothing()
    {
        QFETCH(bool, serverRuns);
        DBusDesktopNotifier notifier(QStringLiteral("Tikkro"), QStringLiteral("tikkro"));
        auto server = std::make_unique<FakeNotificationServer>();
        if (serverRuns) {
            QVERIFY(server->start());
            server->failing = true;
        }
        notifier.notify(QStringLiteral("Alarm 'Wake'"), QStringLiteral("first"));
        if (serverRuns) {
            QTRY_COMPARE(server->calls.size(), 1);
            // A server without buttons gets a notification without them.
            QCOMPARE(server->calls.first().at(5).toStringList(), QStringList());
            server->failing = false;
        } else {
            QVERIFY(server->start());
        }
        notifier.notify(QStringLiteral("Alarm 'Wake'"), QStringLiteral("second"));
        QTRY_VERIFY(!server->calls.isEmpty() &&
                    server->calls.last().at(4).toString() == QLatin1String("second"));
    }
};

TIKKRO_TEST(TestDesktopNotifier)
#include "TestDesktopNotifier.moc"
