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

import layout

PROGRAM = os.environ.get("VIELNIS", "")
ARTEFACTS = os.environ.get("VIELNIS_E2E_ARTEFACTS") or tempfile.mkdtemp(prefix="vielnis-e2e-")
os.makedirs(ARTEFACTS, exist_ok=True)

TWIPS_PER_PIXEL = 15
TABLE_CAPTION = layout.caption("Form2")  # the window of the details panel


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
        time.sleep(interval)  # between two looks of the poll, not a wait of its own


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
    # The registry is started on the bus's first call for it. Until it runs,
    # a program that starts blocks in its accessibility set-up (each call
    # waiting long for an answer) and shows its first window late: the
    # first case of a run on a cold machine would wait for it in vain.
    if not wait_for(lambda: registry_process(timeout_ms=5000), 60, 0.5):
        raise RuntimeError("the accessibility registry does not answer")


def _accessibility_connection():
    """A connection to the accessibility bus (not the session bus)."""
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000,
                                None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def registry_process(timeout_ms=1000):
    """The process id of the accessibility registry of this run's bus, once
    it answers a call (which starts it if it is not running); 0 before."""
    from gi.repository import Gio, GLib
    try:
        bus = _accessibility_connection()
        # Any call of the registry's own: it answers once it is up.
        bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                      "org.a11y.atspi.Registry", "GetRegisteredEvents", None, None,
                      Gio.DBusCallFlags.NONE, timeout_ms, None)
        return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                             GLib.Variant("(s)", ("org.a11y.atspi.Registry",)), None,
                             Gio.DBusCallFlags.NONE, timeout_ms, None).unpack()[0]
    except GLib.Error:
        return 0


class SlowRegistry:
    """While in this block, the accessibility registry answers nothing (its
    process stopped), as a busy or cold one answers late: the program's
    accessibility bridge then holds each key back until its wait for the
    registry runs out, and hands it on after that."""

    def __enter__(self):
        self.pid = registry_process()
        if not self.pid:
            raise RuntimeError("no accessibility registry to slow down")
        os.kill(self.pid, signal.SIGSTOP)
        return self

    def __exit__(self, *exc):
        os.kill(self.pid, signal.SIGCONT)
        return False


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
        # No key repeats: on a busy machine a key's release can reach the
        # server long after its press, and a repeat (a second Alt+Z, which
        # closes the menu the first opened) is a key nobody meant.
        self.framebuffer_dir = tempfile.mkdtemp(prefix="vielnis-screen-")
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-fbdir", self.framebuffer_dir, "-nolisten", "tcp", "-noreset",
             "-ardelay", "3600000"],
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
            # Openbox names itself on the root window early in its start-up,
            # but a window mapped before it has taken over the screen is lost
            # to it (never framed, never shown; seen on a busy machine): it
            # runs the start-up command once it manages windows.
            running = os.path.join(self.framebuffer_dir, "window-manager-running")
            self.wm = subprocess.Popen(["openbox", "--sm-disable", "--startup", f"touch {running}"],
                                       env=self.env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            if not wait_for(lambda: os.path.exists(running), 60, 0.1):
                self.close()
                raise RuntimeError("the window manager (openbox) did not start")

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

    def focused_window(self):
        """The X window that has the keyboard (the input focus), or 0."""
        out = run("xdotool", "getwindowfocus", env=self.env, check=False).strip()
        return int(out) if out.isdigit() else 0

    def popups(self):
        """Mapped override-redirect windows: menus and drop-down lists, as
        (x, y, width, height)."""
        out = run("xwininfo", "-display", self.display, "-root", "-children")
        shown = []
        for line in out.splitlines():
            line = line.strip()
            if not line.startswith("0x"):
                continue
            window = XWindow(self, int(line.split()[0], 16))
            attributes = window.info()
            if "Map State: IsViewable" in attributes and "Override Redirect State: yes" in \
                    attributes:
                rect = window.client_rect(attributes)
                if rect and rect[2] > 4 and rect[3] > 4:
                    shown.append(rect)
        return shown

    # Real input, through XTEST. Nothing here waits for the program: a case
    # waits for what the input is to bring about.
    def xdotool(self, *args):
        return run("xdotool", *args, env=self.env)

    def pointer(self):
        out = self.xdotool("getmouselocation")
        return tuple(int(part.split(":")[1]) for part in out.split()[:2])

    def move(self, x, y):
        # --sync: back once the pointer is there (it would wait for ever for
        # a move to where the pointer already is).
        if self.pointer() != (int(x), int(y)):
            self.xdotool("mousemove", "--sync", str(int(x)), str(int(y)))

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", str(button))

    def key(self, *keys, until=None, timeout=10.0):
        """Presses the keys one after another as a person does: a chord
        ("alt+Down") holds its modifiers down across its key and lets them
        go after it. With until, the last chord's modifiers stay down until
        until() gives something true (what the key opens, say), which is
        returned: a modifier let go too early can reach the program before
        the key does, and mean something of its own (a lone Alt puts the
        menu bar into keyboard mode)."""
        seen = None
        for index, key in enumerate(keys):
            *modifiers, main = key.split("+")
            if modifiers:
                self.xdotool("keydown", *modifiers)
            try:
                self.xdotool("key", main)
                if until and index == len(keys) - 1:
                    seen = wait_for(until, timeout)
            finally:
                if modifiers:
                    self.xdotool("keyup", *reversed(modifiers))
        return seen

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)

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

    def client_rect(self, info=None):
        """(x, y, width, height) of the client on the screen, from info (what
        xwininfo said of it) or asked now; None once the window is gone (a
        menu closes between two looks)."""
        info = self.info() if info is None else info
        values = [re.search(pattern, info) for pattern in (
            r"Absolute upper-left X:\s+(-?\d+)", r"Absolute upper-left Y:\s+(-?\d+)",
            r"Width:\s+(\d+)", r"Height:\s+(\d+)")]
        if not all(values):
            return None
        return tuple(int(value.group(1)) for value in values)

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


def pump_accessibility_events():
    """Lets the accessibility client handle what the bus has told it (new
    windows, changed children, focus): its picture of the desktop is only as
    fresh as the last time this ran."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


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
        self.parents = []  # the role of each heard control's parent: "menu bar", "popup menu"...
        self.sources = []  # each heard control's node
        self._listener = self._hear
        pyatspi.Registry.registerEventListener(self._listener, "object:state-changed:focused")

    def _hear(self, event):
        if event.detail1:
            try:
                heard = (event.source.getRoleName(), event.source.name)
            except Exception:
                return
            try:
                parent = event.source.parent.getRoleName()
            except Exception:
                parent = ""
            self.heard.append(heard)
            self.parents.append(parent)
            self.sources.append(event.source)

    def pump(self):
        pump_accessibility_events()
        return self.heard

    def last(self, role=None):
        self.pump()
        for heard_role, name in reversed(self.heard):
            if role is None or heard_role == role:
                return name
        return None

    def mark(self):
        """Where the news begins: what was heard before is not news."""
        self.pump()
        return len(self.heard)

    def since(self, mark, role=None, within=None, live=False):
        """The name of the first control of that role (whose parent has the
        role within, if given) heard taking the focus since mark, or None.
        With live, only a control still shown counts: the bus may bring the
        news of an earlier menu's entry late, after that menu has closed."""
        self.pump()
        for index in range(mark, len(self.heard)):
            heard_role, name = self.heard[index]
            if (role is None or heard_role == role) and \
                    (within is None or self.parents[index] == within) and \
                    (not live or self._showing(self.sources[index])):
                return name
        return None

    @staticmethod
    def _showing(node):
        try:
            node.clear_cache()
            return Accessible(node).showing()
        except Exception:
            return False

    def after(self, action, role=None, timeout=5.0):
        """Runs action (a key press, say) and returns the name of the next
        control of that role that takes the focus, or None."""
        mark = self.mark()
        action()
        return wait_for(lambda: self.since(mark, role), timeout)

    def clear(self):
        self.pump()
        self.heard.clear()
        self.parents.clear()
        self.sources.clear()

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

    def focused(self):
        """The node that holds the focus, in the program's shown windows."""
        app = self.accessible(timeout=5)
        if not app:
            return None
        # Ask the program itself, not what the library remembers: a state
        # set before the reader joined may never have been sent to it.
        pump_accessibility_events()
        app.node.clear_cache()
        for window in app.children():
            if not window.showing():
                continue
            for item in window.walk():
                if item.focused():
                    return item
        return None

    def keyboard_window(self):
        """The program's shown X window that has the keyboard, or None."""
        wid = self.desktop.focused_window()
        if not wid:
            return None
        window = XWindow(self.desktop, wid)
        pid = re.search(r"= (\d+)", window.xprop("_NET_WM_PID"))
        if not pid or int(pid.group(1)) != self.process.pid or window.state() != "shown":
            return None
        return window

    def gone(self):
        """Whether the X server has let go of every window of the program
        (after it ended)."""
        out = run("xdotool", "search", "--pid", str(self.process.pid), check=False,
                  env=self.desktop.env)
        return not out.split()

    def details_fields(self):
        """{caption: what a screen reader reads} of the details panel of the
        table window, or {} while the window is not shown."""
        window = self.accessible_window(TABLE_CAPTION, timeout=1)
        if not window:
            return {}
        fields = {}
        for item in window.walk():
            if item.role == "combo box":  # named by its caption's label, valued by its text
                fields[item.labelled_by() or ""] = item.name
                continue
            if not item.name or item.role not in ("text", "label", "entry") \
                    or not item.showing():
                continue
            value = item.value()
            if item.role == "label" and value == item.name:
                continue  # a caption, or any other label, reads just itself
            fields[item.name] = value
        return fields


class SeenChecks:
    """For a test case on a desktop (self.desktop): failures say what a user
    would have seen, with the path of a screenshot of that moment."""

    def check(self, condition, what, seen=None):
        if condition:
            return
        shot = self.desktop.screenshot(f"{self.id().split('.')[-1]}-{int(time.time() * 1000)}")
        message = f"expected: {what}"
        if seen is not None:
            message += f"\nseen: {seen}"
        message += f"\nscreenshot: {shot.path}"
        self.fail(message)


class HandbookCase(SeenChecks, unittest.TestCase):
    """Each test gets a fresh program on the class's desktop (one X server,
    window manager and accessibility bus for the whole class).

    Keys go in as a person gives them (`keys`): each only once the window
    that should get it has the keyboard, and a key that opens a menu, a
    list or a window is followed by nothing until that is there."""

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
        self.keyboard_owner = None  # the caption of the window that gets the keys
        self.desktop.park_pointer()

    def tearDown(self):
        self.stop()

    def stop(self):
        """Ends the program and waits until its windows, popups included,
        are gone from the screen, so that none is left for the next test."""
        if not self.handbook:
            return
        self.handbook.stop()
        if not wait_for(self.handbook.gone, 10):
            raise RuntimeError("the program's windows stay on the screen after it ended")
        self.handbook = None

    def start(self, *args, env=None, first="Vielnis 1.2"):
        """Starts the program afresh (ending one a subtest left behind) and
        waits until its first window is shown and has the keyboard."""
        self.stop()
        # Listening before the program starts, so that it sends its focus
        # events from the first.
        self.focus = FocusLog.shared()
        self.handbook = Handbook(self.desktop, *args, env=env)
        if first:
            # A cold start on a busy machine scans the fonts for a long time.
            window = self.handbook.window(first, timeout=60)
            self.check(window, f"the window '{first}' appears after start-up",
                       self.handbook.window_states())
            return self.ready(first)
        return None

    # ---- The keyboard ---------------------------------------------------------

    def ready(self, title, control=None, timeout=10.0):
        """Waits until the window captioned title has the keyboard and, if
        control is given, that control holds the focus and a screen reader
        has heard so. The keys that follow go to this window."""
        def look():
            window = self.handbook.keyboard_window()
            if not window or window.title() != title:
                return None
            if control is not None:
                node = self.handbook.focused()
                if not node or self.control_name(node) != control \
                        or self.focus.last() not in (control, node.name):
                    return None
            return window
        window = wait_for(look, timeout)
        if not window:
            holder = self.handbook.keyboard_window()
            holder = holder.title() if holder else "no window of the program"
            node = self.handbook.focused() if control is not None else None
            self.check(False, f"'{title}' has the keyboard"
                       + (f", the focus on '{control}'" if control is not None else ""),
                       f"the keyboard with {holder}"
                       + (f", the focus on {self.control_name(node) if node else 'nothing'}, "
                          f"heard last {self.focus.last()!r}" if control is not None else "")
                       + f"; windows {self.handbook.window_states()}")
        self.keyboard_owner = title
        return window

    @staticmethod
    def control_name(node):
        """The name a screen reader gives the focused control: a combo box
        is named by its label (its own name is what it holds)."""
        if node.role == "combo box":
            return node.labelled_by() or node.name
        return node.name

    def keys(self, *keys, into=None, opens=None, timeout=10.0):
        """Presses the keys one by one, each once the window that should get
        it (into, else the one that last had the keyboard) has it. opens
        says what the last key brings up, and this waits for it and returns
        it: "menu" or "list" (the name of the entry that takes the focus),
        or a window's caption (the window, once it has the keyboard)."""
        if into:
            self.keyboard_owner = into
        if not keys:
            return None
        for key in keys[:-1]:
            self.ready(self.keyboard_owner, timeout=timeout)
            self.desktop.key(key)
        self.ready(self.keyboard_owner, timeout=timeout)
        last = keys[-1]
        if opens in ("menu", "list"):
            # An entry of the open menu, not the menu bar's title, which
            # takes the focus first.
            role, within = ("menu item", "popup menu") if opens == "menu" else ("list item", None)
            mark = self.focus.mark()
            entry = self.desktop.key(
                last, until=lambda: self.focus.since(mark, role, within, live=True),
                timeout=timeout)
            self.check(entry, f"{last} opens a {opens}: a screen reader hears one of its "
                       "entries take the focus", self.focus.heard[mark:])
            return entry
        self.desktop.key(last)
        if opens:
            self.check(self.handbook.window(opens, timeout=timeout),
                       f"{last} opens '{opens}'", self.handbook.window_states())
            return self.ready(opens, timeout=timeout)
        return None

    def opened(self, title, what):
        """After the click or key that opens the window captioned title:
        waits until it is shown and has the keyboard, and returns it."""
        self.check(self.handbook.window(title, timeout=10), what, self.handbook.window_states())
        return self.ready(title)

    def close_popups(self):
        """Closes a menu or list a failed step left open (Escape closes a
        popup only, when one is open), so that the next step starts from the
        window itself."""
        for _ in range(3):
            if not self.desktop.popups():
                return
            self.desktop.key("Escape")
            wait_for(lambda: not self.desktop.popups(), 3)

    # ---- What the program shows -------------------------------------------------

    def read_panel(self, expected, timeout=5.0):
        """The details panel's fields, once every caption in expected reads
        its text (or, after the timeout, as they are)."""
        def look():
            fields = self.handbook.details_fields()
            return fields if all(fields.get(k) == v for k, v in expected.items()) else None
        return wait_for(look, timeout, 0.1) or self.handbook.details_fields()

    def shows_element(self, name, timeout=5.0):
        """Waits until the details panel names the element."""
        return self.read_panel({"Elementa nosaukums": name}, timeout) \
            .get("Elementa nosaukums") == name

    def ag_br_and_its_headers(self):
        """On the solubility table, read through AT-SPI: the application,
        the cell AgBr and the header images pointing at it frames (Br and
        both Ag)."""
        app = self.handbook.accessible()
        cell = wait_for(lambda: next((i for i in app.walk()
                                      if i.name.startswith("Ag + un Br -")), None), 3)
        self.check(cell, "the cell AgBr is in the accessibility tree")
        anion = app.find(name="anjons Br -")
        cations = app.find_all(name="katjons Ag +")
        self.check(anion and len(cations) == 2, "the header images of Br and Ag are named",
                   [anion, cations])
        return app, cell, [anion] + cations

    def check_states(self, expected, what):
        seen = wait_for(lambda: (lambda s: s if s == expected else None)(
            self.handbook.window_states()), 5.0) or self.handbook.window_states()
        self.check(seen == expected, f"{what}: windows {expected}", seen)

    def painted(self, window, name="painted"):
        """Waits until the window's client area is drawn (more than the one
        colour an X window shows before its first paint); returns the shot."""
        x, y, w, h = window.client_rect()

        def drawn(shot):
            points = [(x + i * w // 16, y + j * h // 16) for i in range(1, 16)
                      for j in range(1, 16)]
            colours = {shot.getpixel(p) for p in points
                       if 0 <= p[0] < shot.width and 0 <= p[1] < shot.height}
            return len(colours) > 2
        shot = self.screen_until(name, drawn)
        self.check(drawn(shot), f"'{window.title()}' is drawn")
        return shot

    def screen_until(self, name, predicate, timeout=5.0):
        """Screenshots until predicate(shot) holds; returns the last one (a
        window is drawn a little after it is shown, a highlight a little after
        the pointer arrives)."""
        shots = []

        def look():
            shot = self.desktop.screenshot(name)
            shots.append(shot)
            return shot if predicate(shot) else None
        return wait_for(look, timeout, 0.1) or shots[-1]


def main():
    unittest.main(module="__main__", verbosity=2)
