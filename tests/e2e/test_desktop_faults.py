"""Faults a user met on a real desktop, each as the user met it: the picker's
list, what a screen reader reads of the name's origin, the details fields'
context menu, a window that came back minimised, windows off centre, the
maximise request, and windows larger than the screen."""

import time

import harness
import layout
from harness import HandbookCase, wait_for

TABLE = layout.caption("Form2")
TABLE_HEIGHT = layout.client_height("Form2")
START = layout.caption("Form1")
NAMES = {"H": "Ūdeņradis", "C": "Ogleklis", "Fe": "Dzelzs"}


class TableCase(HandbookCase):
    def open_table(self):
        start = self.start()
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["KEPT"][0]))
        return self.opened(TABLE, "the periodic table window opens from KEPT")

    def click_element(self, table, symbol):
        column, period = layout.ELEMENTS[symbol]
        self.desktop.click(*table.centre_of(layout.element_button(column, period), TABLE_HEIGHT))
        self.check(self.shows_element(NAMES[symbol]), f"a click on {symbol} shows it",
                   self.handbook.details_fields())

    def fields(self):
        """{caption: shown text} of the details panel, through AT-SPI."""
        self.check(self.handbook.accessible_window(TABLE),
                   "the table window in the accessibility tree")
        return self.handbook.details_fields()

    def popups(self):
        return self.desktop.popups()


class PickerList(TableCase):
    def drop_button(self, table):
        left, top, width, height = layout.PICKER
        x, y = table.point(left + width, top + height // 2, TABLE_HEIGHT)
        return x - 10, y

    def test_a_click_opens_the_list_and_a_click_on_an_entry_applies_it(self):
        table = self.open_table()
        self.click_element(table, "C")
        self.desktop.click(*self.drop_button(table))
        # Open, and still open once the click's release has come through:
        # its entry can be read and clicked.
        self.check(wait_for(self.popups, 5), "the list of carbon's modifications stays open "
                   "after one click on the drop-down button", "no list on the screen")
        app = self.handbook.accessible()
        entry = wait_for(lambda: app.find(name="Dimants", role="list item", showing=True), 5)
        self.check(entry, "the open list offers Dimants to a screen reader")
        self.desktop.click(*entry.centre())
        fields = self.read_panel({"Blīvums (293K) g/cm³": "3,515"})
        self.check(fields.get("Vienkāršās vielas nosaukums") == "Dimants"
                   and fields.get("Blīvums (293K) g/cm³") == "3,515",
                   "choosing Dimants shows its name and density 3,515", fields)
        self.check(wait_for(lambda: not self.popups(), 5), "the list closes after the choice",
                   self.popups())

    def test_escape_and_a_click_elsewhere_close_the_list_unchanged(self):
        table = self.open_table()
        self.click_element(table, "C")
        for close in ("Escape", "click"):
            self.desktop.click(*self.drop_button(table))
            self.check(wait_for(self.popups, 5),
                       "the list opens on a click on its button and stays open")
            app = self.handbook.accessible()
            self.check(wait_for(lambda: app.find(name="Dimants", role="list item",
                                                 showing=True), 5),
                       "the open list shows its entries")
            if close == "Escape":
                self.keys("Escape")
            else:
                self.desktop.click(*table.centre_of(layout.TEXT1, TABLE_HEIGHT))
            self.check(wait_for(lambda: not self.popups(), 5),
                       f"{close} closes the list", self.popups())
            fields = self.fields()
            self.check(fields.get("Vienkāršās vielas nosaukums") == "Grafīts",
                       f"{close} leaves graphite chosen", fields)
            self.check(self.handbook.alive(), "the handbook keeps running")


class ScreenReaderFields(TableCase):
    CASES = {  # element: what a screen reader reads under some captions
        "H": {"Elementa nosaukums": "Ūdeņradis",
              "Elementa  nosaukuma izcelsme": "Gr. hydōr - ūdens, gennan - radīt"},
        "C": {"Elementa  nosaukuma izcelsme": "Lat. carbo - kokogle",
              "Vienkāršās vielas nosaukums": "Grafīts"},
        "Fe": {"Elementa nosaukums": "Dzelzs"},
    }

    def test_every_field_gives_its_caption_and_its_text(self):
        table = self.open_table()
        before = self.fields()
        self.check(before.get("Elementa  nosaukuma izcelsme", "") == "",
                   "the origin field is empty before the first click", before)
        for symbol, expected in self.CASES.items():
            self.click_element(table, symbol)
            fields = self.read_panel(expected)
            for caption, text in expected.items():
                self.check(fields.get(caption) == text,
                           f"after {symbol}, the field '{caption}' reads '{text}'", fields)


class ContextMenus(TableCase):
    def setUp(self):
        super().setUp()
        self.focus = harness.FocusLog.shared()

    def menu_items(self):
        """The entries of the open menu, as a screen reader hears them when
        the arrow keys walk through it (separators and disabled entries
        are passed over)."""
        heard = []
        for _ in range(10):
            name = self.focus.after(lambda: self.keys("Down"), "menu item")
            if not name:
                continue
            name = name.split("\t")[0].replace("&", "")
            if heard and name == heard[0]:
                break  # round the menu once
            heard.append(name)
        return heard

    def assert_menu_drawn(self, what):
        popups = wait_for(self.popups, 5)
        self.check(popups, f"a context menu opens on {what}")
        x, y, w, h = popups[0]

        def black_share(shot):
            pixels = [shot.getpixel((x + i, y + j)) for i in range(2, w - 2, 3)
                      for j in range(2, h - 2, 3)]
            return sum(1 for p in pixels if max(p) < 24), len(pixels)

        # A popup shows black for a moment after it is mapped, until it is
        # drawn; one that stays black is the fault.
        shot = self.screen_until(f"menu-{int(time.time() * 1000)}",
                                 lambda shot: (lambda black, count: black < count * 0.2)(
                                     *black_share(shot)))
        black, count = black_share(shot)
        self.check(black < count * 0.2,
                   f"the context menu on {what} is drawn, not a black box",
                   f"{black} of {count} sampled pixels black, see {shot.path}")
        return popups[0]

    def test_the_details_field_menu_is_drawn_in_latvian_and_copies(self):
        table = self.open_table()
        self.click_element(table, "H")
        self.desktop.click(*table.centre_of(layout.TEXT1, TABLE_HEIGHT), button=3)
        self.assert_menu_drawn("Text1")
        items = self.menu_items()
        self.check("Atlasīt visu" in items, "the field's menu offers Atlasīt visu", items)
        while self.focus.last("menu item").split("\t")[0] != "Atlasīt visu":
            self.focus.after(lambda: self.keys("Down"), "menu item")
        self.keys("Return")
        self.check(wait_for(lambda: not self.popups(), 5), "Return closes the menu")
        self.desktop.click(*table.centre_of(layout.TEXT1, TABLE_HEIGHT), button=3)
        self.assert_menu_drawn("Text1 with its text selected")
        items = self.menu_items()
        self.check(set(items) == {"Kopēt", "Atlasīt visu"},
                   "the menu, in Latvian, offers Kopēt and Atlasīt visu", items)
        while self.focus.last("menu item").split("\t")[0] != "Kopēt":
            self.focus.after(lambda: self.keys("Down"), "menu item")
        self.keys("Return")
        copied = wait_for(lambda: (lambda text: text if text == "Ūdeņradis" else None)(
            harness.run("xclip", "-o", "-selection", "clipboard", check=False,
                        env=self.desktop.env)), 5) or harness.run(
            "xclip", "-o", "-selection", "clipboard", check=False, env=self.desktop.env)
        self.check(copied == "Ūdeņradis", "Kopēt puts the field's text on the clipboard",
                   repr(copied))

    def test_the_origin_field_and_the_picker_menus_are_drawn(self):
        table = self.open_table()
        self.click_element(table, "C")
        for what, rect in (("Text15", layout.ORIGIN), ("Combo1", layout.PICKER)):
            left, top, width, height = rect
            self.desktop.click(*table.point(left + 20, top + height // 2, TABLE_HEIGHT), button=3)
            self.assert_menu_drawn(what)
            items = self.menu_items()
            self.check("Atlasīt visu" in items, f"the menu on {what} is in Latvian", items)
            self.keys("Escape")
            self.check(wait_for(lambda: not self.popups(), 5), f"Escape closes the menu on {what}")


class ComingBackShown(TableCase):
    def test_kept_shows_the_table_normal_after_a_minimise_cycle(self):
        table = self.open_table()
        self.desktop.click(*table.centre_of(layout.minimise_button("Form2"), TABLE_HEIGHT))
        self.check(wait_for(lambda: table.state() == "minimised", 5),
                   "the table window is minimised by its '-' button", table.wm_state())
        self.desktop.xdotool("windowactivate", str(table.id))  # the window manager restores
        self.check(wait_for(lambda: table.state() == "shown", 5),
                   "the window manager restores the table window", table.wm_state())
        self.ready(TABLE)
        self.keys("alt+k", opens="menu")  # Komanda → Atpakaļ!
        start = self.keys("Return", opens=START)
        self.check(wait_for(lambda: table.state() == "hidden", 5),
                   "Atpakaļ! hides the table window", table.state())
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["KEPT"][0]))
        shown = self.handbook.window(TABLE)
        self.check(shown, "KEPT brings the table window back shown, not minimised",
                   self.handbook.window_states())
        self.check(wait_for(lambda: self.desktop.active_window() == shown.id, 5),
                   "and active", hex(self.desktop.active_window()))
        self.check(self.handbook.window_states() == {TABLE: "shown",
                                                     layout.caption("Form1"): "hidden"}
                   or self.handbook.window_states() == {TABLE: "shown"},
                   "the start window is gone", self.handbook.window_states())


class Centring(TableCase):
    def assert_centred(self, form, window):
        def off_centre():
            x, y, w, h = window.frame_rect()
            return (x, y, w, h, x + w / 2 - self.desktop.width / 2,
                    y + h / 2 - self.desktop.height / 2)

        # The frame comes to its place once the window manager has framed
        # the window.
        wait_for(lambda: (lambda *r: abs(r[4]) <= 1 and abs(r[5]) <= 1)(*off_centre()), 5)
        x, y, w, h, dx, dy = off_centre()
        self.check(abs(dx) <= 1 and abs(dy) <= 1, f"{form}'s frame is centred on the screen",
                   f"frame {w}x{h} at ({x}, {y}), {dx:+.0f}, {dy:+.0f} px off centre")

    def test_frames_stand_at_the_centre_of_the_screen(self):
        start = self.start()
        self.assert_centred("Form1", start)
        for entry, (button, _, form) in layout.START_ENTRIES.items():
            self.desktop.click(*start.centre_of(button, layout.client_height("Form1")))
            window = self.opened(layout.caption(form), f"{entry} opens {form}")
            self.assert_centred(form, window)
            self.desktop.click(*window.centre_of(layout.back_button(form),
                                                 layout.client_height(form)))
            start = self.opened(START, f"{form}'s back button returns")
            self.assert_centred("Form1 again", start)


class NoMaximise(TableCase):
    def test_no_window_offers_maximise_and_a_request_changes_nothing(self):
        table = self.open_table()
        actions = table.allowed_actions()
        self.check("MAXIMIZE" not in actions, "the fixed-size table window offers no maximise",
                   actions)
        hints = table.xprop("_MOTIF_WM_HINTS")
        functions = int(hints.split("=")[1].split(",")[1], 16)
        self.check(not functions & 0x10, "nor does it ask the window manager for one", hints)
        before = table.client_rect()
        for request in ("add,maximized_vert,maximized_horz", "add,fullscreen"):
            harness.run("wmctrl", "-i", "-r", str(table.id), "-b", request,
                        env=self.desktop.env, check=False)
            # What the window manager makes of the request, if it grants it
            # at all (it need not: the window offers no maximise), and then
            # what the handbook does about it.
            wait_for(lambda: "FULLSCREEN" in table.net_wm_state()
                     or "MAXIMIZED" in table.net_wm_state()
                     or table.client_rect()[2:] != before[2:], 3)
            self.check(self.handbook.alive(), f"the handbook survives the request {request}")
            self.check(wait_for(lambda: table.client_rect()[2:] == before[2:]
                                and "FULLSCREEN" not in table.net_wm_state()
                                and "MAXIMIZED" not in table.net_wm_state(), 5),
                       f"the request {request} leaves the window's size as designed",
                       f"{before} became {table.client_rect()}")
            self.check("FULLSCREEN" not in table.net_wm_state()
                       and "MAXIMIZED" not in table.net_wm_state(),
                       "and the window is normal again", table.net_wm_state())


class SmallScreen(TableCase):
    screen = (800, 480)

    def test_a_window_larger_than_the_screen_keeps_its_title_bar_and_back_button_on_it(self):
        table = self.open_table()
        x, y, w, h = table.frame_rect()
        self.check(x >= 0 and y >= 0, "the table window's top-left corner is on the screen",
                   f"frame {w}x{h} at ({x}, {y})")
        back = table.centre_of(layout.back_button("Form2"), TABLE_HEIGHT)
        self.desktop.click(*back)
        self.check(self.handbook.window(layout.caption("Form1")),
                   "the back button can be reached and leads to the start window",
                   self.handbook.window_states())


class HighScaling(TableCase):
    screen = (1024, 600)

    def test_solubility_table_at_150_percent_on_a_small_screen(self):
        start = self.start(env={"QT_SCALE_FACTOR": "1.5"})
        x, y, w, h = start.frame_rect()
        self.check(x >= 0 and y >= 0, "the start window is on the screen", (x, y, w, h))
        kept, _, _ = layout.START_ENTRIES["VSU"]
        left, top, width, height = kept
        cx, cy, _, ch = start.client_rect()
        self.desktop.click(cx + (left + width // 2) * 1.5 / 15, cy + (top + height // 2) * 1.5 / 15)
        window = self.handbook.window(layout.caption("Form9"))
        self.check(window, "the solubility table opens", self.handbook.window_states())
        x, y, w, h = window.frame_rect()
        self.check(x >= 0 and y >= 0, "its title bar and back button are on the screen",
                   f"frame {w}x{h} at ({x}, {y})")


if __name__ == "__main__":
    harness.main()
