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
        cls.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--width=1200",
             "--height=900", "--socket=wayland-vielnis", "--idle-time=0",
             "--shell=desktop-shell.so", "--no-config"],
            env=cls.env, stdout=open(cls.weston_log, "w"), stderr=subprocess.STDOUT)
        socket = os.path.join(cls.runtime, "wayland-vielnis")
        if not wait_for(lambda: os.path.exists(socket), 10):
            raise RuntimeError("weston did not start, see " + cls.weston_log)
        time.sleep(1.5)  # its panel and background

    @classmethod
    def tearDownClass(cls):
        cls.weston.terminate()
        cls.weston.wait(5)
        cls.desktop.close()

    def window_box(self, before):
        """The program's window on the screen, title bar included: what
        changed against the screen without it, below weston's panel."""
        from PIL import ImageChops
        after = self.desktop.screenshot(f"wayland-{int(time.time() * 1000)}")
        crop = (0, PANEL, after.width, after.height)
        box = ImageChops.difference(before.crop(crop), after.crop(crop)).getbbox()
        self.assertTrue(box, "the program's window appears on weston's output")
        x0, y0, x1, y1 = box
        return x0, y0 + PANEL, x1, y1 + PANEL

    def shown(self, handbook, form):
        window = handbook.accessible_window(C[form], timeout=5)
        self.assertTrue(window, f"{form} is shown (read through AT-SPI), "
                                f"the program's output: {self.output}")

    def test_a_keyboard_tour_and_maximise_attempts(self):
        env = dict(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="wayland-vielnis",
                   XDG_RUNTIME_DIR=self.runtime)
        before = self.desktop.screenshot("wayland-empty")
        self.output = os.path.join(harness.ARTEFACTS, "program.log")
        handbook = harness.Handbook(self.desktop, env=env)
        try:
            self.shown(handbook, "Form1")
            time.sleep(1)
            x0, y0, x1, y1 = self.window_box(before)
            # Into the window, on the bare background: it takes the keyboard.
            self.desktop.click(x1 - 20, y1 - 10)
            key = self.desktop.key

            for tabs, section in ((2, "Form3"), (3, "Form5"), (4, "Form8"), (7, "Form12")):
                key(*["Tab"] * tabs, "Return")
                self.shown(handbook, section)
                key("Return")  # its back button holds the focus
                self.shown(handbook, "Form1")
            key("Return")  # KEPT holds the focus
            self.shown(handbook, "Form2")
            for steps, page in ((0, "Form6"), (1, "Form7"), (2, "Form4")):
                key("alt+z", *["Down"] * steps, "Return")
                self.shown(handbook, page)
                key("Return")
                self.shown(handbook, "Form2")
            key("alt+z", "l")
            self.shown(handbook, "Form11")
            key("Return")
            self.shown(handbook, "Form2")

            # The table window's title bar, drawn by Qt: its maximise box
            # (the middle of the three at the right) and a double click on
            # the title.
            time.sleep(0.5)
            x0, y0, x1, y1 = self.window_box(before)  # the table window alone
            width, height = x1 - x0, y1 - y0
            self.desktop.click(x1 - 40, y0 + 15)
            time.sleep(1)
            self.desktop.move((x0 + x1) // 2, y0 + 12)
            self.desktop.xdotool("click", "--repeat", "2", "--delay", "80", "1")
            time.sleep(1)
            self.assertIsNone(handbook.process.poll(),
                              f"the program survives maximise attempts: {self.output}")
            self.shown(handbook, "Form2")
            x0, y0, x1, y1 = self.window_box(before)
            self.assertLessEqual((x1 - x0, y1 - y0), (width + 2, height + 2),
                                 "the table window keeps its designed size")

            self.desktop.click((x0 + x1) // 2, y1 - 5)
            key("ctrl+q")
            status = handbook.wait_exit(5)
            with open(self.output) as log:
                said = log.read()
            self.assertEqual(status, 0, f"Ctrl+Q ends the handbook with status 0; it said: {said}")
            self.assertNotIn("protocol error", said.lower())
        finally:
            handbook.stop()


if __name__ == "__main__":
    harness.main()
