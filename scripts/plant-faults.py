#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants each fault listed under scripts/faults/ alone, rebuilds, and runs
the tests named for it: every fault must make a test fail.

A fault is a block in a .txt file there:

    === short-name: what goes wrong, in a few words
    file: src/core/Something.cpp
    tests: test_core test_app          (ctest names; their targets are built)
    --- old
    the exact text, found exactly once in the file
    --- new
    the text put in its place

Usage: scripts/plant-faults.py BUILD_DIR [NAME...]
The build tree must be configured already. Files are always restored, also
on Ctrl+C. Prints one line per fault and exits non-zero if any survived.
"""
import pathlib
import re
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent


def parse(path):
    faults = []
    current = None
    section = None
    for line in path.read_text().splitlines(keepends=True):
        if line.startswith("=== "):
            name, _, what = line[4:].strip().partition(":")
            current = {"name": name.strip(), "what": what.strip(), "old": "", "new": "", "source": path.name}
            faults.append(current)
            section = None
        elif current is None:
            continue
        elif line.startswith("--- "):
            section = line[4:].strip()
        elif section in ("old", "new"):
            current[section] += line
        elif ":" in line:
            key, _, value = line.partition(":")
            current[key.strip()] = value.strip()
    for fault in faults:
        for key in ("old", "new"):
            fault[key] = fault[key].rstrip("\n")
    return faults


def ctest_targets(build, names):
    """The executable behind each ctest name, so only it is rebuilt."""
    listing = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                             capture_output=True, text=True, check=True).stdout
    import json
    targets = set()
    for test in json.loads(listing)["tests"]:
        if test["name"] in names:
            for arg in test.get("command", []):
                stem = pathlib.Path(arg).name
                if stem.startswith("test_"):
                    targets.add(stem)
    return sorted(targets) or ["all"]


def run(build, fault):
    path = ROOT / fault["file"]
    original = path.read_text()
    if original.count(fault["old"]) != 1:
        return "stale", "old text found %d times" % original.count(fault["old"])
    tests = fault["tests"].split()
    try:
        path.write_text(original.replace(fault["old"], fault["new"]))
        built = subprocess.run(["cmake", "--build", str(build), "-j2", "--target", *ctest_targets(build, tests)],
                               capture_output=True, text=True)
        if built.returncode != 0:
            return "caught", "by the compiler"
        pattern = "^(" + "|".join(re.escape(t) for t in tests) + ")$"
        ran = subprocess.run(["ctest", "--test-dir", str(build), "-R", pattern, "--output-on-failure"],
                             capture_output=True, text=True)
        if ran.returncode == 0:
            return "SURVIVED", ""
        failed = re.findall(r"^FAIL!\s+:\s+(\S+)", ran.stdout, re.M)
        return "caught", " ".join(dict.fromkeys(failed)) or "(test program failed)"
    finally:
        path.write_text(original)
        # The next build must not reuse the object built with the fault.
        path.touch()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = pathlib.Path(sys.argv[1]).resolve()
    wanted = set(sys.argv[2:])
    faults = [f for p in sorted((ROOT / "scripts/faults").glob("*.txt")) for f in parse(p)]
    survived = 0
    for fault in faults:
        if wanted and fault["name"] not in wanted:
            continue
        started = time.monotonic()
        verdict, detail = run(build, fault)
        survived += verdict != "caught"
        print("%-8s %-28s %-40s %s (%.0f s)" % (verdict, fault["name"], fault["what"][:40], detail,
                                              time.monotonic() - started), flush=True)
    subprocess.run(["cmake", "--build", str(build), "-j2"], capture_output=True)
    sys.exit(1 if survived else 0)


if __name__ == "__main__":
    main()
