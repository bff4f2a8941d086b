// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "core/settings/OleDate.h"
#include "desktop/DBusDesktopNotifier.h"
#include "fakes/FakeNotificationServer.h"

#include <cstdio>

namespace {

// Another application for the desktop, which says on its output when it
// gets and loses the keyboard.
int runTypist()
{
    QLineEdit typist;
    typist.setWindowTitle(QStringLiteral("Typist"));
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, [](QWindow* focused) {
        std::fputs(focused != nullptr ? "focused\n" : "lost\n", stdout);
        std::fflush(stdout);
    });
    typist.show();
    return QApplication::exec();
}

} // namespace

// The main window on a desktop: what a ringing timer does while the window
// is minimised and another application has the keyboard. ctest runs it
// under tests/with-desktop.sh.
class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringingTimerNotifiesAndLeavesTheKeyboardAlone()
    {
        if (qEnvironmentVariableIsEmpty("TIKKRO_WINDOW_MANAGER")) {
            QSKIP("Needs a desktop with a window manager: ctest runs this under "
                  "tests/with-desktop.sh");
        }
        tikkro::fakes::FakeNotificationServer server;
        QVERIFY(server.start());
        tikkro::testing::MainWindowRig rig;
        tikkro::desktop::DBusDesktopNotifier notifier(QStringLiteral("Tikkro"),
                                                      QStringLiteral("tikkro"));
        const auto window = rig.makeWindow(&notifier);
        window->restoreSession();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("startButton")),
                          Qt::LeftButton, {}, QPoint(20, 10));
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());

        QProcess typist;
        typist.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--typist")});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += typist.readAllStandardOutput()).contains("focused"),
                                 30'000);
        QTRY_COMPARE(QGuiApplication::focusWindow(), nullptr);

        rig.slots.timers[0] = {QStringLiteral("Tea"),
                               tikkro::settings::OleDate::fromDateTime(rig.clock.now()), true};
        Q_EMIT window->monitorTimer().tick();
        QTRY_COMPARE(server.calls.size(), 1);
        QWidget* events = window->alarmWindows().events();
        QVERIFY(QTest::qWaitForWindowExposed(events));
        // It stands in front of the typist once the window manager has
        // mapped it, which is when it would have handed the keyboard over.
        const auto topWindow = [] {
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
            xprop.waitForFinished();
            const QByteArray stacking = xprop.readAllStandardOutput().trimmed();
            return stacking.split(' ').last().toULongLong(nullptr, 16);
        };
        QTRY_COMPARE(topWindow(), events->winId());
        // Its focus events would follow at once: none comes.
        const auto keyboardTaken = [&typist] {
            return QGuiApplication::focusWindow() != nullptr || typist.bytesAvailable() > 0;
        };
        QVERIFY(!QTest::qWaitFor(keyboardTaken, 200));
        typist.kill();
        typist.waitForFinished();
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (QCoreApplication::arguments().contains(QStringLiteral("--typist"))) {
        return runTypist();
    }
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestDesktop.moc"
