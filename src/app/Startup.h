// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tikkro::app {

// From the command line to the running main window and back: what the
// program is called, what it does with its arguments, which copy runs, and
// how every way of ending it comes to the main window's own shut-down.
class Startup
{
public:
    // Names the program for Qt, before the application object exists.
    static void nameProgram();

    // Asks a copy running on this program's database to come forward; true
    // when one answered. Quick enough to run before Qt opens the display.
    static bool handOverToRunningCopy();

    // Runs the program in the application object that exists; a
    // QCoreApplication when there is no display, a QApplication otherwise.
    // Returns the exit status.
    static int run(bool displayAvailable);
};

} // namespace tikkro::app
