// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a user sees it: from the process's launch to the main window
// on screen, and the CPU time spent on the way. The wait for the system
// clock's next whole second is measured and reported on its own. Run it on a
// display (for example under Xvfb); it starts on a settings file in a fresh
// temporary folder and quits once the window is shown.
//
// Given the bin folder of an installed copy, it starts the way that copy
// does (sounds from the data folder, the database in a scratch user data
// folder, the socket later starts ask) and then times starts of the
// installed program that hand over to it and end.
#include "app/CommandLine.h"
#include "app/FileLocations.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double bootSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// When the kernel started this process, in seconds of the boot-time clock.
double processStartSeconds()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return bootSeconds();
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // Field 22 of the whole line, counted from the state field (3).
    return fields.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Milliseconds from the start of each later copy to its end, sorted.
std::vector<double> timeHandOvers(const QString& program, int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QProcess later;
        const double from = bootSeconds();
        later.start(program, {});
        // This copy must keep answering while the later one asks.
        while (later.state() != QProcess::NotRunning) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        times.push_back((bootSeconds() - from) * 1000.0);
        if (later.exitStatus() != QProcess::NormalExit || later.exitCode() != 0) {
            std::printf("a later start failed: %s\n", later.readAllStandardError().constData());
        }
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace tikkro::app;
    const double launched = processStartSeconds();
    qputenv("QT_XCB_NO_MITSHM", "1");
    const QString installedBin = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir folder;
    if (!installedBin.isEmpty()) {
        // Shared with the later copies, so that they find this one.
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
    }
    Startup::nameProgram();
    QApplication application(argc, argv);

    const FileLocations files =
        installedBin.isEmpty()
            ? FileLocations(folder.path(), folder.path())
            : FileLocations(installedBin,
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    CommandLine::parse(QCoreApplication::arguments().mid(0, 1), files.databasePath(), true);
    files.makeDatabaseFolder();
    SingleInstance instance(files.databasePath());
    instance.claim();

    const int phase = Program::msToNextWholeSecond();
    Program program(files.soundsFolder(), files.databasePath(), &Program::msToNextWholeSecond);
    MainWindow& window = program.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double shown = bootSeconds();
    std::printf("launch to window shown: %.1f ms (%d ms before a whole second)\n",
                (shown - launched) * 1000.0, phase);
    std::printf("CPU time for the whole start-up: %.3f s\n", cpuSeconds());
    std::printf("database: %s\n", qPrintable(files.databasePath()));

    if (!installedBin.isEmpty()) {
        constexpr int Starts = 15;
        const std::vector<double> times =
            timeHandOvers(installedBin + QStringLiteral("/tikkro"), Starts);
        std::printf("later start handing over, %d starts: median %.1f ms, slowest %.1f ms, "
                    "CPU time %.1f ms each\n",
                    Starts, times[times.size() / 2], times.back(),
                    cpuSeconds(RUSAGE_CHILDREN) * 1000.0 / Starts);
    }
    return 0;
}
