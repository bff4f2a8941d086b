#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when any tracked C++ file differs from what clang-format would make of it.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
echo "$files" | xargs clang-format --dry-run --Werror
