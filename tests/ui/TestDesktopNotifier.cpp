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
        notifier.notify(QStringLiteral("Timer '<b>Tea</b>'"), QStringLiteral("due\n!!!"));
        QTRY_COMPARE(server.calls.size(), 1);
        const QVariantList call = server.calls.first();
        QCOMPARE(call.mid(3, 2), (QVariantList{"Timer '<b>Tea</b>'", "due\n!!!"}));
        QVERIFY(call.at(5).toStringList().contains(QStringLiteral("show")));
        const auto hints = qdbus_cast<QVariantMap>(call.at(6).value<QDBusArgument>());
        QCOMPARE(hints.value(QStringLiteral("suppress-sound")).toBool(), true);
        // "Show" and a click on the notification ask for the events window,
        // once the id is known; another key or notification does not.
        QTRY_VERIFY(notifier.findChildren<QDBusPendingCallWatcher*>().isEmpty());
        server.pressButton(7, QStringLiteral("show"));
        server.pressButton(1, QStringLiteral("dismiss"));
        server.pressButton(1, QStringLiteral("show"));
        server.pressButton(1, QStringLiteral("default"));
        QTRY_COMPARE(shows.size(), 2);
    }

    // A server that refuses costs nothing: the next notification still goes
    // out; a server without buttons gets a notification without them.
    void refusingServerChangesNothing()
    {
        FakeNotificationServer server;
        QVERIFY(server.start());
        server.failing = true;
        DBusDesktopNotifier notifier(QStringLiteral("Tikkro"), QStringLiteral("tikkro"));
        notifier.notify(QStringLiteral("Alarm 'Wake'"), QStringLiteral("first"));
        QTRY_COMPARE(server.calls.size(), 1);
        QCOMPARE(server.calls.first().at(5).toStringList(), QStringList());
        server.failing = false;
        notifier.notify(QStringLiteral("Alarm 'Wake'"), QStringLiteral("second"));
        QTRY_COMPARE(server.calls.size(), 2);
    }
};

TIKKRO_TEST(TestDesktopNotifier)
#include "TestDesktopNotifier.moc"
