# SPDX-License-Identifier: GPL-3.0-or-later
"""What the desktop checks share: the program's windows as the X server and
the window manager hold them, real input through XTEST, and the program's
controls as a screen reader reads them through AT-SPI.

Input goes to KOLOMAF_INPUT_DISPLAY (the X server that feeds the session's
keyboard and pointer; under weston the Xvfb it runs on), windows are read
from DISPLAY."""

import os
import time

import pyatspi
import Xlib.ext
from Xlib import X, XK, Xatom, display
from Xlib.ext import xtest
from Xlib.protocol import event


class Failure(Exception):
    pass


def wait_for(what, check, timeout=8.0, step=0.05):
    """Polls check() until it gives something true; fails naming `what`."""
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(step)


class Desktop:
    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.size = (self.d.screen().width_in_pixels, self.d.screen().height_in_pixels)
        # The input server needs XTEST only; python-xlib mixes up extension
        # events between two servers that have different ones.
        extensions = Xlib.ext.__extensions__
        Xlib.ext.__extensions__ = [e for e in extensions if e[0] == "XTEST"]
        self.input = display.Display(os.environ.get("KOLOMAF_INPUT_DISPLAY") or os.environ["DISPLAY"])
        Xlib.ext.__extensions__ = extensions
        # A compositor in a window of that server follows the pointer from
        # the moment it enters; move it out and in again.
        xtest.fake_input(self.input, X.MotionNotify, x=self.input.screen().width_in_pixels - 1,
                         y=self.input.screen().height_in_pixels - 1)
        self._sync()
        self.atom = lambda name: self.d.intern_atom(name)
        supported = self.root.get_full_property(self.atom("_NET_SUPPORTED"), Xatom.ATOM)
        self.supported = set(supported.value) if supported else set()

    def supports(self, name):
        return self.atom(name) in self.supported

    # ------------------------------------------------------------ windows

    def program_windows(self):
        """The program's top-level client windows that are on the display."""
        found = []

        def walk(w):
            try:
                cls = w.get_wm_class()
                attrs = w.get_attributes()
                children = w.query_tree().children
            except Exception:
                return
            if cls and cls[0] == "kolomaf" and attrs.map_state == X.IsViewable and w.get_wm_name() is not None:
                found.append(w)
                return
            for c in children:
                walk(c)

        walk(self.root)
        return found

    def title(self, w):
        prop = w.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
        return prop.value.decode() if prop else w.get_wm_name()

    def window(self, title, size=None):
        for w in self.program_windows():
            g = w.get_geometry()
            if self.title(w) == title and (size is None or (g.width, g.height) == size):
                return w
        return None

    def client_rect(self, w):
        g = w.get_geometry()
        t = w.translate_coords(self.root, 0, 0)
        return (-t.x, -t.y, g.width, g.height)

    def frame_rect(self, w):
        """The window's outer frame on the root: its client grown by the frame
        extents the manager gives, else the frame window the manager put it
        in (weston's frame window adds a shadow alike on every side)."""
        x, y, width, height = self.client_rect(w)
        ext = w.get_full_property(self.atom("_NET_FRAME_EXTENTS"), Xatom.CARDINAL)
        if ext and len(ext.value) == 4:
            left, right, top, bottom = ext.value
            return (x - left, y - top, width + left + right, height + top + bottom)
        parent = w.query_tree().parent
        if parent.id != self.root.id:
            pg = parent.get_geometry()
            pt = parent.translate_coords(self.root, 0, 0)
            return (-pt.x, -pt.y, pg.width, pg.height)
        return (x, y, width, height)

    def off_centre(self, w):
        x, y, width, height = self.frame_rect(w)
        return (x + width / 2 - self.size[0] / 2, y + height / 2 - self.size[1] / 2)

    def active_window(self):
        prop = self.root.get_full_property(self.atom("_NET_ACTIVE_WINDOW"), Xatom.WINDOW)
        return prop.value[0] if prop and len(prop.value) else None

    def has_focus(self, w):
        """The X input focus is in the window: typed keys go there."""
        focus = self.d.get_input_focus().focus
        while isinstance(focus, type(self.root)) and focus.id not in (0, 1, self.root.id):
            if focus.id == w.id:
                return True
            focus = focus.query_tree().parent
        return False

    def top_level(self, w):
        """The window the manager stacks: the client's frame."""
        while True:
            parent = w.query_tree().parent
            if parent.id == self.root.id:
                return w
            w = parent

    def above(self, upper, lower):
        if not self.viewable(lower):
            return True
        order = [c.id for c in self.root.query_tree().children]  # bottom to top
        return order.index(self.top_level(upper).id) > order.index(self.top_level(lower).id)

    def allowed_actions(self, w):
        prop = w.get_full_property(self.atom("_NET_WM_ALLOWED_ACTIONS"), Xatom.ATOM)
        return {self.d.get_atom_name(a) for a in prop.value} if prop else None

    def viewable(self, w):
        try:
            return w.get_attributes().map_state == X.IsViewable
        except Exception:
            return False

    # ------------------------------------------------------------- input

    def _sync(self):
        self.input.sync()
        time.sleep(0.05)

    def move_pointer(self, x, y):
        xtest.fake_input(self.input, X.MotionNotify, x=int(x), y=int(y))
        self._sync()

    def click(self, x, y):
        self.move_pointer(x, y)
        xtest.fake_input(self.input, X.ButtonPress, 1)
        xtest.fake_input(self.input, X.ButtonRelease, 1)
        self._sync()

    def drag(self, start, end, steps=12):
        self.move_pointer(*start)
        xtest.fake_input(self.input, X.ButtonPress, 1)
        self._sync()
        for k in range(1, steps + 1):
            self.move_pointer(start[0] + (end[0] - start[0]) * k / steps, start[1] + (end[1] - start[1]) * k / steps)
        xtest.fake_input(self.input, X.ButtonRelease, 1)
        self._sync()

    def type(self, text):
        shift = self.input.keysym_to_keycode(XK.XK_Shift_L)
        for ch in text:
            code = self.input.keysym_to_keycode(XK.string_to_keysym(ch))
            if ch.isupper():
                xtest.fake_input(self.input, X.KeyPress, shift)
            xtest.fake_input(self.input, X.KeyPress, code)
            xtest.fake_input(self.input, X.KeyRelease, code)
            if ch.isupper():
                xtest.fake_input(self.input, X.KeyRelease, shift)
            self._sync()

    # ------------------------------------------ what a task bar would ask

    def _client_message(self, w, name, data):
        ev = event.ClientMessage(window=w, client_type=self.atom(name), data=(32, data + [0] * (5 - len(data))))
        self.root.send_event(ev, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.flush()

    def watch(self, w):
        """From now on, the window's mapping and unmapping are recorded."""
        w.change_attributes(event_mask=X.StructureNotifyMask)
        self.d.sync()

    def unmapped_within(self, w, seconds):
        """Whether the watched window was unmapped, even for a moment."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.d.pending_events():
                e = self.d.next_event()
                if e.type == X.UnmapNotify and e.window.id == w.id:
                    return True
            time.sleep(0.005)
        return False

    def minimize(self, w):
        self._client_message(w, "WM_CHANGE_STATE", [3])  # IconicState

    def close(self, w):
        """The window manager's close control: WM_DELETE_WINDOW to the client."""
        ev = event.ClientMessage(
            window=w,
            client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]),
        )
        w.send_event(ev)
        self.d.flush()


# --------------------------------------------------------------- AT-SPI


def application(name="kolomaf"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(acc):
    """Every accessible under acc that is showing, depth first."""
    out = []
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None and showing(child):
            out.append(child)
            out.extend(descendants(child))
    return out


def frame(app, name):
    for i in range(app.childCount):
        f = app.getChildAtIndex(i)
        if f is not None and f.name == name and showing(f):
            return f
    return None


def find(frame_acc, role, name=None, check=None):
    for acc in descendants(frame_acc):
        # Names as a screen reader speaks them: blanks around do not count.
        if (acc.getRoleName() == role and (name is None or (acc.name or "").strip() == name.strip())
                and (check is None or check(acc))):
            return acc
    return None


def centre_of(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x + e.width / 2, e.y + e.height / 2)


def extents(acc):
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)
