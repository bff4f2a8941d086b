#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the lines of test code against the lines of program code, counting
# the non-blank lines of .cpp and .h files under tests/ and src/ that are not
# whole-line // comments, as tracked by git.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    git ls-files "$1/*" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -c -v -E '^\s*(//.*)?$'
}
tests=$(count tests)
code=$(count src)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d / src %d = %.3f\n", t, c, t / c }'
