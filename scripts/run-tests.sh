#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test twice: once built as shipped, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. The sanitized tree builds
# only the test programs that run in-process and what they link, at -O1 with
# line tables only, enough for reports that name file and line.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# Tests mostly wait on timers and other processes, so one more than the
# cores keeps them busy; those that start programs run alone.
test_jobs=$((jobs + 1))
# The program's folders compile in batches of files, which parses the Qt
# headers once per batch instead of once per file.
build_flags=(-DCMAKE_UNITY_BUILD=ON)
if command -v ld.gold >/dev/null; then
    build_flags+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold)
fi

# Benchmarks are built where they are run (bench/), not here.
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Release -DTIKKRO_BUILD_BENCHMARKS=OFF "${build_flags[@]}"
cmake --build build-tests -j"$jobs"
ctest --test-dir build-tests --output-on-failure -j"$test_jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DTIKKRO_SANITIZE=ON "${build_flags[@]}"
cmake --build build-sanitize -j"$jobs" --target tikkro_tests
ctest --test-dir build-sanitize --output-on-failure -j"$test_jobs"
