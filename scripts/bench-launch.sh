#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Launch to window shown, for an installed Tikkro: installs a build into a
# scratch prefix and starts it at ten phases of the system clock's second
# (0, 100, ... 900 ms after a whole second), each time timing from the
# launch to its window mapped and to the first drawing in it
# (bench/LaunchTimer.c), on an Xvfb of its own with a session bus of its
# own. The settings file is made by one start before those measured, as it
# is for every start but a user's first; that first start is printed too.
#
# Usage: scripts/bench-launch.sh [-b BUILD_DIR] [-r ROUNDS]
# Needs: Xvfb, dbus-daemon, a C compiler and the Xlib and XDamage headers
# (Debian/Ubuntu: apt-get install xvfb dbus libx11-dev libxdamage-dev). It is
# not part of building or testing Tikkro, so install-deps.sh leaves them out.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
rounds=1
while getopts "b:r:h" opt; do
    case $opt in
    b) build=$OPTARG ;;
    r) rounds=$OPTARG ;;
    *)
        sed -n '3,14p' "$0"
        exit 2
        ;;
    esac
done

# shellcheck source=scripts/bench-session.sh
. "$here/scripts/bench-session.sh" launch

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
cc -O2 -o "$tmp/launch-timer" "$here/bench/LaunchTimer.c" -lX11 -lXdamage

start_xvfb launch
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
pids+=("$(sed -n 2p <<<"$bus")")

home=$tmp/home
mkdir -p "$home/run" && chmod 700 "$home/run"
run() {
    env -u WAYLAND_DISPLAY HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$home/run" DISPLAY=":$display" QT_QPA_PLATFORM=xcb \
        DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")" "$@"
}

# Prints the timer's line and ends the program it started.
launch() {
    local out pid
    out=$(run "$tmp/launch-timer" "$@" "$tmp/prefix/bin/tikkro")
    pid=$(tail -1 <<<"$out")
    head -1 <<<"$out"
    kill "$pid"
    while kill -0 "$pid" 2>/dev/null; do
        sleep 0.05
    done
}

echo "first start (makes the settings file): $(launch)"
drawn=()
for round in $(seq "$rounds"); do
    for phase in 0 100 200 300 400 500 600 700 800 900; do
        line=$(launch --phase "$phase")
        echo "round $round, phase $phase ms: $line"
        drawn+=("$(sed -E 's/.*drawn ([0-9.]+) ms.*/\1/' <<<"$line")")
    done
done
printf '%s\n' "${drawn[@]}" | sort -n |
    awk '{ t[NR] = $1 } END { printf "launch to window drawn, %d starts: median %.1f ms, fastest %.1f ms, slowest %.1f ms\n", NR, t[int((NR + 1) / 2)], t[1], t[NR] }'
