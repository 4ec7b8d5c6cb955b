"""The handbook with the keyboard alone, as a pupil who does not use the
mouse: real key events (XTEST), the focus read as a screen reader reads it
(AT-SPI), the pointer parked in a corner all along. The series, the
solubility table, the table window's focus after its pages, the focus ring
measured on the screen, Escape, the close box, and one tour of every window
with no mouse event at all."""

import harness
import layout
from harness import HandbookCase, wait_for

START = layout.caption("Form1")
TABLE = layout.caption("Form2")
METALS = layout.caption("Form3")
NONMETALS = layout.caption("Form5")
ACIDS = layout.caption("Form8")
SOLUBILITY = layout.caption("Form9")
HELP = layout.caption("Form11")
ABOUT = layout.caption("Form12")
LEGEND = "Apzīmējumi"  # the table legend and the solubility legend

# The start window's tab order: KEPT, VSU, MAR, NER, SAR, Command1,
# Command2, PAR. Tabs from KEPT, which holds the focus at opening.
ENTRY_TABS = {"KEPT": 0, "VSU": 1, "MAR": 2, "NER": 3, "SAR": 4, "PAR": 7}

KEPT = "ĶĪMISKO ELEMENTU PERIODISKĀ TABULA"
CARBON = "Ogleklis, C, kārtas skaitlis 6"
PICKER = "Vienkāršās vielas nosaukums"
AG_BR = "Ag + un Br -: nešķīstoša viela (< 0,001 g / 100 g ūdens)"


def luminance(rgb):
    def linear(channel):
        v = channel / 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


class KeyboardCase(HandbookCase):
    def setUp(self):
        super().setUp()  # the pointer parked in a corner, where it stays
        self.parked = self.pointer()

    def pointer(self):
        return self.desktop.pointer()

    # ---- What a screen reader is told ----------------------------------------

    def focused(self):
        return self.handbook.focused()

    def focus_is(self, name, what):
        def look():
            node = self.focused()
            return node if node and self.control_name(node) == name else None
        seen = wait_for(look, 10.0) or self.focused()
        self.check(seen and self.control_name(seen) == name, f"{what}: the focus on '{name}'",
                   self.control_name(seen) if seen else
                   f"no focused control; active X window {self.desktop.active_window():#x}, "
                   f"windows {self.handbook.x_windows()}")
        return seen

    def shows_text(self, title, text, what):
        def look():
            window = self.handbook.accessible_window(title, timeout=1)
            return window and any(item.value() == text for item in window.walk())
        self.check(wait_for(look, 5.0), f"{what}: '{text}' on '{title}'")

    def open_entry(self, entry, title):
        """From the start window, freshly opened, to one of its sections."""
        self.focus_is(KEPT, "the start window opens")
        return self.keys(*["Tab"] * ENTRY_TABS[entry], "space", into=START, opens=title)

    def no_mouse_was_used(self):
        self.check(self.pointer() == self.parked, "the pointer where it was parked",
                   self.pointer())

    # ---- What the screen shows -------------------------------------------------

    def black_all_round(self, image, box):
        """The share of a rectangle's edge pixels that are black."""
        x, y, w, h = box
        edge = [(x + i, y) for i in range(w)] + [(x + i, y + h - 1) for i in range(w)]
        edge += [(x, y + j) for j in range(h)] + [(x + w - 1, y + j) for j in range(h)]
        black = sum(1 for p in edge if max(image.getpixel(p)) < 40)
        return black / len(edge)

    def ring_contrast(self, before, after, box):
        """The weakest contrast of the focus ring across the control's four
        sides: for each crossing, the best contrast of the changed pixels
        against the pixel just outside them and against the one just inside."""
        x, y, w, h = box
        changed = lambda p: before.getpixel(p) != after.getpixel(p)  # noqa: E731
        weakest, crossings = 21.0, 0

        def cross(edge, step):
            nonlocal weakest, crossings
            p, depth = edge, 0
            while depth < 6 and not changed(p):
                p, depth = (p[0] + step[0], p[1] + step[1]), depth + 1
            if depth == 6:
                return
            outside = after.getpixel((p[0] - step[0], p[1] - step[1]))
            ring = []
            while changed(p) and len(ring) < 6:
                ring.append(after.getpixel(p))
                p = (p[0] + step[0], p[1] + step[1])
            inside = after.getpixel(p)
            crossings += 1
            weakest = min(weakest, max(contrast(c, outside) for c in ring),
                          max(contrast(c, inside) for c in ring))

        for i in range(4, w - 4):
            cross((x + i, y), (0, 1))
            cross((x + i, y + h - 1), (0, -1))
        for j in range(4, h - 4):
            cross((x, y + j), (1, 0))
            cross((x + w - 1, y + j), (-1, 0))
        expected = 2 * (w - 8) + 2 * (h - 8)
        return weakest, crossings, expected


class SeriesByKeyboard(KeyboardCase):
    def test_the_arrows_walk_the_metals_and_enter_chooses_one(self):
        self.start()
        self.open_entry("MAR", METALS)
        self.focus_is("Atpakaļ!", "the metal series opens on its back button")
        heard = [self.focus.after(lambda: self.desktop.key("Right"), "radio button")
                 for _ in range(3)]
        self.check(heard == ["Varš, Cu", "Dzīvsudrabs, Hg", "Sudrabs, Ag"],
                   "Right walks on from hydrogen, the chosen metal, and a screen reader "
                   "hears each element", heard)
        self.focus_is("Sudrabs, Ag", "three to the right of hydrogen")
        self.keys("Return")
        self.shows_text(METALS, "+ 0,799 V", "Enter chooses silver as a click does")
        silver = self.focus_is("Sudrabs, Ag", "the focus stays on the chosen symbol")
        shot = self.screen_until("metals-silver",
                                 lambda shot: self.black_all_round(shot, silver.extents()) > 0.9)
        self.check(self.black_all_round(shot, silver.extents()) > 0.9,
                   "silver framed by its one-pixel black line")
        self.keys(*["Left"] * 11)
        self.focus_is("Hroms, Cr", "chromium stands left of zinc")
        self.keys("space")
        self.shows_text(METALS, "- 0,852 V", "Space chooses chromium")
        self.no_mouse_was_used()

    def test_the_arrows_walk_the_nonmetals_and_space_chooses_one(self):
        self.start()
        self.open_entry("NER", NONMETALS)
        self.keys(*["Left"] * 11)
        self.focus_is("Arsēns, As", "eleven symbols left of oxygen")
        self.keys("space")
        self.shows_text(NONMETALS, "Arsēna relatīvā elektronegativitāte (pēc L. Polinga) ir 2.18",
                        "Space chooses arsenic")
        self.keys("Tab", "Tab", "Tab", "Tab")
        self.focus_is("Arsēns, As", "Tab comes round to the chosen symbol")
        self.no_mouse_was_used()


class SolubilityByKeyboard(KeyboardCase):
    def test_arrows_move_by_rows_and_columns_and_frame_the_headers(self):
        self.start()
        self.open_entry("VSU", SOLUBILITY)
        self.keys("Down", "Down", "Down", "Down", "Right", "Right", "Right", "Right")
        self.focus_is(AG_BR, "four down and four right of the water cell")
        app = self.handbook.accessible_window(SOLUBILITY)
        headers = [(item.name, item.extents()) for item in app.walk()
                   if item.name.startswith(("anjons ", "katjons "))]

        # The header images, named by their ions; framed ones are black
        # nearly all round (a neighbour's letters may cover a little).
        def framed_in(shot):
            return sorted(name for name, box in headers if self.black_all_round(shot, box) > 0.8)
        framed = framed_in(self.screen_until(
            "solubility-agbr",
            lambda shot: framed_in(shot) == ["anjons Br -", "katjons Ag +", "katjons Ag +"]))
        self.check(framed == ["anjons Br -", "katjons Ag +", "katjons Ag +"],
                   "the headers of Br⁻ and of both ends of the Ag⁺ row framed", framed)
        self.no_mouse_was_used()


class TableFocus(KeyboardCase):
    def to_carbon(self):
        self.focus_is(KEPT, "the start window opens")
        self.keys("Return", into=START, opens=TABLE)  # Enter on KEPT opens the table
        self.keys(*["Tab"] * 30)
        self.focus_is("Ūdeņradis, H, kārtas skaitlis 1", "thirty tabs from the details panel")
        self.keys("Right", "Down", "Left", "Left", "Left", "Left")
        self.focus_is(CARBON, "the arrows from hydrogen to carbon")
        self.keys("Return")
        self.shows_text(TABLE, "Ogleklis", "Enter chooses carbon")

    def test_coming_back_from_the_pages_keeps_the_focus(self):
        self.start()
        self.to_carbon()
        pages = [("Return", LEGEND, "Escape"), ("Down Return", "D. Mendeļejevs", "alt+F4"),
                 ("Down Down Return", "Par autoriem", "space"), ("l", HELP, "Escape"),
                 ("Return", LEGEND, "alt+F4")]
        for keys, title, back in pages:
            self.keys("alt+z", into=TABLE, opens="menu")
            self.keys(*keys.split(), opens=title)  # the Ziņas menu opens the page
            self.keys(back, opens=TABLE)  # and back shows the table again
            self.focus_is(CARBON, f"back from '{title}' by {back}")
        self.no_mouse_was_used()


class SlowScreenReader(KeyboardCase):
    """While a screen reader listens, each key waits for the accessibility
    registry; a busy one answers late, and the keys reach the program after
    what they were pressed for has happened."""

    def test_the_menus_open_by_their_chords_while_the_registry_is_slow(self):
        self.start()
        self.keys("Return", into=START, opens=TABLE)
        for chord, first_entry in (("alt+k", "Atpakaļ!"), ("alt+z", "Apzīmējumi")):
            with self.subTest(chord=chord):
                mark = self.focus.mark()
                with harness.SlowRegistry():
                    # The chord's letter opens the menu at once (a shortcut
                    # waits for no one); the press of its Alt is still held
                    # back, and reaches the program after the menu is there.
                    # (On a busy machine the program may itself wait for the
                    # registry first: the registry goes on after a while.)
                    self.desktop.xdotool("keydown", "alt")
                    self.desktop.key(chord.split("+")[1])
                    wait_for(self.desktop.popups, 3)
                self.check(wait_for(self.desktop.popups, 10),
                           f"{chord} opens a menu while the registry is slow")
                entry = wait_for(lambda: self.focus.since(mark, "menu item", "popup menu",
                                                          live=True), 5)
                self.desktop.xdotool("keyup", "alt")
                self.check(entry == first_entry and self.desktop.popups(),
                           f"{chord} opens its menu, which stays open, with '{first_entry}' "
                           "focused", self.focus.heard[mark:])
                self.keys("Escape", into=None)  # the menu closes
                self.check(wait_for(lambda: not self.desktop.popups(), 5), "Escape closes it")
                self.keys("Escape")  # and the menu bar lets the keyboard go
                self.ready(TABLE, "Elementa nosaukums")


class FocusRing(KeyboardCase):
    def measure(self, name, keys, what):
        """Moves the focus onto the control by the keys and measures the
        ring it gets, from screenshots before and after; returns the
        control and the screenshot with its ring."""
        before = self.painted(self.handbook.keyboard_window(), f"ring-before-{name[:12]}")
        self.keys(*keys)
        target = self.focus_is(name, what)
        box = target.extents()
        after = self.screen_until(
            f"ring-after-{name[:12]}",
            lambda shot: (lambda weakest, crossings, expected: crossings == expected)(
                *self.ring_contrast(before, shot, box)))
        weakest, crossings, expected = self.ring_contrast(before, after, box)
        self.check(crossings == expected, f"{what}: a ring right round the control",
                   f"{crossings} of {expected} places")
        self.check(weakest >= 3, f"{what}: the ring at least 3 : 1 against both sides",
                   f"{weakest:.2f} : 1, {after.path}")
        return target, after

    def test_the_focus_ring_stands_out_on_the_screen(self):
        self.start()
        self.measure("VIELU ŠĶĪDĪBA ŪDENĪ", ["Tab"], "the solubility entry on maroon")
        self.measure("Iziet!", ["Tab"] * 4, "the start window's exit button")
        self.keys("Tab", "Tab", "space", opens=ABOUT)  # PAR
        self.keys("Escape", opens=START)
        self.focus_is(KEPT, "back on the start window")
        self.keys("Tab", "Tab", "space", opens=METALS)
        self.measure("Varš, Cu", ["Right"], "a metal symbol on the photograph")
        self.keys("Escape", opens=START)
        self.keys("Tab", "space", opens=SOLUBILITY)
        self.measure("H + un NO3 -: šķīdība ir neierobežota", ["Right"],
                     "a solubility cell")
        self.no_mouse_was_used()

    def test_a_click_hides_the_ring_and_the_next_key_shows_it(self):
        start = self.start()
        self.focus_is(KEPT, "the start window opens")
        # The start window as the mouse leaves it: the ring on KEPT only.
        plain = self.painted(start, "ring-click-plain")
        target, ringed = self.measure("VIELU ŠĶĪDĪBA ŪDENĪ", ["Tab"],
                                      "Tab onto the solubility entry")
        x, y, w, h = target.extents()
        around = (x - 6, y - 6, w + 12, h + 12)  # the control and its ring

        def pixels(shot):
            left, top, width, height = around
            return [shot.getpixel((i, j)) for i in range(left, left + width)
                    for j in range(top, top + height)]
        # A click on the bare background, right of the entries: the focus
        # stays where it is, and the ring goes.
        self.desktop.click(*start.point(9000, 3600, layout.client_height("Form1")))
        hidden = self.screen_until("ring-click-hidden",
                                   lambda shot: pixels(shot) == pixels(plain))
        self.check(pixels(hidden) == pixels(plain),
                   "a mouse click hides the ring: the entry looks as it did unfocused",
                   f"{sum(a != b for a, b in zip(pixels(hidden), pixels(plain)))} pixels "
                   f"differ around it, {hidden.path}")
        self.focus_is("VIELU ŠĶĪDĪBA ŪDENĪ", "the click leaves the focus on the entry")
        self.keys("Escape")  # a key that does nothing on the start window
        shown = self.screen_until("ring-click-shown",
                                  lambda shot: pixels(shot) == pixels(ringed))
        self.check(pixels(shown) == pixels(ringed), "the next key shows the ring again",
                   f"{sum(a != b for a, b in zip(pixels(shown), pixels(ringed)))} pixels "
                   f"differ from the ring Tab drew, {shown.path}")


class EscapeAndCloseBox(KeyboardCase):
    def test_escape_goes_back_and_does_nothing_on_the_start_window(self):
        self.start()
        self.keys("Escape")
        self.check_states({START: "shown"}, "Escape on the start window")
        for entry, title in (("MAR", METALS), ("NER", NONMETALS), ("SAR", ACIDS),
                             ("VSU", SOLUBILITY), ("PAR", ABOUT), ("KEPT", TABLE)):
            self.open_entry(entry, title)
            self.keys("Escape", opens=START)
            self.check_states({START: "shown"}, f"Escape on '{title}'")
        self.keys("Return", opens=TABLE)
        self.keys("alt+z", opens="menu")
        self.keys("l", opens=HELP)  # the help page opens
        self.keys("Escape", opens=TABLE)
        self.check_states({TABLE: "shown"}, "Escape on the help page")
        self.no_mouse_was_used()

    def test_the_close_box_goes_back_and_only_the_start_window_ends(self):
        self.start()
        self.keys("Return", opens=TABLE)
        self.keys("alt+z", opens="menu")
        self.keys("Return", opens=LEGEND)  # the table legend opens
        self.keys("alt+F4", opens=TABLE)
        self.check_states({TABLE: "shown"}, "Alt+F4 on the table legend")
        self.keys("alt+F4", opens=START)
        self.check_states({START: "shown"}, "Alt+F4 on the table")
        self.open_entry("MAR", METALS)  # no frame, but the window manager closes it too
        self.keys("alt+F4", opens=START)
        self.check_states({START: "shown"}, "Alt+F4 on the metal series")
        self.focus_is(KEPT, "the start window anew")
        self.keys("alt+F4")
        self.check(self.handbook.wait_exit() == 0, "Alt+F4 on the start window ends the program")
        self.no_mouse_was_used()


class KeyboardOnlyTour(KeyboardCase):
    def test_every_window_by_keyboard_alone(self):
        self.start()
        # The periodic table: an element and a modification.
        TableFocus.to_carbon(self)
        # Graphite hides the melting field, so it is no stop of its own.
        self.keys(*["shift+Tab"] * 12)
        self.focus_is(PICKER, "the picker, twelve back from carbon")
        self.keys("Down")
        self.shows_text(TABLE, "3,515", "Down in the picker chooses diamond")
        self.shows_text(TABLE, "Dimants", "the picker shows diamond")
        # Its four pages.
        for keys, title in (("Return", LEGEND), ("Down Return", "D. Mendeļejevs"),
                            ("Down Down Return", "Par autoriem"), ("l", HELP)):
            self.keys("alt+z", into=TABLE, opens="menu")
            self.keys(*keys.split(), opens=title)  # the page from the Ziņas menu
            self.focus_is("Atpakaļ!", f"'{title}' opens on its back button")
            self.keys("Escape", opens=TABLE)
            self.focus_is(PICKER, f"the focus back on the picker after '{title}'")
        self.shows_text(TABLE, "3,515", "diamond still shown")
        self.keys("Escape", opens=START)
        self.check_states({START: "shown"}, "Escape leaves the table")
        # A metal.
        self.open_entry("MAR", METALS)
        self.keys("Right", "Return")
        self.shows_text(METALS, "+ 0,338 V", "copper chosen")
        self.keys("Escape", opens=START)
        # A non-metal.
        self.open_entry("NER", NONMETALS)
        self.keys("Left", "Return")
        self.shows_text(NONMETALS, "Hlora relatīvā elektronegativitāte (pēc L. Polinga) ir 3.16",
                        "chlorine chosen")
        self.keys("Escape", opens=START)
        # The acid series.
        self.open_entry("SAR", ACIDS)
        self.focus_is("Atpakaļ!", "the acid series opens on its back button")
        self.keys("Escape", opens=START)
        # A solubility cell, the legend, and back.
        self.open_entry("VSU", SOLUBILITY)
        self.keys("Down", "Down", "Down", "Down", "Right", "Right", "Right", "Right")
        self.focus_is(AG_BR, "the silver bromide cell")
        # The window's buttons follow the last cell in the tab order.
        self.keys(*["Down"] * 9, *["Right"] * 8, "Tab", "Tab")
        self.focus_is("Apzīmējumi", "the legend button, after the last cell and the back button")
        self.keys("space", opens=LEGEND)  # the solubility legend
        self.keys("Escape", opens=SOLUBILITY)
        self.keys("Escape", opens=START)
        # The about page.
        self.open_entry("PAR", ABOUT)
        self.keys("Escape", opens=START)
        self.focus_is(KEPT, "the start window at the end")
        self.check_states({START: "shown"}, "the tour ends on the start window")
        # Out by the exit button.
        self.keys("Tab", "Tab", "Tab", "Tab", "Tab")
        self.focus_is("Iziet!", "the exit button")
        self.keys("space")
        self.check(self.handbook.wait_exit() == 0, "the exit button ends the program")
        self.no_mouse_was_used()


if __name__ == "__main__":
    harness.main()
