#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times `tikkro --lap` against a running copy, 100 runs (or as many as
given): the gap from launching the command to the moment the running copy
records for the Lap, and the time until the command returns; prints the
median and the slowest of each.

Usage: scripts/bench-remote-lap.py BUILD/bin/tikkro [RUNS]

Runs the copy offscreen on a private session bus, in a scratch folder, so
nothing of the user's own Tikkro is touched. The recorded moment is read
from the Lap line (whole milliseconds after a Start given over the socket
with a known stamp), so gaps are good to half a millisecond.
"""
import hashlib
import os
import re
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

if "TIKKRO_BENCH_BUS" not in os.environ:
    os.execvp("dbus-run-session", ["dbus-run-session", "--", "env", "TIKKRO_BENCH_BUS=1",
                                   sys.executable] + sys.argv)

source = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 100
boot = lambda: time.clock_gettime_ns(time.CLOCK_BOOTTIME)

folder = tempfile.mkdtemp()
runtime = tempfile.mkdtemp()
os.chmod(runtime, 0o700)
program = os.path.join(folder, "tikkro")
shutil.copy(source, program)
env = dict(os.environ, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="offscreen")
database = os.path.realpath(folder) + "/tikkro.mdb"
server = runtime + "/tikkro-" + hashlib.sha256(database.encode()).hexdigest()[:32]

copy = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
monitor = subprocess.Popen(["gdbus", "monitor", "--session", "--dest",
                            "org.example.tikkro.Tikkro"], stdout=subprocess.PIPE, text=True)
try:
    for _ in range(400):
        if subprocess.run(["busctl", "--user", "status", "org.example.tikkro.Tikkro"],
                          capture_output=True).returncode == 0:
            break
        time.sleep(0.05)
    started = boot()
    with socket.socket(socket.AF_UNIX) as s:
        s.connect(server)
        s.sendall(b"start %d\n" % started)
        assert s.recv(64) == b"ok\n"

    line = re.compile(r"LogLine \('(\d+):(\d\d):(\d\d)\.(\d{3})   Lap'")
    gaps, returns = [], []
    for _ in range(runs):
        launched = boot()
        status = subprocess.run([program, "--lap"], env=env).returncode
        returned = boot()
        assert status == 0, status
        while not (match := line.search(monitor.stdout.readline())):
            pass
        h, m, sec, ms = (int(g) for g in match.groups())
        recorded = started + ((h * 60 + m) * 60 + sec) * 1_000_000_000 + ms * 1_000_000
        gaps.append((recorded - launched) / 1e6)
        returns.append((returned - launched) / 1e6)
        time.sleep(0.02)
finally:
    copy.terminate()
    monitor.terminate()
    copy.wait()
    shutil.rmtree(folder)
    shutil.rmtree(runtime)

for name, values in (("launch to recorded time", gaps), ("launch to return", returns)):
    print(f"{name}: median {statistics.median(values):.2f} ms, slowest {max(values):.2f} ms "
          f"({runs} runs)")
