// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a user sees it: from the process's launch to the main window
// on screen, and the CPU time spent on the way. The wait for the system
// clock's next whole second is measured and reported on its own. Run it on a
// display (for example under Xvfb); it starts on a settings file in a fresh
// temporary folder and quits once the window is shown.
#include "app/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
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

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    const double launched = processStartSeconds();
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication application(argc, argv);
    QTemporaryDir folder;

    double waited = 0;
    tikkro::app::Program program(folder.path(), [&waited] {
        const double from = bootSeconds();
        tikkro::app::Program::sleepUntilNextWholeSecond();
        waited = bootSeconds() - from;
    });
    tikkro::app::MainWindow& window = program.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double shown = bootSeconds();
    std::printf("launch to window shown, without the wait: %.1f ms\n",
                (shown - launched - waited) * 1000.0);
    std::printf("wait for the next whole second: %.1f ms\n", waited * 1000.0);
    std::printf("CPU time for the whole start-up: %.3f s\n", cpuSeconds());
    return 0;
}
