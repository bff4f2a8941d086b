#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How often an idle Tikkro wakes up: the voluntary context switches a second
# of its main thread and of all its threads, with the stopwatch stopped, in
# four states: shown, shown with an alarm armed (due in decades), minimised,
# minimised with the alarm armed. Also prints the private memory and the
# proportional set size (from smaps_rollup) shown and idle.
# Runs on its own Xvfb with openbox, so that minimising works as on a desktop.
#
# Usage: scripts/bench-idle.sh [-b BUILD_DIR] [-s SECONDS]
# Needs: Xvfb, openbox, xdotool, xprop, python3 (not part of building or testing
# Tikkro, so install-deps.sh leaves them out).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
seconds=60
while getopts "b:s:h" opt; do
    case $opt in
    b) build=$OPTARG ;;
    s) seconds=$OPTARG ;;
    *)
        sed -n '3,12p' "$0"
        exit 2
        ;;
    esac
done
# shellcheck source=scripts/bench-session.sh
. "$here/scripts/bench-session.sh" idle
tikkro=$(tikkro_of "$build")
start_xvfb idle
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped while the window manager starts may be left unmapped.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
home=$tmp/home
mkdir -p "$home/run" && chmod 700 "$home/run"
run=(env -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY HOME="$home" XDG_DATA_HOME="$home/data"
    XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb "$tikkro")

# "tid count" lines: the voluntary context switches of each thread.
switches() {
    local f
    for f in /proc/"$1"/task/*/status; do
        awk -v f="$f" '/^voluntary_ctxt_switches/ { split(f, p, "/"); print p[5], $2 }' "$f" \
            2>/dev/null || true
    done
}

# Wake-ups a second of the main thread, and of all threads that lived
# through the whole measure (Qt's pool threads end after a while idle).
# It starts once the window has settled and the text cursor has stopped
# blinking, which it does after ten seconds without a key or a click.
measure() {
    local label=$1 pid=$2
    sleep 12
    switches "$pid" >"$tmp/before"
    sleep "$seconds"
    switches "$pid" >"$tmp/after"
    awk -v l="$label" -v s="$seconds" -v main="$pid" '
        NR == FNR { before[$1] = $2; next }
        $1 in before { d = $2 - before[$1]; all += d; if ($1 == main) m = d }
        END { printf "%-22s %10.2f %12.2f\n", l, m / s, all / s }' "$tmp/before" "$tmp/after"
}

start() {
    "${run[@]}" >"$tmp/tikkro.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tikkro$' | head -1)
    reset_watch "${run[@]}"
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

printf '%-22s %10s %12s\n' "wake-ups a second" "main" "all threads"
start
measure "shown, stopped" "$pid"
shown_memory=$(memory "$pid")
xdotool windowminimize --sync "$window"
measure "minimised" "$pid"
stop

# An alarm armed for 2064, in the settings file the first run used: beside
# an uninstalled program, else in the private home.
database=$(dirname "$tikkro")/tikkro.mdb
[ -f "$database" ] || database=$(find "$home" -type f -name tikkro.mdb | head -1)
arm() {
    python3 - "$database" "$1" <<'EOF'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("DELETE FROM tAlarm WHERE aA = 0")
if sys.argv[2] == "arm":
    db.execute("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (0, 'bench', 60000.5, 1)")
db.commit()
EOF
}
arm arm
trap 'arm disarm; cleanup' EXIT
start
measure "shown, armed" "$pid"
xdotool windowminimize --sync "$window"
measure "minimised, armed" "$pid"
stop
echo "memory shown, stopped: $shown_memory"
