# SPDX-License-Identifier: GPL-3.0-or-later
"""One road through kolomaf on a real desktop, by real input: welcome,
choice, menu, a column exercise with a borrow, the drill and back, the
writing screen, STOP and the closing screen, which ends the program.

Every screen must arrive centred (its outer frame, title bar included),
without moving once framed, in front of the main window and with the
keyboard. On the column screen the main window is activated by the window
manager (a click on it) and the screen is minimized: the screen takes the
activation back without a new activation of its own, and comes back.

    walk.py PROGRAM     run inside tools/desktop-session.sh, under a D-Bus session
"""

import os
import re
import subprocess
import sys
import time

from desk import Desktop, Failure, application, centre_of, descendants, extents, find, frame, wait_for

MAIN = " Alle kinderen moeten alle kansen krijgen."
WELCOME = (" ", (744, 448), "Welkom bij kolomaf")
CHOICE = ("KOLOMAF", None, "KOLOMAF")
MENU = ("CIJFEREN AFTREKKEN", None, "CIJFEREN AFTREKKEN")
COLUMNS = ("Cijferen met ontlenen van tiental", None, "Cijferen met ontlenen van tiental")
DRILL = ("Over het tiental met min", None, "Over het tiental met min")
WRITING = ("Schrijf de aftrekking onder elkaar en reken uit", None, "Schrijf de aftrekking onder elkaar en reken uit")
CLOSING = (" ", (679, 395), "Tot de volgende keer")


class Walk:
    def __init__(self, program):
        self.desk = Desktop()
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.proc = subprocess.Popen([program], env=env)
        self.main = wait_for("the main window", lambda: self.desk.window(MAIN))
        self.app = wait_for("the program on the accessibility bus", application)
        self.seen = []

    def note(self, text):
        print("  " + text, flush=True)

    def arrive(self, screen):
        """Waits for a screen and checks how the desktop holds it."""
        title, size, name = screen
        d = self.desk
        w = wait_for(f"'{name}' on the display", lambda: d.window(title, size))
        # Where the manager tells the frame, the window must not move once
        # framed: it was mapped in its place, without a jump.
        if d.supports("_NET_FRAME_EXTENTS"):
            wait_for(f"'{name}' framed", lambda: d.frame_rect(w) != d.client_rect(w), timeout=5)
            first = d.client_rect(w)
            time.sleep(0.3)
            if d.client_rect(w) != first:
                raise Failure(f"'{name}' moved after it was framed: {first} -> {d.client_rect(w)}")
        centred = lambda: max(abs(v) for v in d.off_centre(w)) <= 1
        try:
            # A manager that does not tell the frame may take a while to place it.
            wait_for(f"'{name}' centred", centred, timeout=5)
        except Failure:
            dx, dy = d.off_centre(w)
            raise Failure(f"'{name}' off centre by {dx:+.1f}, {dy:+.1f} px: frame {d.frame_rect(w)}")
        dx, dy = d.off_centre(w)
        if d.supports("_NET_ACTIVE_WINDOW"):
            wait_for(f"'{name}' the active window", lambda: d.active_window() == w.id, timeout=5)
        wait_for(f"'{name}' having the keyboard", lambda: d.has_focus(w), timeout=5)
        if not d.above(w, self.main):
            raise Failure(f"'{name}' is behind the main window")
        self.note(f"{name}: frame {d.frame_rect(w)}, off centre {dx:+.1f},{dy:+.1f}, in front, has the keyboard")
        self.frame_acc = wait_for(f"'{name}' read by the screen reader", lambda: frame(self.app, name))
        # The program must know where it stands: clicks by a screen reader
        # and the screen's next place go by it.
        try:
            wait_for(f"'{name}' known in place", lambda: extents(self.frame_acc) == d.client_rect(w), timeout=3)
        except Failure:
            raise Failure(f"'{name}' is at {d.client_rect(w)} but takes itself to be at {extents(self.frame_acc)}")
        return w

    def control(self, role, name=None, check=None, what=None):
        return wait_for(what or f"{role} '{name}'", lambda: find(self.frame_acc, role, name, check), timeout=4)

    def press(self, role, name):
        self.desk.click(*centre_of(self.control(role, name)))

    def title_bar_actions(self, w, absent):
        """What the manager offers on the title bar, where it says."""
        actions = self.desk.allowed_actions(w)
        if actions is not None and set(absent) & actions:
            raise Failure(f"offered: {sorted(set(absent) & actions)}")

    def total(self):
        label = self.control("label", check=lambda a: re.fullmatch(r"\d+", a.name or ""), what="the running total")
        return label.name

    # ------------------------------------------------------------ the road

    def run(self):
        d = self.desk
        welcome = self.arrive(WELCOME)
        # A screen has a fixed size: nothing to maximize.
        self.title_bar_actions(welcome, absent=["_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"])
        self.press("push button", "Klik hier en start !")

        self.arrive(CHOICE)
        self.press("push button", "Ik leer cijferen als aftrekking")

        self.arrive(MENU)
        if self.total() != "0":
            raise Failure(f"the menu starts at {self.total()}")
        self.press("push button", "Met ontlenen bij tientallen")

        column = self.arrive(COLUMNS)
        top, bottom = self.borrow()
        self.press("push button", "A klas")
        self.arrive(DRILL)
        self.press("push button", "STOP")
        # Back on the column screen: a new activation, centred again.
        column = self.arrive(COLUMNS)
        self.answer(top, bottom)
        self.main_window_activated(column)
        self.minimized(column)
        d.close(column)

        self.arrive(MENU)
        wait_for("the right answer in the running total", lambda: self.total() == "1", timeout=5)
        self.note("menu: running total 1")
        self.press("push button", "Schijf en cijfer")

        writing = self.arrive(WRITING)
        d.type("Ans")
        name_box = self.control("text", "je naam")
        wait_for("the name typed", lambda: name_box.queryText().getText(0, -1) == "Ans", timeout=5)
        self.note("writing screen: the name typed by keyboard")
        d.close(writing)

        self.arrive(CHOICE)
        self.press("push button", "STOP")
        self.arrive(CLOSING)
        status = self.proc.wait(timeout=20)
        if status != 0:
            raise Failure(f"the program ended with status {status}")
        self.note("the closing screen ended the program, status 0")

    def borrow(self):
        """A new subtraction that needs a borrow; the tens digit lends."""
        d = self.desk
        self.press("push button", "raket")
        first = self.control("panel", check=lambda a: re.fullmatch(r"eerste getal \d{3}", a.name), what="a new exercise")
        second = self.control("panel", check=lambda a: re.fullmatch(r"tweede getal \d{3}", a.name))
        top, bottom = int(first.name.split()[-1]), int(second.name.split()[-1])
        tens = [c for c in descendants(first) if c.getRoleName() == "label"][1]
        d.click(*centre_of(tens))
        self.control("push button", "A klas")
        self.note(f"column exercise {top} - {bottom}: the tens lent")
        return top, bottom

    def answer(self, top, bottom):
        """The difference typed by keyboard, digit by digit from the units."""
        answer = f"{top - bottom:03d}"
        typed = ""
        for digit in reversed(answer):
            self.desk.type(digit)
            typed = digit + typed
            row = self.control("panel", check=lambda a: a.name.startswith("antwoord"))
            wait_for(f"'{digit}' typed into the answer", lambda: row.name == "antwoord " + typed, timeout=5)
        self.press("push button", "groen licht")
        self.control("label", "PRIMA")
        self.note(f"typed {answer}: PRIMA")

    def main_window_activated(self, column):
        """Moved aside, the column screen bares a strip of the disabled main
        window; a click on it activates it through the window manager."""
        d = self.desk
        x, y, width, height = d.client_rect(column)
        d.drag((x + width / 2, y - 8), (x + width / 2 + 40, y - 8 + 30))
        moved = wait_for("the column screen dragged", lambda: d.client_rect(column)[0] >= x + 35 and d.client_rect(column), timeout=5)
        mx, my, mw, mh = d.client_rect(self.main)
        # The left edge of the screen's frame as drawn (weston's frame window
        # also holds a shadow).
        fx = d.frame_rect(column)[0] if d.supports("_NET_FRAME_EXTENTS") else moved[0] - 8
        if fx - mx < 6:
            raise Failure("no part of the main window is bare to click")
        d.click((mx + fx) / 2, my + mh / 2)
        if d.supports("_NET_ACTIVE_WINDOW"):
            wait_for("the column screen active again", lambda: d.active_window() == column.id, timeout=5)
        wait_for("the column screen with the keyboard again", lambda: d.has_focus(column), timeout=5)
        time.sleep(0.5)
        if d.client_rect(column) != moved:
            raise Failure("the column screen was activated anew (it centred again)")
        gone = "" if d.viewable(self.main) else "; the manager does not activate on request, so the main window stepped aside"
        self.note("main window clicked: the column screen took the activation back, unchanged" + gone)

    def minimized(self, column):
        """Minimized (by a task bar, the keyboard), the column screen comes
        back with the main window: at once where the manager activates the
        main window then, else when the pupil clicks it."""
        d = self.desk
        if not d.supports("_NET_WM_STATE_HIDDEN"):
            self.note("minimize: this desktop minimizes no windows of X programs")
            return
        actions = d.allowed_actions(column)
        if actions is not None and "_NET_WM_ACTION_MINIMIZE" not in actions:
            self.note("minimize: this desktop does not minimize a screen, which offers no minimize button")
            return
        d.watch(column)
        d.minimize(column)
        if not d.unmapped_within(column, 1.5):
            raise Failure("the column screen was not minimized")
        time.sleep(0.3)
        if not d.viewable(column) and d.viewable(self.main):
            mx, my, mw, mh = d.client_rect(self.main)
            d.click(mx + mw / 2, my + mh / 2)
        wait_for("the minimized column screen back", lambda: d.viewable(column), timeout=5)
        if d.supports("_NET_ACTIVE_WINDOW"):
            wait_for("the column screen active after minimizing", lambda: d.active_window() == column.id, timeout=5)
        wait_for("the column screen with the keyboard after minimizing", lambda: d.has_focus(column), timeout=5)
        self.note("minimized: the column screen came back with the main window")


def main():
    walk = Walk(sys.argv[1])
    try:
        walk.run()
    except Failure as f:
        print(f"FAIL: {f}", flush=True)
        walk.proc.kill()
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
