#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the catalogues: each one, brought up to date with the sources as
the update_translations target would, has every text translated, no text
the sources have dropped, the same placeholders as the English, and no two
menus or commands of one window on the same Alt key.

Usage: check-translations.py LUPDATE SOURCE_FOLDER CATALOGUE.ts...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# What shares the Alt keys of one window or one open menu, by catalogue
# context and English text. The main window's menu titles and command
# buttons answer Alt+letter side by side.
MAIN = "tikkro::app::MainWindow"
KEY_GROUPS = {
    "main window": [(MAIN, t) for t in
                    ("&File", "&Alarm", "&Extra", "&Help",
                     "&Start", "&Lap", "&Resume", "&Pause", "Rese&t")],
    "File menu": [(MAIN, t) for t in ("&Print Log Strip", "Save Log Strip &As...", "E&xit")],
    "Alarm menu": [(MAIN, "&Absolute Time"), (MAIN, "&CountDown")],
    "Extra menu": [(MAIN, "&Clear Log Strip"), (MAIN, "Show &Events Window"),
                   ("tikkro::app::RingWhenClosed", "&Ring When Closed")],
    "alarm dialog": [("tikkro::alarms::SlotDialog", "&Close"),
                     ("tikkro::alarms::SlotDialog", "&Set"),
                     ("tikkro::alarms::AlarmDialog", "&Now")],
    "timer dialog": [("tikkro::alarms::SlotDialog", "&Close"),
                     ("tikkro::alarms::SlotDialog", "&Set"),
                     ("tikkro::alarms::TimerDialog", "&Reset")],
}


def mnemonic(text):
    """The letter after a single "&", lower case; None without one."""
    match = re.search(r"(?<!&)&([^&\s%])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def placeholders(text):
    return sorted(set(re.findall(r"%\d+", text)))


def check(path, lupdate, sources):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        fresh = Path(folder) / path.name
        shutil.copyfile(path, fresh)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-ui-lines",
                        "-I", str(sources), str(sources), "-ts", str(fresh)],
                       check=True, stdout=subprocess.DEVNULL)
        root = ET.parse(fresh).getroot()

    texts = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "")
            shown = translation.text or ""
            where = f"{path.name}: {name}: {source!r}"
            if kind in ("obsolete", "vanished"):
                problems.append(f"{where}: no longer in the sources; remove it")
                continue
            if kind == "unfinished" or not shown:
                problems.append(f"{where}: not translated")
                continue
            if placeholders(source) != placeholders(shown):
                problems.append(f"{where}: placeholders {placeholders(shown)} "
                                f"differ from {placeholders(source)}")
            if (mnemonic(source) is None) != (mnemonic(shown) is None):
                problems.append(f"{where}: the Alt key marker & is missing or extra")
            texts[(name, source)] = shown

    for group, members in KEY_GROUPS.items():
        for language, lookup in (("English", lambda key: key[1]),
                                 (path.name, lambda key: texts.get(key))):
            seen = {}
            for key in members:
                shown = lookup(key)
                if shown is None:
                    problems.append(f"{path.name}: {group}: {key[1]!r} is not in the catalogue")
                    continue
                letter = mnemonic(shown)
                if letter in seen:
                    problems.append(f"{language}: {group}: {seen[letter]!r} and {shown!r} "
                                    f"share Alt+{letter.upper()}")
                seen[letter] = shown
    return problems


def main():
    lupdate, sources, catalogues = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    problems = []
    for catalogue in catalogues:
        problems += check(Path(catalogue), lupdate, sources)
    for problem in dict.fromkeys(problems):
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
