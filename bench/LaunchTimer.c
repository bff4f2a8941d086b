// SPDX-License-Identifier: GPL-3.0-or-later
// Launch to window shown, as a user sees it: starts a program, waits for its
// first top-level window to be mapped and then for the first drawing into
// it, and prints both in milliseconds from the launch, then the program's
// process id. The program is left running. With --phase MS it launches MS
// milliseconds after a whole second of the system clock, so that a start
// that waits for the clock's seconds shows it. scripts/bench-launch.sh runs
// it at ten phases of the second. Needs a display without a window manager,
// so that the program's own window is the one mapped on the root.
//
//   LaunchTimer [--phase MS] PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <time.h>
#include <unistd.h>

static double msSince(const struct timespec* from)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - from->tv_sec) * 1000.0 +
           (double)(now.tv_nsec - from->tv_nsec) / 1e6;
}

static void waitForPhase(long phaseMs)
{
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    struct timespec at = {now.tv_sec + 1, phaseMs * 1000000L};
    while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &at, NULL) != 0) {
    }
}

int main(int argc, char** argv)
{
    int first = 1;
    long phaseMs = -1;
    if (argc > 2 && strcmp(argv[1], "--phase") == 0) {
        phaseMs = atol(argv[2]) % 1000;
        first = 3;
    }
    if (argc <= first) {
        fprintf(stderr, "usage: %s [--phase MS] PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    int damageEvent = 0, damageError = 0;
    if (display == NULL || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "%s: no display, or no DAMAGE extension\n", argv[0]);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    if (phaseMs >= 0) {
        waitForPhase(phaseMs);
    }

    struct timespec launched;
    clock_gettime(CLOCK_MONOTONIC, &launched);
    const pid_t child = fork();
    if (child == 0) {
        // Whoever reads this timer's output must not wait for the program's.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    double mapped = -1;
    Window window = None;
    const int fd = ConnectionNumber(display);
    while (msSince(&launched) < 20000) {
        if (XPending(display) == 0) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            struct timeval wait = {0, 100000};
            select(fd + 1, &readable, NULL, NULL, &wait);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && window == None && !event.xmap.override_redirect) {
            mapped = msSince(&launched);
            window = event.xmap.window;
            XDamageCreate(display, window, XDamageReportNonEmpty);
        } else if (window != None && event.type == damageEvent + XDamageNotify) {
            printf("mapped %.1f ms, drawn %.1f ms\n%d\n", mapped, msSince(&launched), (int)child);
            return 0;
        }
    }
    fprintf(stderr, "%s: no window drawn in 20 s\n", argv[0]);
    kill(child, SIGTERM);
    return 1;
}
