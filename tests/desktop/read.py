# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads every screen of kolomaf as a screen reader does, through AT-SPI,
and fails on what a pupil listening to it would trip over: a control
without a name, a name that is a web address or letters spelt out one by
one, a caption button that is not called by its caption, and digits of a
column exercise that do not read as numbers.

    read.py TOUR        run under Xvfb and a D-Bus session; TOUR is the
                        kolomaf-tour program that walks to each screen
"""

import os
import re
import subprocess
import sys

from desk import Failure, application, descendants, extents, wait_for

SCREENS = sys.argv[2:] or [
    "frmmecenaat1", "frmkiesbasis", "frmbasis",
    "Kolomaf1000zb:exercise", "CIFERMBE:borrow", "CIFERMBT:fout", "CIFERMBH:prima",
    "frmbrugdraadminMBE:open", "frmbrugdraadminMBT:ten", "frmbrugdraadminMBH:done",
    "frmtestmin:4", "frmtest2min:4", "frmtest3min:lend",
    "frmcijferschrijf:copy", "frmcijferschrijf:prima", "frminfo",
]
# What a pupil acts on or looks at, and what holds it.
NAMED_ROLES = {"push button", "text", "image", "frame", "panel", "menu item"}
WEB = re.compile(r"https?://|www\.|\.(org|com|net|be|nl)\b", re.I)
SPELT = re.compile(r"^\s*(\w\s+){2,}\w\s*$")
COLUMN_ROWS = [r"eerste getal \d+", r"tweede getal \d+", r"antwoord( \d+)?"]


def read(tour, screen):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    proc = subprocess.Popen([tour, screen], env=env, stdout=subprocess.PIPE, text=True)
    try:
        lines = []
        for line in proc.stdout:
            lines.append(line.rstrip("\n"))
            if line.startswith("ready"):
                break
        captions = {}
        for line in lines:
            if line.startswith("button "):
                _, x, y, w, h, text = line.split(" ", 5)
                captions[(int(x), int(y), int(w), int(h))] = text.strip()
        app = wait_for("the program on the accessibility bus", application)
        # The screen is read once its frame holds controls, beside the main window's.
        wait_for(f"{screen} read", lambda: sum(a.getRoleName() == "frame" for a in descendants(app)) > 1
                 and len(descendants(app)) > 8)
        return check(screen, descendants(app), captions)
    finally:
        proc.kill()
        proc.wait()


def check(screen, accessibles, captions):
    problems, names = [], []
    for acc in accessibles:
        role, name = acc.getRoleName(), (acc.name or "").strip()
        names.append(name)
        where = f"{screen}: {role} '{name}'"
        if role in NAMED_ROLES and not name:
            problems.append(f"{screen}: a {role} without a name at {extents(acc)}")
        if WEB.search(name):
            problems.append(f"{where} is named by a web address")
        if SPELT.match(name):
            problems.append(f"{where} is spelt out letter by letter")

    if screen.split(":")[0] in ("Kolomaf1000zb", "CIFERMBE", "CIFERMBT", "CIFERMBH"):
        for row in COLUMN_ROWS:
            if not any(re.fullmatch(row, n) for n in names):
                problems.append(f"{screen}: no row reads as '{row}'")
    # Buttons of one step sequence share a place; the one in front counts.
    buttons = [(extents(a), (a.name or "").strip()) for a in accessibles if a.getRoleName() == "push button"]
    for place, caption in captions.items():
        named = [n for e, n in buttons if e == place]
        if not named:
            problems.append(f"{screen}: the button '{caption}' is not there for a screen reader")
        elif caption not in named:
            problems.append(f"{screen}: the button '{caption}' is called {named} instead of by its caption")
    return problems, len(accessibles)


def main():
    problems = []
    for screen in SCREENS:
        found, count = read(sys.argv[1], screen)
        print(f"  {screen}: {count} controls read" + (f", {len(found)} problems" if found else ""), flush=True)
        problems += found
    for p in problems:
        print("FAIL: " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as f:
        print(f"FAIL: {f}")
        sys.exit(1)
