// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowRig.h"
#include "core/settings/OleDate.h"
#include "desktop/DBusDesktopNotifier.h"
#include "fakes/FakeNotificationServer.h"
#include "widgets/CommandButton.h"

#include "TestSupport.h"

#include <cstdio>

using Rig = tikkro::testing::MainWindowRig;

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

// Every push button of an accessibility tree by name, with " (grey)" for
// one that is not enabled.
void listButtons(const QJsonObject& node, QStringList& into)
{
    if (node.value(QStringLiteral("role")).toString() == QLatin1String("push button")) {
        const bool enabled =
            node.value(QStringLiteral("states")).toArray().contains(QStringLiteral("enabled"));
        into.append(node.value(QStringLiteral("name")).toString() + (enabled ? "" : " (grey)"));
    }
    for (const QJsonValue child : node.value(QStringLiteral("children")).toArray()) {
        listButtons(child.toObject(), into);
    }
}

} // namespace

// The main window on a desktop: what a screen reader finds on the
// accessibility bus, and what a ringing timer does while the window is
// minimised and another application has the keyboard. ctest runs it under
// tests/with-desktop.sh.
class TestDesktop : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;
    tikkro::desktop::DBusDesktopNotifier notifier{QStringLiteral("Tikkro"),
                                                  QStringLiteral("tikkro")};
    std::unique_ptr<tikkro::app::MainWindow> window;

    // The program's tree as the screen reader's side reads it, after it has
    // pressed the named button; empty when it could not.
    QJsonObject readAccessibleTree(const QString& press = {})
    {
        QStringList arguments{QStringLiteral(TIKKRO_ACCESSIBLE_TREE_SCRIPT),
                              QString::number(QCoreApplication::applicationPid())};
        if (!press.isEmpty()) {
            arguments.append(press);
        }
        QProcess reader;
        reader.start(qEnvironmentVariable("TIKKRO_ATSPI_PYTHON"), arguments);
        // The program answers the reader from its event loop, which must run
        // on while the reader works.
        static_cast<void>(
            QTest::qWaitFor([&reader] { return reader.state() == QProcess::NotRunning; }, 60'000));
        if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0) {
            qWarning() << reader.readAllStandardError();
            return {};
        }
        return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    }

    // The window the window manager stacks on top of all others.
    static WId topWindow()
    {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
        xprop.waitForFinished();
        return xprop.readAllStandardOutput().trimmed().split(' ').last().toULongLong(nullptr, 16);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("Needs a desktop: ctest runs this under tests/with-desktop.sh");
        }
    }
    void init()
    {
        rig = std::make_unique<Rig>();
        window = rig->makeWindow(&notifier);
        window->restoreSession();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        rig.reset();
    }

    void screenReaderFindsOnePushButtonPerCommand()
    {
        if (qEnvironmentVariableIsEmpty("TIKKRO_ATSPI_PYTHON")) {
            QSKIP("python3-pyatspi is not installed");
        }
        QStringList buttons;
        listButtons(readAccessibleTree(), buttons);
        QCOMPARE(buttons, QStringList({"Start", "Lap (grey)", "Resume (grey)", "Pause (grey)",
                                       "Reset (grey)"}));
        buttons.clear();
        listButtons(readAccessibleTree(QStringLiteral("Start")), buttons);
        QCOMPARE(buttons,
                 QStringList({"Start (grey)", "Lap", "Resume (grey)", "Pause", "Reset (grey)"}));
    }

    void ringingTimerNotifiesAndLeavesTheKeyboardAlone()
    {
        tikkro::fakes::FakeNotificationServer server;
        QVERIFY(server.start());
        if (qEnvironmentVariableIsEmpty("TIKKRO_WINDOW_MANAGER")) {
            QSKIP("Needs a window manager to minimise and to give the focus (openbox)");
        }
        QTest::mouseClick(
            window->findChild<tikkro::widgets::CommandButton*>(QStringLiteral("startButton")),
            Qt::LeftButton, {}, QPoint(20, 10));
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());

        QProcess typist;
        typist.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--typist")});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += typist.readAllStandardOutput()).contains("focused"),
                                 30'000);
        QTRY_COMPARE(QGuiApplication::focusWindow(), nullptr);

        rig->slots.timers[0] = {QStringLiteral("Tea"),
                                tikkro::settings::OleDate::fromDateTime(rig->clock.now()), true};
        Q_EMIT window->monitorTimer().tick();
        QTRY_COMPARE(server.calls.size(), 1);
        QWidget* events = window->alarmWindows().events();
        QVERIFY(QTest::qWaitForWindowExposed(events));
        // It stands in front of the typist once the window manager has
        // mapped it, which is when it would have handed the keyboard over.
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
