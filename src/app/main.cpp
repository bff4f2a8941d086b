// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmStart.h"
#include "about/DesktopRegistry.h"
#include "about/QtProgramLauncher.h"
#include "about/SysInfoLauncher.h"
#include "alarms/AlarmSlots.h"
#include "printing/PrintCommand.h"
#include "settings/SettingsDatabase.h"
#include "stopwatch/BootTimeCounter.h"
#include "ui/QtMessageService.h"
#include "ui/QtSoundService.h"
#include "ui/WallClock.h"

#include <QApplication>
#include <chrono>
#include <thread>

namespace {

// Sleeps rather than spins: the same alignment to the system clock's next
// whole second, without burning a core while the program starts.
void sleepUntilNextWholeSecond()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    std::this_thread::sleep_until(floor<seconds>(now) + seconds(1));
}

} // namespace

int main(int argc, char* argv[])
{
    // The running display repaints a few characters 66 times a second. For
    // regions that small, X11 shared-memory images cost more than they save:
    // every flush makes the X server send a completion event, which wakes
    // the program a second time.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tikkro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tikkro"));

    const QString programFolder = QCoreApplication::applicationDirPath();
    const tikkro::stopwatch::BootTimeCounter counter;
    tikkro::ui::SystemWallClock clock;
    tikkro::ui::QtMessageService messages;
    tikkro::ui::QtSoundService sound(programFolder + QStringLiteral("/sounds"));
    tikkro::alarms::AlarmSlots slots;
    const tikkro::settings::SettingsDatabase database(
        tikkro::settings::SettingsDatabase::pathIn(programFolder), messages);
    tikkro::about::DesktopRegistry registry;
    tikkro::about::QtProgramLauncher launcher;
    tikkro::about::SysInfoLauncher sysInfo(registry, launcher, messages);
    tikkro::printing::PrintCommand print = tikkro::printing::PrintCommand::withQtPrinting();

    tikkro::app::FrmStart window({counter, clock, messages, slots, database, sound, sysInfo, print,
                                  sleepUntilNextWholeSecond});
    messages.setParent(&window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
