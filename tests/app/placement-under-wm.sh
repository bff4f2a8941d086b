#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program under a real window manager (openbox on Xvfb) and
# checks that its first place is against the right edge and that its frame
# comes back exactly where it was left, both from the default place and from
# a place the user chose; a drift shows at the first restart.
# Usage: placement-under-wm.sh PROGRAM_FOLDER. Exits 77 (skipped) where Xvfb,
# openbox, xdotool, xwininfo or python3 are missing.
set -euo pipefail
program_folder=$1
for tool in Xvfb openbox xdotool xwininfo xprop python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

scratch=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
cp "$program_folder/tikkro" "$scratch/"
cp -r "$program_folder/sounds" "$scratch/" 2>/dev/null || true

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
x_pid=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 &
wm_pid=$!
# The window manager is ready once it has named itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

stored() {
    python3 -c "import sqlite3,sys; print(*sqlite3.connect(sys.argv[1]).execute('SELECT MeLeft, MeTop FROM tUser').fetchone())" "$scratch/tikkro.mdb"
}

# The outer top-left of a window's frame, in pixels.
frame_of() {
    local info abs_x abs_y rel_x rel_y
    info=$(xwininfo -id "$1")
    abs_x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    abs_y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    rel_x=$(sed -n 's/.*Relative upper-left X: *//p' <<<"$info")
    rel_y=$(sed -n 's/.*Relative upper-left Y: *//p' <<<"$info")
    echo "$((abs_x - rel_x)) $((abs_y - rel_y))"
}

# The frame's outer top-left once placing is done: the window manager's
# frame has come and the frame has kept still for half a second.
settled_frame() {
    local last="" now still=0
    for _ in $(seq 200); do
        sleep 0.1
        now=$(frame_of "$1")
        if [ "$now" = "$last" ]; then
            still=$((still + 1))
            [ "$still" -ge 5 ] && break
        else
            still=0
            last=$now
        fi
    done
    echo "$last"
}

# The outer width of a window's frame, in pixels.
frame_width() {
    local extents ext_left ext_right ext_top ext_bottom
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r ext_left ext_right ext_top ext_bottom <<<"$extents"
    echo $(($(xwininfo -id "$1" | sed -n 's/.*Width: *//p') + ext_left + ext_right))
}

# Prints the frame's outer top-left in pixels of the running program's
# window, and with "width" its outer width too, then closes it with the
# window manager's close key.
run_once() {
    "$scratch/tikkro" &
    local pid=$! wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name '^Tikkro$' 2>/dev/null | head -1 || true)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || { echo "FAIL: no window"; kill "$pid"; exit 1; }
    if [ "${1:-}" = width ]; then
        echo "$(settled_frame "$wid") $(frame_width "$wid")"
    else
        settled_frame "$wid"
    fi
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers alt+F4
    for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null && { echo "FAIL: the close key did not end the program"; exit 1; }
    wait "$pid" || true
}

failures=0
# First start: the frame against the right edge, 270 twips (18 px) down.
read -r left top frame_w <<<"$(run_once width)"
first="$left $top"
[ "$top" = 18 ] || { echo "FAIL: default top is $top, expected 18"; failures=$((failures + 1)); }
width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
[ $((left + frame_w)) = "$width" ] || {
    echo "FAIL: default frame ends at $((left + frame_w)), expected $width"
    failures=$((failures + 1))
}
echo "default place: frame at $first on a screen $width wide; stored $(stored)"
again=$(run_once)
[ "$again" = "$first" ] || { echo "FAIL: default place, restarted: frame at $again"; failures=$((failures + 1)); }
[ "$(stored)" = "$((left * 15)).0 $((top * 15)).0" ] || { echo "FAIL: stored $(stored)"; failures=$((failures + 1)); }

# A place the user chose, as a previous run would have stored it.
python3 -c "import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); c.execute('UPDATE tUser SET MeLeft=1500, MeTop=1500'); c.commit()" "$scratch/tikkro.mdb"

# Started there, and windows that open centred centre their frame, title bar
# included.
"$scratch/tikkro" &
pid=$!
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Tikkro$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
done
chosen=$(settled_frame "$wid")
[ "$chosen" = "100 100" ] || { echo "FAIL: chosen place: frame at $chosen"; failures=$((failures + 1)); }
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+h a
about=""
for _ in $(seq 50); do
    about=$(xdotool search --onlyvisible --name '^About Tikkro$' 2>/dev/null | head -1 || true)
    [ -n "$about" ] && break
    sleep 0.1
done
if [ -n "$about" ]; then
    settled_frame "$about" >/dev/null
fi
if [ -z "$about" ]; then
    echo "FAIL: the About box did not open"
    failures=$((failures + 1))
else
    info=$(xwininfo -id "$about")
    frame_x=$(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") - $(sed -n 's/.*Relative upper-left X: *//p' <<<"$info")))
    frame_y=$(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") - $(sed -n 's/.*Relative upper-left Y: *//p' <<<"$info")))
    extents=$(xprop -id "$about" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r ext_left ext_right ext_top ext_bottom <<<"$extents"
    frame_w=$(frame_width "$about")
    frame_h=$(($(sed -n 's/.*Height: *//p' <<<"$info") + ext_top + ext_bottom))
    read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"
    off_x=$((2 * frame_x + frame_w - screen_w))
    off_y=$((2 * frame_y + frame_h - screen_h))
    if [ "${off_x#-}" -gt 1 ] || [ "${off_y#-}" -gt 1 ]; then
        echo "FAIL: About box frame at $frame_x $frame_y, ${frame_w}x$frame_h, not centred"
        failures=$((failures + 1))
    else
        echo "About box: frame centred at $frame_x $frame_y, ${frame_w}x$frame_h"
    fi
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$(stored)" = "1500.0 1500.0" ] || { echo "FAIL: stored $(stored)"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "PASS" || exit 1
