// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tikkro::app {

// The program's command line: --help, --version and the stopwatch commands
// for the running copy, which main() gives before this is asked.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // What the program does with its command line: run, or print and end.
    struct Outcome
    {
        bool run = false;
        int status = 0;
        QString output;
        QString error;
        // A request to run once the window is up, from a command line that
        // started this copy for it.
        QByteArray firstCommand;
    };

    // arguments start with the program's name. The version names the
    // database file, so that a user can find it.
    static Outcome parse(const QStringList& arguments, const QString& databasePath,
                         bool displayAvailable);

    // Whether Qt can be asked for a window at all: a platform chosen
    // explicitly, or a display of the default platforms. Without one Qt
    // aborts, so this is answered before anything of Qt's GUI is built.
    static bool displayAvailable(const QStringList& arguments,
                                 const QProcessEnvironment& environment);
    static bool displayAvailable(int argc, char* argv[]);
};

} // namespace tikkro::app
