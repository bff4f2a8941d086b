// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/PlatformChoice.h"
#include "app/RemoteCommand.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // A stopwatch command is timed at the moment it was given: before Qt
    // or anything else of the program's own costs time.
    const qint64 givenAt = tikkro::app::RemoteRequest::bootTimeNow();
    using tikkro::app::PlatformChoice;
    using tikkro::app::Startup;
    Startup::nameProgram();
    if (argc == 2) {
        if (const auto verb = tikkro::app::RemoteRequest::fromOption(argv[1])) {
            return tikkro::app::RemoteCommand::give(argv[0], {*verb, givenAt});
        }
    }
    // Without a display Qt would abort; --help and --version still work.
    if (!tikkro::app::CommandLine::displayAvailable(argc, argv)) {
        QCoreApplication application(argc, argv);
        return Startup::run(false);
    }
    // A later start with nothing to parse hands over before Qt opens the
    // display, which would cost more than all the rest of it.
    if (argc == 1 && Startup::handOverToRunningCopy()) {
        return 0;
    }

    // The running display repaints a few characters 66 times a second. For
    // regions that small, X11 shared-memory images cost more than they save:
    // every flush makes the X server send a completion event, which wakes
    // the program a second time.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    const QByteArray platform = PlatformChoice::platformFor(PlatformChoice::ofThisProcess());
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform);
    }
    QApplication application(argc, argv);
    if (!platform.isEmpty()) {
        // Programs started from Tikkro make their own choice.
        qunsetenv("QT_QPA_PLATFORM");
    }
    return Startup::run(true);
}
