// SPDX-License-Identifier: GPL-3.0-or-later
// The least a program can do to show a running hh:mm:ss.fff: a bare Xlib
// window of the given size whose text is cleared and drawn again every
// interval, read afresh from CLOCK_MONOTONIC. scripts/bench-display-cpu.sh
// measures Tikkro's display against it.
//
//   FloorClient WIDTH HEIGHT [INTERVAL_MS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long msSince(const struct timespec* start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)(now.tv_sec - start->tv_sec) * 1000 +
           (now.tv_nsec - start->tv_nsec) / 1000000;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT [INTERVAL_MS]\n", argv[0]);
        return 2;
    }
    const int width = atoi(argv[1]);
    const int height = atoi(argv[2]);
    const long interval = argc > 3 ? atol(argv[3]) : 15;
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "%s: no display\n", argv[0]);
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), 0, 0, (unsigned)width, (unsigned)height, 0,
        BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, "FloorClient");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    const GC gc = XCreateGC(display, window, 0, NULL);
    XSetForeground(display, gc, BlackPixel(display, screen));
    XFontStruct* font = XLoadQueryFont(display, "fixed");
    if (font != NULL) {
        XSetFont(display, gc, font->fid);
    }

    // The text's box, as the stopwatch's own display sits near the top left.
    const int boxX = 8, boxY = 24, boxWidth = 117, boxHeight = 20;
    struct timespec start, next;
    clock_gettime(CLOCK_MONOTONIC, &start);
    next = start;
    char text[32];
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        const long long ms = msSince(&start);
        const int length = snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%02lld", ms / 3600000,
                                    ms / 60000 % 60, ms / 1000 % 60, ms % 1000 / 10);
        XClearArea(display, window, boxX, boxY, (unsigned)boxWidth, (unsigned)boxHeight, False);
        XDrawString(display, window, gc, boxX + 20, boxY + 15, text, length);
        XFlush(display);

        next.tv_nsec += interval * 1000000L;
        while (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL) == EINTR) {
        }
    }
}
