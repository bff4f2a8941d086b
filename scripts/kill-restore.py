#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Kills the real program with SIGKILL at random moments of a run with laps,
pauses and typed notes, starts it again and compares what comes back with
what was done: every line older than one second must be kept, and the
elapsed time must match the one the script kept itself.

Usage: scripts/kill-restore.py BUILD_DIR [RUNS]   (RUNS: 100 by default)

Runs on an Xvfb display and a session bus of its own (it starts both), with
the program copied into a scratch folder so that it keeps its settings file
beside itself. Needs Xvfb, xdotool, dbus-run-session and dbus-send.
"""
import os
import random
import shutil
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

SERVICE = "org.example.tikkro.Tikkro"
PATH = "/org/example/tikkro/Tikkro"
INTERFACE = SERVICE + ".Stopwatch"


def bus(method, *args):
    return subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=" + SERVICE, PATH,
                           method, *args], capture_output=True, text=True, timeout=10)


def command(verb):
    """Runs a stopwatch method; the moment it ran lies between the two
    readings, so their middle is the truth's."""
    before = time.time()
    reply = bus(INTERFACE + "." + verb)
    return reply.returncode == 0, (before + time.time()) / 2


def prop(name):
    before = time.time()
    reply = bus("org.freedesktop.DBus.Properties.Get", "string:" + INTERFACE, "string:" + name)
    value = reply.stdout.strip().split()[-1].strip('"') if reply.returncode == 0 else None
    return value, (before + time.time()) / 2


def kept_log(database):
    try:
        with sqlite3.connect(database, timeout=1) as db:
            row = db.execute("SELECT rLog FROM tRun LIMIT 1").fetchone()
            return row[0] if row else ""
    except sqlite3.Error:
        return ""


def wait_for(condition, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.02)
    return False


def up():
    return prop("State")[0] is not None


def start(program, env):
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    if not wait_for(up, 20):
        raise RuntimeError("the program did not come up")
    return process


def type_note(text, env):
    found = subprocess.run(["xdotool", "search", "--name", "^Tikkro$"], env=env,
                           capture_output=True, text=True)
    window = found.stdout.split()[0] if found.stdout.split() else None
    if window is None:
        return False
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, timeout=10)
    subprocess.run(["xdotool", "key", "ctrl+End"], env=env, timeout=10)
    subprocess.run(["xdotool", "type", "--delay", "5", text], env=env, timeout=10)
    subprocess.run(["xdotool", "key", "Return"], env=env, timeout=10)
    return True


def one_run(program, database, env, rng, number):
    """One run killed at a random moment; returns the figures it gave."""
    if os.path.exists(database):
        os.remove(database)
    process = start(program, env)
    running_since = None  # wall-clock moment of the last Start or Resume
    elapsed = 0.0         # seconds run before running_since
    done = []             # (moment, kind, note text or None)
    ok, moment = command("Start")
    running_since = moment
    done.append((moment, "Start", None))
    kill_at = time.time() + rng.uniform(0.3, 6.0)
    note = 0
    while time.time() < kill_at:
        time.sleep(rng.uniform(0.05, 0.6))
        choice = rng.random()
        if choice < 0.4 and running_since is not None:
            ok, moment = command("Lap")
            if ok:
                done.append((moment, "Lap", None))
        elif choice < 0.7:
            ok, moment = command("Toggle")
            if ok and running_since is not None:
                elapsed += moment - running_since
                running_since = None
                done.append((moment, "Pause", None))
            elif ok:
                running_since = moment
                done.append((moment, "Resume", None))
        else:
            note += 1
            text = "note%d-%d" % (number, note)
            if type_note(text, env):
                done.append((time.time(), "note", text))
    killed_at = time.time()
    process.kill()
    process.wait()

    process = start(program, env)
    state, _ = prop("State")
    value, read_at = prop("ElapsedMilliseconds")
    truth = elapsed + (read_at - running_since if running_since is not None else 0.0)
    restored = wait_for(lambda: "run restored" in kept_log(database), 5)
    log = kept_log(database)
    process.terminate()
    process.wait()

    older = [d for d in done if d[0] < killed_at - 1.0]
    lost = 0
    for kind in ("Lap", "Pause"):
        want = sum(1 for d in older if d[1] == kind)
        have = log.count("   " + kind + "\n")
        lost += max(0, want - have)
    lost += sum(1 for d in older if d[1] == "note" and d[2] not in log)
    expected_state = "Running" if running_since is not None else "Paused"
    # A Pause or Resume within the last second may not have been saved yet:
    # such a run comes back in the state before it, as allowed.
    settled = all(d[0] < killed_at - 1.0 for d in done if d[1] in ("Start", "Pause", "Resume"))
    return {
        "settled": settled,
        "notes": sum(1 for d in older if d[1] == "note"),
        "older": len(older),
        "lost": lost,
        "restored": restored,
        "state_ok": state == expected_state,
        "error_ms": int(value) - truth * 1000 if value is not None else None,
        "lines": len(done),
    }


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or os.environ.get("KILL_RESTORE_OWN_BUS") != "1":
        env = dict(os.environ, KILL_RESTORE_OWN_BUS="1")
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable,
                                        os.path.abspath(__file__), *sys.argv[1:]], env)
    folder = tempfile.mkdtemp(prefix="kill-restore-")
    display = ":%d" % (70 + os.getpid() % 20)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        program = os.path.join(folder, "tikkro")
        shutil.copy(os.path.join(build, "bin", "tikkro"), program)
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                   XDG_RUNTIME_DIR=folder, XDG_DATA_HOME=os.path.join(folder, "data"))
        os.environ.update(DISPLAY=display)
        rng = random.Random(20)
        results = []
        for number in range(1, runs + 1):
            result = one_run(program, os.path.join(folder, "tikkro.mdb"), env, rng, number)
            results.append(result)
            print("run %3d: %s" % (number, result), flush=True)
        settled = [r for r in results if r["settled"]]
        errors = [abs(r["error_ms"]) for r in settled if r["error_ms"] is not None]
        print("runs: %d, restored: %d; no Pause or Resume in the last second: %d, of them in the "
              "right state: %d" % (len(results), sum(r["restored"] for r in results),
                                   len(settled), sum(r["state_ok"] for r in settled)))
        print("lines older than 1 s: %d (typed notes: %d), lost: %d; lines in all: %d" % (
            sum(r["older"] for r in results), sum(r["notes"] for r in results),
            sum(r["lost"] for r in results), sum(r["lines"] for r in results)))
        if errors:
            print("elapsed after restore against the truth, settled runs, |error| ms: "
                  "median %.1f, 95th %.1f, max %.1f" % (
                      statistics.median(errors), sorted(errors)[int(len(errors) * 0.95)],
                      max(errors)))
    finally:
        xvfb.terminate()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
