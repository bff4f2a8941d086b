# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared by the bench scripts that run programs on X displays of their own:
# a scratch folder, $tmp, removed at exit together with every process listed
# in $pids (ended last first), and start_xvfb. Sourced, after
# `set -euo pipefail`, with the script's short name:
#     . "$(dirname "$0")/bench-session.sh" display
tmp=$(mktemp -d "/tmp/bench-$1.XXXXXX")
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Starts an Xvfb that picks its own display, named NAME among this script's,
# and leaves the display's number in $display.
start_xvfb() {
    local fd_file=$tmp/display.$1
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    # shellcheck disable=SC2034 # read by the sourcing script
    display=$(tr -dc '0-9' <"$fd_file")
}

# The program a build made: bin/tikkro, or wherever the build put it.
tikkro_of() {
    local program=$1/bin/tikkro
    [ -x "$program" ] || program=$(find "$1" -name tikkro -type f -perm -u+x 2>/dev/null | head -1)
    if [ ! -x "$program" ]; then
        echo "$(basename "$0"): no tikkro under $1" >&2
        return 2
    fi
    echo "$program"
}

# A process's private memory and proportional set size.
memory() {
    awk '/^Pss:/ { pss = $2 } /^Private_(Clean|Dirty):/ { priv += $2 }
        END { printf "private %.1f MB, PSS %.1f MB", priv / 1024, pss / 1024 }' \
        "/proc/$1/smaps_rollup"
}

# Stops and resets the stopwatch of the running copy that the given command
# line (the program and its environment) reaches. A run kept from an earlier
# start comes back as it was, and an uninstalled build keeps it beside the
# program, shared by every copy of that build.
reset_watch() {
    "$@" --pause >/dev/null 2>&1 || true
    "$@" --reset >/dev/null 2>&1 || true
}
