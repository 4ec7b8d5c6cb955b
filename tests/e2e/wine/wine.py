"""The Windows build under Wine, on the end-to-end suite's own desktop
(Xvfb and openbox, from harness.py): a fresh Wine prefix for each case
class, the program started as Windows starts it, real X input through
xdotool, and what a person sees: the window manager's state, xwininfo
sizes, the screen's pixels and the X clipboard (xclip), which Wine keeps in
step with the Windows clipboard. There is no accessibility tree here: Wine
does not bridge Windows' UI Automation to AT-SPI."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from harness import ARTEFACTS, Desktop, SeenChecks, XWindow, run, wait_for  # noqa: E402,F401

BUILD = os.environ.get("VIELNIS_WINDOWS_BUILD", "")
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


def windows_path(prefix, unix_path):
    """C:\\... for a path inside the prefix's drive_c."""
    relative = os.path.relpath(unix_path, os.path.join(prefix, "drive_c"))
    return "C:\\" + relative.replace("/", "\\")


class WinePrefix:
    """A Windows of its own for one case class: a new prefix, booted once."""

    def __init__(self, desktop):
        self.path = tempfile.mkdtemp(prefix="vielnis-wineprefix-")
        env = dict(desktop.env, WINEPREFIX=self.path, WINEARCH="win64", WINEDEBUG="-all",
                   # No offer to download Mono or Gecko: the handbook needs neither.
                   WINEDLLOVERRIDES="mscoree,mshtml=")
        # The Linux desktop's settings for Qt's Linux build mean nothing to
        # the Windows one, and would send it looking for plugins it lacks.
        for name in ("QT_QPA_PLATFORM", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "NO_AT_BRIDGE"):
            env.pop(name, None)
        self.env = env
        run(WINE, "wineboot", "--init", env=env, timeout=300, check=False)
        run(WINESERVER, "--wait", env=env, timeout=300, check=False)

    def drive_c(self, *parts):
        return os.path.join(self.path, "drive_c", *parts)

    def wine(self, *args, timeout=120, check=True):
        return run(WINE, *args, env=self.env, timeout=timeout, check=check)

    def registry_value(self, key, name):
        """A value under key as text (a DWORD as 0x...), or None. Read from
        an export, which is UTF-16: reg query prints in the console's code
        page, which has no Latvian letters."""
        export = self.drive_c("vielnis-registry.reg")
        if os.path.exists(export):
            os.remove(export)
        self.wine("reg", "export", key, windows_path(self.path, export), "/y", check=False)
        if not os.path.exists(export):
            return None
        with open(export, encoding="utf-16") as file:
            for line in file:
                if line.startswith(f'"{name}"='):
                    value = line.split("=", 1)[1].strip()
                    if value.startswith("dword:"):
                        return "0x" + value[len("dword:"):]
                    return value.strip('"').replace("\\\\", "\\")
        return None

    def close(self):
        subprocess.run([WINESERVER, "--kill"], env=self.env, capture_output=True)
        shutil.rmtree(self.path, ignore_errors=True)


class WindowsProgram:
    """One Windows program started under Wine, as a double click starts it."""

    def __init__(self, prefix, desktop, exe, *args, cwd=None):
        self.prefix, self.desktop = prefix, desktop
        self.log = open(os.path.join(ARTEFACTS, "wine-program.log"), "a")
        self.process = subprocess.Popen([WINE, exe, *args], env=prefix.env, cwd=cwd,
                                        stdout=self.log, stderr=self.log)

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=10):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.alive():
            self.process.terminate()
            if self.wait_exit(5) is None:
                self.process.kill()
                self.process.wait()
        self.log.close()


def top_level_windows(desktop):
    """Every window the window manager manages, as XWindow objects."""
    out = run("xprop", "-root", "-display", desktop.display, "_NET_CLIENT_LIST", check=False)
    if "#" not in out:
        return []
    ids = out.split("#", 1)[1].replace(",", " ").split()
    return [XWindow(desktop, int(i, 16)) for i in ids]


def shown_window(desktop, title, timeout=20.0):
    """The managed window with this title once it is shown."""
    def look():
        for window in top_level_windows(desktop):
            if window.title() == title and window.state() == "shown":
                return window
        return None
    return wait_for(look, timeout, 0.1)


def window_titles(desktop):
    return sorted(w.title() for w in top_level_windows(desktop) if w.state() == "shown")


def clipboard(desktop):
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                            capture_output=True, env=desktop.env, timeout=5)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else ""


class WineCase(SeenChecks, unittest.TestCase):
    """A desktop and a fresh Wine prefix for the class; failures say what a
    person would have seen, with the path of a screenshot of that moment."""

    screen = (1280, 1024)

    @classmethod
    def setUpClass(cls):
        if not BUILD or not os.path.isdir(BUILD):
            raise unittest.SkipTest("VIELNIS_WINDOWS_BUILD names no Windows build folder")
        cls.desktop = Desktop(*cls.screen)
        cls.prefix = WinePrefix(cls.desktop)

    @classmethod
    def tearDownClass(cls):
        cls.prefix.close()
        cls.desktop.close()

    def setUp(self):
        self.programs = []
        self.desktop.park_pointer()

    def tearDown(self):
        for program in self.programs:
            program.stop()
        # The next test starts on a desktop with none of this one's windows.
        wait_for(lambda: not window_titles(self.desktop), 10)

    def start(self, exe, *args, first=None, cwd=None):
        program = WindowsProgram(self.prefix, self.desktop, exe, *args, cwd=cwd)
        self.programs.append(program)
        return program, self.window(first) if first else None

    def window(self, title):
        """The window with this title, once shown and active: pointer and
        keys reach a new window once the window manager has made it active,
        by when Wine knows where it stands."""
        window = shown_window(self.desktop, title)
        self.check(window, f"the window '{title}' appears", window_titles(self.desktop))
        self.check(wait_for(lambda: self.desktop.active_window() == window.id, 10),
                   f"the window '{title}' becomes active", hex(self.desktop.active_window()))
        return window

    def point_at(self, x, y):
        """Moves the pointer onto (x, y) as a hand does, in more than one
        motion: under Wine the motion that brings the pointer into a window
        from outside only enters it, and reaches no control."""
        self.desktop.move(x - 3, y - 2)
        self.desktop.move(x, y)


def main():
    unittest.main(module="__main__", verbosity=2)
