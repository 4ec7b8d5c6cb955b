"""A smoke run in a Wayland session: weston (its X11 output inside Xvfb, so
that real pointer and key events reach it) with Qt's wayland platform. A tour
through the windows by keyboard, attempts to maximise through the title bar
that Qt draws, and an ordinary end: status 0 and no protocol error."""

import os
import subprocess
import tempfile
import time
import unittest

import harness
import layout
from harness import wait_for

C = {form: layout.caption(form) for form in layout.WINDOWS}
PANEL = 40  # weston's panel along the top of its output
# Qt takes two clicks less than 400 ms apart for a double click: clicks
# meant as single ones are kept further apart than that.
DOUBLE_CLICK_INTERVAL = 0.5


def settled_screen(desktop, name, timeout=10.0):
    """The screen once two screenshots in a row are the same: what was
    being drawn is drawn."""
    from PIL import ImageChops
    shots = [desktop.screenshot(name)]

    def look():
        shots.append(desktop.screenshot(name))
        return ImageChops.difference(shots[-2], shots[-1]).getbbox() is None
    wait_for(look, timeout, 0.1)
    return shots[-1]


def app_windows(handbook):
    app = handbook.accessible(timeout=1)
    return app.children() if app else []


class WaylandSmoke(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not harness.PROGRAM:
            raise unittest.SkipTest("VIELNIS names no program")
        harness.start_accessibility_bus()
        cls.desktop = harness.Desktop(1280, 1024, window_manager=False)
        cls.runtime = tempfile.mkdtemp(prefix="vielnis-wayland-")
        os.chmod(cls.runtime, 0o700)
        cls.env = dict(cls.desktop.env, XDG_RUNTIME_DIR=cls.runtime)
        cls.weston_log = os.path.join(harness.ARTEFACTS, "weston.log")
        # The pointer outside weston's output (smaller than the screen) as
        # weston starts: weston takes pointer motion only after the pointer
        # has entered its window, and a pointer already inside when the
        # window appears never enters it.
        cls.desktop.park_pointer()
        cls.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--width=1200",
             "--height=900", "--socket=wayland-vielnis", "--idle-time=0",
             "--shell=desktop-shell.so", "--no-config"],
            env=cls.env, stdout=open(cls.weston_log, "w"), stderr=subprocess.STDOUT)
        socket = os.path.join(cls.runtime, "wayland-vielnis")
        if not wait_for(lambda: os.path.exists(socket), 10):
            raise RuntimeError("weston did not start, see " + cls.weston_log)

        def panel_drawn():
            shot = settled_screen(cls.desktop, "wayland-weston")
            return len({shot.getpixel((x, PANEL // 2)) for x in range(0, 1200, 7)}) > 1
        if not wait_for(panel_drawn, 20):
            raise RuntimeError("weston did not draw its panel, see " + cls.weston_log)

    @classmethod
    def tearDownClass(cls):
        cls.weston.terminate()
        cls.weston.wait(5)
        cls.desktop.close()

    def window_box(self, before):
        """The program's window on the screen, title bar included: what
        changed against the screen without it, below weston's panel, once
        it is drawn."""
        from PIL import ImageChops
        crop = (0, PANEL, before.width, before.height)

        def look():
            after = settled_screen(self.desktop, f"wayland-{int(time.time() * 1000)}")
            return ImageChops.difference(before.crop(crop), after.crop(crop)).getbbox()
        box = wait_for(look, 10)
        self.assertTrue(box, "the program's window appears on weston's output")
        x0, y0, x1, y1 = box
        return x0, y0 + PANEL, x1, y1 + PANEL

    def shown(self, handbook, form):
        window = handbook.accessible_window(C[form], timeout=60)
        self.assertTrue(window, f"{form} is shown (read through AT-SPI), "
                                f"the program's output: {self.output}")

    def active(self, handbook, form, timeout=10.0):
        """Waits until the window is shown and active: the keys go to it."""
        def look():
            app = handbook.accessible(timeout=1)
            if not app:
                return None
            app.node.clear_cache()  # the states as they are now
            for window in app.children():
                if window.name == C[form] and {"showing", "active"} <= window.states():
                    return window
            return None
        window = wait_for(look, timeout, 0.1)
        if not window:
            seen = [(w.name, sorted(w.states())) for w in app_windows(handbook)]
            self.fail(f"{form} is shown and has the keyboard (read through AT-SPI); "
                      f"windows {seen}, the program's output: {self.output}")
        return window

    def keys(self, handbook, form, *keys, opens=None):
        """Presses the keys, each once the window form has the keyboard;
        then waits for what the last one opens: "menu" (until one of its
        entries has the focus, the chord's modifiers held) or a form."""
        for index, key in enumerate(keys):
            self.active(handbook, form)
            if opens == "menu" and index == len(keys) - 1:
                mark = self.focus.mark()
                entry = self.desktop.key(key, until=lambda: self.focus.since(
                    mark, "menu item", "popup menu", live=True))
                self.assertTrue(entry, f"{key} on {form} opens a menu: {self.focus.heard[mark:]}")
                return entry
            self.desktop.key(key)
        if opens:
            return self.active(handbook, opens)
        return None

    def test_a_keyboard_tour_and_maximise_attempts(self):
        env = dict(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-vielnis",
                   XDG_RUNTIME_DIR=self.runtime)
        before = settled_screen(self.desktop, "wayland-empty")
        self.output = os.path.join(harness.ARTEFACTS, "program.log")
        self.focus = harness.FocusLog.shared()  # listening before the program starts
        handbook = harness.Handbook(self.desktop, env=env)
        try:
            self.shown(handbook, "Form1")
            x0, y0, x1, y1 = self.window_box(before)
            # Into the window, on the bare background: it takes the keyboard.
            self.desktop.click(x1 - 20, y1 - 10)
            keys = lambda form, *keys, opens=None: self.keys(  # noqa: E731
                handbook, form, *keys, opens=opens)

            for tabs, section in ((2, "Form3"), (3, "Form5"), (4, "Form8"), (7, "Form12")):
                keys("Form1", *["Tab"] * tabs, "Return", opens=section)
                keys(section, "Return", opens="Form1")  # its back button holds the focus
            # The solubility table, its legend (after the last cell and the
            # back button in the tab order) and back, by Escape.
            keys("Form1", "Tab", "Return", opens="Form9")
            keys("Form9", *["Down"] * 13, *["Right"] * 12, "Tab", "Tab", "space", opens="Form10")
            keys("Form10", "Escape", opens="Form9")
            keys("Form9", "Escape", opens="Form1")
            keys("Form1", "Return", opens="Form2")  # KEPT holds the focus
            for steps, page in ((0, "Form6"), (1, "Form7"), (2, "Form4")):
                keys("Form2", "alt+z", opens="menu")
                keys("Form2", *["Down"] * steps, "Return", opens=page)
                keys(page, "Return", opens="Form2")
            keys("Form2", "alt+z", opens="menu")
            keys("Form2", "l", opens="Form11")
            keys("Form11", "Return", opens="Form2")

            # The table window's title bar, drawn by Qt: its maximise box
            # (the middle of the three at the right) and a double click on
            # the title.
            x0, y0, x1, y1 = self.window_box(before)  # the table window alone
            width, height = x1 - x0, y1 - y0
            self.desktop.click(x1 - 40, y0 + 15)
            # Apart, so that this click and the double click that follows are
            # not taken for one.
            time.sleep(DOUBLE_CLICK_INTERVAL)
            self.desktop.move((x0 + x1) // 2, y0 + 12)
            self.desktop.xdotool("click", "--repeat", "2", "--delay", "80", "1")
            self.assertIsNone(handbook.process.poll(),
                              f"the program survives maximise attempts: {self.output}")
            self.shown(handbook, "Form2")
            x0, y0, x1, y1 = self.window_box(before)
            self.assertLessEqual((x1 - x0, y1 - y0), (width + 2, height + 2),
                                 "the table window keeps its designed size")

            self.desktop.click((x0 + x1) // 2, y1 - 5)
            keys("Form2", "ctrl+q")
            status = handbook.wait_exit(5)
            with open(self.output) as log:
                said = log.read()
            self.assertEqual(status, 0, f"Ctrl+Q ends the handbook with status 0; it said: {said}")
            self.assertNotIn("protocol error", said.lower())
        finally:
            handbook.stop()


if __name__ == "__main__":
    harness.main()
