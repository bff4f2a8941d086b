// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "Version.h"
#include "app/RemoteCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <utility>

namespace tikkro::app {

CommandLine::Outcome CommandLine::parse(const QStringList& arguments, const QString& databasePath,
                                        bool displayAvailable)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("A precise stopwatch with a lap log, two alarms and two countdown timers."));
    // Qt's own help option would add --help-all, which lists Qt's options.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Displays help on commandline options."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    // Each alone; main() gives them to the running copy.
    const std::array<std::pair<const char*, const char*>, 6> commands{{
        {"start", QT_TR_NOOP("Starts the stopwatch of the running Tikkro, starting Tikkro if none "
                             "runs.")},
        {"pause", QT_TR_NOOP("Pauses the running stopwatch.")},
        {"resume", QT_TR_NOOP("Resumes the paused stopwatch.")},
        {"lap", QT_TR_NOOP("Takes a Lap.")},
        {"reset", QT_TR_NOOP("Resets the stopwatch.")},
        {"toggle", QT_TR_NOOP("Start, Pause or Resume, whichever is offered.")},
    }};
    for (const auto& [word, description] : commands) {
        parser.addOption(QCommandLineOption(QLatin1String(word), tr(description)));
    }
    QCommandLineOption firstCommand(QLatin1String(RemoteCommand::FirstCommandOption + 2), QString(),
                                    QStringLiteral("request"));
    firstCommand.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(firstCommand);

    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        // The same words as Qt's own command-line handling.
        return {false, 1, {}, name + QStringLiteral(": ") + parser.errorText() + u'\n', {}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {
            false,
            1,
            {},
            name +
                tr(": Unexpected argument '%1'.\n").arg(parser.positionalArguments().constFirst()),
            {}};
    }
    if (parser.isSet(help)) {
        return {false, 0, parser.helpText(), {}, {}};
    }
    if (parser.isSet(version)) {
        return {false,
                0,
                tr("%1 %2\nDatabase: %3\n").arg(name, QLatin1String(version::text), databasePath),
                {},
                {}};
    }
    for (const auto& command : commands) {
        if (parser.isSet(QLatin1String(command.first))) {
            return {false,
                    1,
                    {},
                    name + tr(": --%1 is given alone.\n").arg(QLatin1String(command.first)),
                    {}};
        }
    }
    if (!displayAvailable) {
        return {false,
                1,
                {},
                name + tr(": cannot open a window: no display (neither DISPLAY nor "
                          "WAYLAND_DISPLAY is set)\n"),
                {}};
    }
    return {true, 0, {}, {}, parser.value(firstCommand).toLatin1()};
}

bool CommandLine::displayAvailable(const QStringList& arguments,
                                   const QProcessEnvironment& environment)
{
    // Qt takes -platform with one dash or two.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("-platform") ||
            arguments.at(i) == QLatin1String("--platform")) {
            return true;
        }
    }
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!environment.value(QLatin1String(variable)).isEmpty()) {
            return true;
        }
    }
    return false;
}

bool CommandLine::displayAvailable(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return displayAvailable(arguments, QProcessEnvironment::systemEnvironment());
}

} // namespace tikkro::app
