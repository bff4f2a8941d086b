#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The running display's cost beside the floor: Tikkro with its stopwatch
# running at the 15 ms level; bench/FloorClient.c, a bare Xlib window of the
# main window's size redrawing the same text every 15 ms; and, for scale,
# bench/QtFloorClient.cpp, a plain Qt Widgets window repainting the same text
# box with QPainter::drawText every 15 ms. Each runs on its own Xvfb, and all
# are measured over the same seconds from the scheduler's accounting
# (/proc/<pid>/task/*/schedstat). Prints each round's CPU share of one core
# for the floor, the plain Qt client and each Tikkro, the ratios to the floor
# and to the plain Qt client, and each Tikkro's private memory and
# proportional set size while running (from smaps_rollup). Give -b more than
# once to set builds side by side, such as one before a change and one after.
#
# Usage: scripts/bench-display-cpu.sh [-b BUILD_DIR]... [-r ROUNDS] [-s SECONDS]
# Needs: Xvfb, xdotool, xwininfo, C and C++ compilers, pkg-config and the
# Xlib and Qt Widgets headers (Debian/Ubuntu: apt-get install xvfb xdotool
# x11-utils libx11-dev pkg-config qt6-base-dev). It is not part of building
# or testing Tikkro, so install-deps.sh leaves them out.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
builds=()
rounds=3
seconds=20
while getopts "b:r:s:h" opt; do
    case $opt in
    b) builds+=("$OPTARG") ;;
    r) rounds=$OPTARG ;;
    s) seconds=$OPTARG ;;
    *)
        sed -n '3,19p' "$0"
        exit 2
        ;;
    esac
done
[ ${#builds[@]} -gt 0 ] || builds=("$here/build")
# The 15 ms level holds for the first minute of a run.
if ((seconds > 45)); then
    echo "bench-display-cpu: at most 45 seconds, the display coarsens after a minute" >&2
    exit 2
fi
# shellcheck source=scripts/bench-session.sh
. "$here/scripts/bench-session.sh" display
programs=()
for build in "${builds[@]}"; do
    programs+=("$(tikkro_of "$build")")
done

cc -O2 -o "$tmp/floor" "$here/bench/FloorClient.c" -lX11
# shellcheck disable=SC2046 # the flags are words
c++ -O2 -std=c++20 -fPIC -o "$tmp/qt-floor" "$here/bench/QtFloorClient.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets)

# Nanoseconds on a CPU, of all the process's threads, from the scheduler's
# own accounting: exact, where utime and stime are sampled at the kernel's
# tick and a process that runs for a few microseconds at a time is charged
# whole ticks or nothing.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d", ns }'
}

for round in $(seq "$rounds"); do
    # Each copy has a home of its own and, being uninstalled, a settings
    # file beside it: copies of one build side by side would share it.
    running=()
    size=
    for i in "${!programs[@]}"; do
        home=$tmp/home$round.$i
        mkdir -p "$home/run" && chmod 700 "$home/run"
        start_xvfb "$round.$i"
        copy=(env -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY HOME="$home"
            XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
            XDG_RUNTIME_DIR="$home/run" DISPLAY=":$display" QT_QPA_PLATFORM=xcb)
        "${copy[@]}" "${programs[i]}" >"$tmp/tikkro.$i.log" 2>&1 &
        running+=($!)
        pids+=($!)
        window=$(DISPLAY=":$display" timeout 20 xdotool search --sync --onlyvisible --name '^Tikkro$' | head -1)
        if [ -z "$size" ]; then
            size=$(DISPLAY=":$display" xwininfo -id "$window" |
                awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
        fi
        # The run of the round before comes back (a signal ends it).
        reset_watch "${copy[@]}" "${programs[i]}"
        "${copy[@]}" "${programs[i]}" --start
    done
    start_xvfb "$round.floor"
    # shellcheck disable=SC2086 # width and height
    DISPLAY=":$display" "$tmp/floor" $size 15 &
    floor=$!
    pids+=("$floor")
    start_xvfb "$round.qt"
    # shellcheck disable=SC2086 # width and height
    DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$tmp/qt-floor" $size 15 2>/dev/null &
    qt=$!
    pids+=("$qt")
    sleep 2

    declare -A before=()
    for pid in "$floor" "$qt" "${running[@]}"; do
        before[$pid]=$(cpu_ns "$pid")
    done
    start=$(date +%s.%N)
    sleep "$seconds"
    end=$(date +%s.%N)
    share() {
        awk -v t=$(($(cpu_ns "$1") - before[$1])) -v s="$start" -v e="$end" \
            'BEGIN { printf "%.2f", 100 * t / 1e9 / (e - s) }'
    }
    floor_share=$(share "$floor")
    qt_share=$(share "$qt")
    awk -v f="$floor_share" -v q="$qt_share" -v w="${size/ /x}" -v r="$round" \
        'BEGIN { printf "round %s: floor %s%%, plain Qt client %s%% (%.2f x floor) (window %s)\n", r, f, q, (f > 0 ? q / f : 0), w }'
    for i in "${!running[@]}"; do
        pid=${running[i]}
        tikkro_share=$(share "$pid")
        awk -v b="${builds[i]}" -v t="$tikkro_share" -v f="$floor_share" -v q="$qt_share" \
            -v m="$(memory "$pid")" 'BEGIN { printf "  %s: %s%%, %.2f x floor, %.2f x plain Qt, %s\n",
                b, t, (f > 0 ? t / f : 0), (q > 0 ? t / q : 0), m }'
    done
    kill "$floor" "$qt" "${running[@]}"
    wait "$floor" "$qt" "${running[@]}" 2>/dev/null || true
done
