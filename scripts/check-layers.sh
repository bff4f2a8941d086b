#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders under src/ include only from the layers below them.
# The core's own target links no Widgets, so a widget header does not compile
# there; this catches the includes of our own headers that would still build.
set -euo pipefail
cd "$(dirname "$0")/../src"

allowed_for() {
    case "$1" in
    core) echo "core" ;;
    widgets) echo "core widgets" ;;
    accessibility) echo "core widgets accessibility" ;;
    placement) echo "core placement" ;;
    desktop) echo "core desktop" ;;
    stopwatch | alarms | printing | about) echo "core widgets accessibility placement desktop $1" ;;
    app) echo "*" ;;
    *) echo "" ;;
    esac
}

status=0
for dir in */; do
    layer=${dir%/}
    allowed=$(allowed_for "$layer")
    if [ -z "$allowed" ]; then
        echo "src/$layer: a folder the layer rule does not know; add it to $0"
        status=1
        continue
    fi
    [ "$allowed" = "*" ] && continue
    while IFS=: read -r file line include; do
        folder=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$include")
        if [[ " $allowed " != *" $folder "* ]]; then
            echo "src/$file:$line: $layer may not include from $folder/"
            status=1
        fi
    done < <(grep -rnE '^#include "[a-z]+/' "$layer" || true)
done
exit $status
