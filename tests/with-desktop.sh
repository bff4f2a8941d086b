#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a throwaway desktop of its own: an Xvfb display, the
# openbox window manager where installed, a private session bus and, through
# it, the accessibility bus. Exits 77, which ctest counts as skipped, where
# Xvfb or dbus-run-session is missing.
set -u
for tool in Xvfb dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "with-desktop.sh: $tool is not installed; skipped" >&2
        exit 77
    fi
done
if [ -z "${TIKKRO_DESKTOP_BUS:-}" ]; then
    exec env TIKKRO_DESKTOP_BUS=1 dbus-run-session -- "$0" "$@"
fi

folder=$(mktemp -d /tmp/tikkro-desktop.XXXXXX)
exec 3<>"$folder/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$folder/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n1 "$folder/display")"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR="$folder/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

wm=""
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    export TIKKRO_WINDOW_MANAGER=openbox
    # A window mapped before the window manager has taken over the screen is
    # never activated: the test starts once it has.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

"$@"
status=$?
[ -n "$wm" ] && kill "$wm" 2>/dev/null
kill "$xvfb" 2>/dev/null
wait 2>/dev/null
rm -rf "$folder"
exit $status
