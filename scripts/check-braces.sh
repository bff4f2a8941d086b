#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an if, else, for or while body in the program's sources lacks
# braces. Takes the build folder holding compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
files=$(git ls-files 'src/*.cpp' 2>/dev/null || find src -name '*.cpp')
echo "$files" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet \
    --checks='-*,readability-braces-around-statements' --warnings-as-errors='*' \
    --header-filter="$PWD/src/.*" 2>/dev/null
