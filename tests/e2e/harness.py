"""The real handbook on a real desktop: an X server (Xvfb), a window manager
(openbox), an accessibility bus, real pointer and key events (XTEST through
xdotool), and what a person and a screen reader get back: pixels, the window
manager's idea of each window, and the AT-SPI tree.

A case file builds on `HandbookCase`: each test starts the program afresh on
the class's desktop. Failures say what a user would have seen, with the path
of a screenshot taken at that moment.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = os.environ.get("VIELNIS", "")
ARTEFACTS = os.environ.get("VIELNIS_E2E_ARTEFACTS") or tempfile.mkdtemp(prefix="vielnis-e2e-")

TWIPS_PER_PIXEL = 15


def run(*command, check=True, env=None, timeout=10):
    result = subprocess.run(command, capture_output=True, text=True, env=env, timeout=timeout)
    if check and result.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} failed: {result.stderr.strip()}")
    return result.stdout


def wait_for(predicate, timeout=5.0, interval=0.05):
    """Polls until predicate() gives something true, and returns it (or the
    last falsy value after the timeout)."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() > end:
            return value
        time.sleep(interval)


# ---- The accessibility bus ---------------------------------------------------

_bus_launcher = None


def start_accessibility_bus():
    """Starts the accessibility bus on the session bus, once, away from any X
    display: the desktops of the cases come and go, the bus stays."""
    global _bus_launcher
    if _bus_launcher or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        return
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    _bus_launcher = subprocess.Popen(
        ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "NameHasOwner",
                                  GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                                  Gio.DBusCallFlags.NONE, 1000, None)
        return reply.unpack()[0]
    if not wait_for(owned, 10, 0.1):
        raise RuntimeError("the accessibility bus did not start")


# ---- The desktop -------------------------------------------------------------


class Desktop:
    """Xvfb with openbox and an accessibility bus, torn down with the object."""

    def __init__(self, width=1280, height=1024, window_manager=True):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        # The screen's memory, as the X server shows it: a screenshot reads
        # it from there. (Asking the server for the root window's image
        # leaves out popups, which show black there though a person sees
        # them drawn.)
        self.framebuffer_dir = tempfile.mkdtemp(prefix="vielnis-screen-")
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-fbdir", self.framebuffer_dir, "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display, LC_ALL="C.UTF-8",
                        QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        NO_AT_BRIDGE="0")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_SCALE_FACTOR", None)
        os.environ["DISPLAY"] = self.display
        self.wm = None
        if window_manager:
            self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.xprop_root(), 5)

    def xprop_root(self):
        return run("xprop", "-root", "-display", self.display, check=False)

    def close(self):
        for process in (self.wm, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.framebuffer_dir, ignore_errors=True)

    # What the screen shows, as a Pillow image.
    def screenshot(self, name):
        from PIL import Image
        path = os.path.join(ARTEFACTS, f"{name}.png")
        subprocess.run(["convert", "xwd:" + os.path.join(self.framebuffer_dir, "Xvfb_screen0"),
                        path], check=True)
        image = Image.open(path).convert("RGB")
        image.path = path
        return image

    def active_window(self):
        match = re.search(r"_NET_ACTIVE_WINDOW\(WINDOW\): window id # (0x[0-9a-f]+)",
                          self.xprop_root())
        return int(match.group(1), 16) if match else 0

    # Real input, through XTEST.
    def xdotool(self, *args):
        return run("xdotool", *args, env=self.env)

    def move(self, x, y):
        self.xdotool("mousemove", str(int(x)), str(int(y)))
        time.sleep(0.05)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", str(button))
        time.sleep(0.15)

    def press(self, x, y):
        self.move(x, y)
        self.xdotool("mousedown", "1")
        time.sleep(0.1)

    def release(self):
        self.xdotool("mouseup", "1")
        time.sleep(0.15)

    def key(self, *keys):
        for key in keys:
            self.xdotool("key", "--clearmodifiers", key)
            time.sleep(0.08)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)
        time.sleep(0.1)

    def park_pointer(self):
        self.move(self.width - 1, self.height - 1)


# ---- X windows and the window manager's state --------------------------------


class XWindow:
    """One top-level X window of the program, as the window manager sees it."""

    def __init__(self, desktop, wid):
        self.desktop, self.id = desktop, wid

    def __repr__(self):
        return f"XWindow({self.id:#x} {self.title()!r})"

    def xprop(self, *names):
        return run("xprop", "-display", self.desktop.display, "-id", str(self.id), *names,
                   check=False)

    def title(self):
        match = re.search(r'_NET_WM_NAME\(UTF8_STRING\) = "(.*)"', self.xprop("_NET_WM_NAME"))
        return match.group(1) if match else ""

    def info(self, *flags):
        return run("xwininfo", "-display", self.desktop.display, "-id", str(self.id), *flags,
                   check=False)

    def mapped(self):
        return "Map State: IsViewable" in self.info()

    def wm_state(self):
        """'Normal', 'Iconic', 'Withdrawn' (ICCCM WM_STATE), or '' when it has none."""
        match = re.search(r"window state: (\w+)", self.xprop("WM_STATE"))
        return match.group(1) if match else ""

    def net_wm_state(self):
        return self.xprop("_NET_WM_STATE")

    def allowed_actions(self):
        return self.xprop("_NET_WM_ALLOWED_ACTIONS")

    def state(self):
        """'shown', 'minimised' or 'hidden', by the window manager's state."""
        wm = self.wm_state()
        if wm == "Iconic":
            return "minimised"
        if wm == "Normal" and self.mapped():
            return "shown"
        return "hidden"

    def client_rect(self):
        """(x, y, width, height) of the client on the screen."""
        info = self.info()
        x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        w = int(re.search(r"Width:\s+(\d+)", info).group(1))
        h = int(re.search(r"Height:\s+(\d+)", info).group(1))
        return x, y, w, h

    def frame_extents(self):
        """(left, right, top, bottom) of the window manager's frame."""
        match = re.search(r"_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+)",
                          self.xprop("_NET_FRAME_EXTENTS"))
        return tuple(int(v) for v in match.groups()) if match else (0, 0, 0, 0)

    def frame_rect(self):
        x, y, w, h = self.client_rect()
        left, right, top, bottom = self.frame_extents()
        return x - left, y - top, w + left + right, h + top + bottom

    def point(self, left, top, client_height=None):
        """The screen point of (left, top), in twips of the client area. The
        client area fills the bottom of the window, below any menu bar."""
        x, y, _, h = self.client_rect()
        offset = h - client_height // TWIPS_PER_PIXEL if client_height is not None else 0
        return x + left // TWIPS_PER_PIXEL, y + offset + top // TWIPS_PER_PIXEL

    def centre_of(self, rect, client_height=None):
        left, top, width, height = rect
        return self.point(left + width // 2, top + height // 2, client_height)


# ---- The accessibility tree ---------------------------------------------------


def _pyatspi():
    import pyatspi  # noqa: imported late, only the cases that read the tree need it
    return pyatspi


def pump_accessibility_events(seconds=0.0):
    """Lets the accessibility client handle what the bus has told it (new
    windows, changed children, focus): its picture of the desktop is only as
    fresh as the last time this ran."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


class Accessible:
    """A node of the AT-SPI tree, read as a screen reader reads it."""

    def __init__(self, node):
        self.node = node

    @property
    def name(self):
        return self.node.name or ""

    @property
    def role(self):
        return self.node.getRoleName()

    def text(self):
        try:
            text = self.node.queryText()
            return text.getText(0, -1)
        except NotImplementedError:
            return None

    def value(self):
        """What a screen reader speaks as the content: the text, else the name."""
        text = self.text()
        return text if text is not None else self.name

    def states(self):
        pyatspi = _pyatspi()
        state_set = self.node.getState()
        return {pyatspi.stateToString(s) for s in state_set.getStates()}

    def showing(self):
        return "showing" in self.states()

    def focused(self):
        return "focused" in self.states()

    def extents(self):
        pyatspi = _pyatspi()
        box = self.node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def centre(self):
        x, y, w, h = self.extents()
        return x + w // 2, y + h // 2

    def children(self):
        return [Accessible(c) for c in self.node if c is not None]

    def walk(self):
        stack = [self.node]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            yield Accessible(node)
            try:
                stack.extend(reversed([c for c in node]))
            except Exception:
                pass

    def find(self, name=None, role=None, showing=None):
        for item in self.walk():
            if name is not None and item.name != name:
                continue
            if role is not None and item.role != role:
                continue
            if showing is not None and item.showing() != showing:
                continue
            return item
        return None

    def find_all(self, name=None, role=None):
        return [i for i in self.walk()
                if (name is None or i.name == name) and (role is None or i.role == role)]

    def labelled_by(self):
        """The name of the label that names this control (how Qt names a
        combo box to a screen reader: its own name is its value)."""
        pyatspi = _pyatspi()
        for relation in self.node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    return relation.getTarget(i).name
        return None

    def do_action(self, index=0):
        self.node.queryAction().doAction(index)


class FocusLog:
    """What a screen reader is told while it listens: every control that
    takes the focus (menu items, list entries, buttons), as (role, name)."""

    def __init__(self):
        pyatspi = _pyatspi()
        self.heard = []
        self._listener = self._hear
        pyatspi.Registry.registerEventListener(self._listener, "object:state-changed:focused")

    def _hear(self, event):
        if event.detail1:
            try:
                self.heard.append((event.source.getRoleName(), event.source.name))
            except Exception:
                pass

    def pump(self, seconds=0.3):
        pump_accessibility_events(seconds)
        return self.heard

    def last(self, role=None):
        self.pump(0.05)
        for heard_role, name in reversed(self.heard):
            if role is None or heard_role == role:
                return name
        return None

    def after(self, action, role=None, timeout=3.0):
        """Runs action (a key press, say) and returns the name of the next
        control of that role that takes the focus, or None."""
        self.pump(0.2)  # what earlier actions caused is not news
        count = len(self.heard)

        def news():
            self.pump(0.05)
            for heard_role, name in self.heard[count:]:
                if role is None or heard_role == role:
                    return name
            return None
        action()
        return wait_for(news, timeout)

    def clear(self):
        self.pump(0.1)
        self.heard.clear()

    _instance = None

    @classmethod
    def shared(cls):
        """One log for the whole run: the accessibility client keeps its
        picture of the desktop up to date only while someone listens, and
        stays listening once it has."""
        if cls._instance is None:
            cls._instance = cls()
        else:
            # A program started since learns of listeners only as they
            # register: register again, so that it sends its focus events.
            pyatspi = _pyatspi()
            pyatspi.Registry.registerEventListener(cls._instance._listener,
                                                   "object:state-changed:focused")
        cls._instance.clear()
        return cls._instance


# ---- The program ----------------------------------------------------------------


class Handbook:
    """The real program on a desktop."""

    def __init__(self, desktop, *args, env=None):
        self.desktop = desktop
        self.log = open(os.path.join(ARTEFACTS, "program.log"), "a")
        environment = dict(desktop.env, **(env or {}))
        self.process = subprocess.Popen([PROGRAM, *args], env=environment, stdout=self.log,
                                        stderr=self.log)

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        if self.alive():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()

    def wait_exit(self, timeout=5):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def x_windows(self):
        """Every top-level X window of the program that has a title (the
        handbook's windows; Qt's own helper windows have none)."""
        out = run("xdotool", "search", "--pid", str(self.process.pid), "--name", ".",
                  check=False, env=self.desktop.env)
        windows = []
        for line in out.split():
            window = XWindow(self.desktop, int(line))
            if window.title() and "WM_STATE" not in ("",) and self._top_level(window):
                windows.append(window)
        return windows

    def _top_level(self, window):
        # Qt's helper and popup windows carry no WM_CLIENT_LEADER hint of a
        # window, but every top-level handbook window sets WM_PROTOCOLS.
        return "WM_DELETE_WINDOW" in window.xprop("WM_PROTOCOLS")

    def window_states(self):
        """{caption: state} of every window that exists (two windows share
        the caption "Apzīmējumi"; their states are joined with '+')."""
        states = {}
        for window in self.x_windows():
            title = window.title()
            state = window.state()
            states[title] = state if title not in states else states[title] + "+" + state
        return states

    def window(self, title, timeout=5.0, shown=True):
        """The X window with this caption, waiting until it is shown."""
        def look():
            for window in self.x_windows():
                if window.title() == title and (not shown or window.state() == "shown"):
                    return window
            return None
        return wait_for(look, timeout)

    def accessible(self, timeout=10.0):
        """The program's node in the AT-SPI tree."""
        pyatspi = _pyatspi()

        def look():
            pump_accessibility_events()
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is None:
                    continue
                try:
                    if app.get_process_id() == self.process.pid:
                        return Accessible(app)
                except Exception:
                    continue
            return None
        found = wait_for(look, timeout, 0.2)
        if not found and os.environ.get("VIELNIS_E2E_DEBUG"):
            for app in pyatspi.Registry.getDesktop(0):
                try:
                    print("accessible app:", app.name, app.get_process_id(), "wanted",
                          self.process.pid, file=sys.stderr)
                except Exception as error:
                    print("accessible app error:", error, file=sys.stderr)
        return found

    def accessible_window(self, title, timeout=5.0):
        def look():
            app = self.accessible(timeout=1)
            if not app:
                return None
            for child in app.children():
                if child.name == title and child.showing():
                    return child
            return None
        return wait_for(look, timeout, 0.1)


class HandbookCase(unittest.TestCase):
    """Each test gets a fresh program on the class's desktop (one X server,
    window manager and accessibility bus for the whole class)."""

    screen = (1280, 1024)

    @classmethod
    def setUpClass(cls):
        if not PROGRAM:
            raise unittest.SkipTest("VIELNIS names no program")
        start_accessibility_bus()
        cls.desktop = Desktop(*cls.screen)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def setUp(self):
        self.handbook = None
        self.desktop.park_pointer()

    def tearDown(self):
        if self.handbook:
            self.handbook.stop()
        # Leave no popup or window behind for the next test.
        time.sleep(0.1)

    def start(self, *args, env=None, first="Vielnis 1.2"):
        self.handbook = Handbook(self.desktop, *args, env=env)
        if first:
            window = self.handbook.window(first, timeout=10)
            self.check(window, f"the window '{first}' appears after start-up")
            time.sleep(0.3)  # the first paint
            return window
        return None

    # Failures say what a user would have seen.
    def check(self, condition, what, seen=None):
        if condition:
            return
        shot = self.desktop.screenshot(f"{self.id().split('.')[-1]}-{int(time.time() * 1000)}")
        message = f"expected: {what}"
        if seen is not None:
            message += f"\nseen: {seen}"
        message += f"\nscreenshot: {shot.path}"
        self.fail(message)

    def check_states(self, expected, what):
        seen = wait_for(lambda: (lambda s: s if s == expected else None)(
            self.handbook.window_states()), 3.0) or self.handbook.window_states()
        self.check(seen == expected, f"{what}: windows {expected}", seen)


def main():
    unittest.main(module="__main__", verbosity=2)
