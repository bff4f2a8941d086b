#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long after its due moment a countdown rings when Tikkro is closed:
# each try arms timer 1 ten seconds ahead in the program's database, starts
# Tikkro so that it hands the moment to the user's systemd, ends it with
# SIGTERM (the same close as the window's close box), and waits for systemd
# to start it again. The ring is timed by the desktop notification that goes
# out with the sound, as the session bus sees it (dbus-monitor's time stamp).
#
# Usage: scripts/bench-ring-closed.sh BUILD_DIR [TRIES]   (default 5 tries)
# Needs: a systemd user manager on the session bus, a display (DISPLAY or
# WAYLAND_DISPLAY), python3 and dbus-monitor. Exits 77 where one is missing.
# It uses the database of the build tree's program, BUILD_DIR/bin/tikkro.mdb,
# and leaves timer 1 disarmed.
set -euo pipefail
build=${1:?usage: bench-ring-closed.sh BUILD_DIR [TRIES]}
tries=${2:-5}
program=$(realpath "$build/bin/tikkro")
database=$(dirname "$program")/tikkro.mdb
ahead=10

skip() { echo "bench-ring-closed: $*; nothing measured" >&2; exit 77; }
command -v dbus-monitor >/dev/null || skip "dbus-monitor is missing"
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || skip "no display"
owner=$(busctl --user call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus \
    NameHasOwner s org.freedesktop.systemd1 2>/dev/null || true)
[ "$owner" = "b true" ] || skip "no systemd user manager answers on the session bus"

manager() {
    local method=$1
    shift
    busctl --user call org.freedesktop.systemd1 /org/freedesktop/systemd1 \
        org.freedesktop.systemd1.Manager "$method" "$@"
}

# Arms timer 1 (store key 100) for a whole second $ahead seconds on and
# prints that moment in seconds since 1970. The stored date counts days since
# 30 December 1899 in local time.
arm() {
    python3 - "$database" "$ahead" <<'EOF'
import datetime, math, sqlite3, sys, time
path, ahead = sys.argv[1], int(sys.argv[2])
due = math.floor(time.time()) + ahead
local = datetime.datetime.fromtimestamp(due)
ole = (local - datetime.datetime(1899, 12, 30)).total_seconds() / 86400
db = sqlite3.connect(path)
db.execute("DELETE FROM tAlarm WHERE aA = 100")
db.execute("INSERT INTO tAlarm (aA, an, aT, aF) VALUES (100, 'Bench', ?, 1)", (ole,))
db.commit()
print(due)
EOF
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A first start makes the database when there is none.
if [ ! -f "$database" ]; then
    "$program" & pid=$!
    for _ in $(seq 50); do [ -f "$database" ] && break; sleep 0.1; done
    sleep 1; kill -TERM "$pid"; wait "$pid" || true
fi

unit=
results=()
for try in $(seq "$tries"); do
    due=$(arm)
    "$program" & pid=$!
    # The program hands the moment over once its window is up.
    for _ in $(seq 50); do
        unit=$(ls "${XDG_CONFIG_HOME:-$HOME/.config}/systemd/user" 2>/dev/null |
            grep -m1 '^tikkro-alarm-.*\.timer$' || true)
        [ -n "$unit" ] && break
        sleep 0.1
    done
    [ -n "$unit" ] || { kill -TERM "$pid"; skip "no timer unit was written"; }
    sleep 1
    kill -TERM "$pid"
    wait "$pid" || true

    dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
        > "$work/monitor.log" 2>&1 &
    monitor=$!
    sleep $((due - $(date +%s) + ahead))
    kill "$monitor"; wait "$monitor" 2>/dev/null || true
    # The copy systemd started goes with its service.
    manager StopUnit ss "${unit%.timer}.service" replace >/dev/null 2>&1 || true

    rang=$(grep -m1 'member=Notify' "$work/monitor.log" | grep -o 'time=[0-9.]*' |
        cut -d= -f2 || true)
    if [ -z "$rang" ]; then
        echo "try $try: no ring within $ahead s of the due moment"
        continue
    fi
    late=$(python3 -c "print(round(($rang - $due) * 1000))")
    echo "try $try: rang $late ms after the due moment"
    results+=("$late")
done

[ ${#results[@]} -gt 0 ] || exit 1
printf '%s\n' "${results[@]}" | sort -n | awk '
    { v[NR] = $1; sum += $1 }
    END { printf "due to ring (ms), %d tries: min %d, median %d, max %d, mean %.0f\n",
          NR, v[1], v[int((NR + 1) / 2)], v[NR], sum / NR }'
