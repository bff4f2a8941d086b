#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints one program's accessibility tree as a screen reader finds it on
the AT-SPI bus, as JSON, and presses a push button by name if one is given.

Usage: read-accessible-tree.py PID [BUTTON]
Exits 77 where pyatspi is not installed, 1 when the program does not show
up on the bus within 20 seconds.
"""
import json
import sys
import time

try:
    import pyatspi
except ImportError:
    print("read-accessible-tree.py: pyatspi is not installed", file=sys.stderr)
    sys.exit(77)


def find_program(pid):
    for program in pyatspi.Registry.getDesktop(0):
        if program is not None and program.get_process_id() == pid:
            return program
    return None


def describe(node):
    entry = {
        "role": node.getRoleName(),
        "name": node.name,
        "states": sorted(pyatspi.stateToString(s) for s in node.getState().getStates()),
    }
    try:
        action = node.queryAction()
        entry["actions"] = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    try:
        text = node.queryText()
        entry["text"] = text.getText(0, -1)
    except NotImplementedError:
        pass
    entry["children"] = [describe(child) for child in node if child is not None]
    return entry


def press(node, name):
    if node.getRoleName() == "push button" and node.name == name:
        action = node.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == "Press":
                return action.doAction(i)
    return any(press(child, name) for child in node if child is not None)


def main():
    pid = int(sys.argv[1])
    deadline = time.monotonic() + 20
    program = find_program(pid)
    # The program registers its windows a moment after it connects.
    while (program is None or program.childCount == 0) and time.monotonic() < deadline:
        time.sleep(0.2)
        program = find_program(pid)
    if program is None or program.childCount == 0:
        print("read-accessible-tree.py: no program %d on the bus" % pid, file=sys.stderr)
        return 1
    if len(sys.argv) > 2 and not press(program, sys.argv[2]):
        print("read-accessible-tree.py: no button %s to press" % sys.argv[2], file=sys.stderr)
        return 1
    json.dump(describe(program), sys.stdout, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
