#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on an Xvfb display of its own with no window manager,
# where no window ever gets a frame. Exits 77 (skipped) without Xvfb.
set -u
command -v Xvfb >/dev/null || { echo "on-bare-x-server.sh: no Xvfb; skipped" >&2; exit 77; }
folder=$(mktemp -d)
exec 3<>"$folder/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$folder/display" ] && break
    sleep 0.05
done
DISPLAY=":$(head -n1 "$folder/display")" QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$xvfb"
rm -rf "$folder"
exit "$status"
