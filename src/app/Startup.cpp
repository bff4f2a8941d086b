// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "Version.h"
#include "about/AboutLogo.h"
#include "app/CommandLine.h"
#include "app/FileLocations.h"
#include "app/Program.h"
#include "app/RemoteCommand.h"
#include "app/RemoteControl.h"
#include "app/ShutdownSignals.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "placement/WindowActivation.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

namespace tikkro::app {

namespace {

QIcon programIcon()
{
    constexpr int Side = 64;
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    about::AboutLogo::paintIcon(painter, Side);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

void Startup::nameProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tikkro"));
    QCoreApplication::setApplicationVersion(QLatin1String(version::text));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tikkro"));
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(TIKKRO_APP_ID));
}

bool Startup::handOverToRunningCopy()
{
    return SingleInstance::askRunningCopy(
        SingleInstance::serverNameFor(FileLocations::forThisProgram().databasePath()));
}

int Startup::run(bool displayAvailable)
{
    const FileLocations files = FileLocations::forThisProgram();
    Translations::install(files.translationsFolder());
    const CommandLine::Outcome outcome =
        CommandLine::parse(QCoreApplication::arguments(), files.databasePath(), displayAvailable);
    if (!outcome.run) {
        std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
        return outcome.status;
    }

    ShutdownSignals shutdownSignals;
    files.makeDatabaseFolder();
    SingleInstance instance(files.databasePath());
    const std::optional<RemoteRequest> firstCommand = RemoteRequest::decode(outcome.firstCommand);
    if (!instance.claim()) {
        // A copy that came up meanwhile takes the command this one was for.
        if (firstCommand) {
            RemoteCommand::exchange(instance.serverName(), *firstCommand);
        }
        return 0;
    }

    QApplication::setWindowIcon(programIcon());
    Program program(files.soundsFolder(), files.databasePath(), Program::msToNextWholeSecond);
    MainWindow& window = program.start();
    RemoteControl remote(window, program.counter());
    if (firstCommand) {
        remote.answer(*firstCommand);
    }
    instance.setCommandHandler([&remote](const RemoteRequest& r) { return remote.answer(r); });
    remote.publish();

    // Every way of ending goes through the main window's close, which keeps
    // its position and closes the other windows; once it is gone there is
    // nothing left to do. Ended by the session or a signal rather than by
    // the user, the run comes back at the next start.
    const auto shutDown = [&window] {
        if (window.isVisible()) {
            window.closeKeepingRun();
        }
    };
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, shutDown);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, shutDown);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &window, shutDown);
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &window,
                     [&window] { placement::WindowActivation::bringForward(window); });
    shutdownSignals.startDelivering();
    return QApplication::exec();
}

} // namespace tikkro::app
