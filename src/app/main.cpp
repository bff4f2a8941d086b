// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlatformChoice.h"
#include "app/Program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The running display repaints a few characters 66 times a second. For
    // regions that small, X11 shared-memory images cost more than they save:
    // every flush makes the X server send a completion event, which wakes
    // the program a second time.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    const QByteArray platform =
        tikkro::app::PlatformChoice::platformFor(tikkro::app::PlatformChoice::ofThisProcess());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
    QApplication application(argc, argv);
    if (!platform.isEmpty()) {
        // Programs started from Tikkro make their own choice.
        qunsetenv("QT_QPA_PLATFORM");
    }
    QApplication::setApplicationName(QStringLiteral("Tikkro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tikkro"));

    tikkro::app::Program program(QCoreApplication::applicationDirPath(),
                                 tikkro::app::Program::sleepUntilNextWholeSecond);
    program.start();
    return QApplication::exec();
}
