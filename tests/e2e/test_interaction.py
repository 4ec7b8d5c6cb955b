"""What a user does inside the windows, with the real mouse and keyboard,
and what the screen and a screen reader give back: the details panel for
elements of each kind, the picker by keyboard, the oxide cells' colours,
the hover highlights of the start window and the solubility table, and the
keyboard paths through the start window and the periodic table."""

import harness
import layout
from harness import HandbookCase, wait_for

TABLE = layout.caption("Form2")
TABLE_HEIGHT = layout.client_height("Form2")
PICKER = "Vienkāršās vielas nosaukums"


class TableCase(HandbookCase):
    def open_table(self):
        start = self.start()
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["KEPT"][0]))
        return self.opened(TABLE, "the table window opens")

    def element(self, table, symbol):
        column, period = layout.ELEMENTS[symbol]
        return table.centre_of(layout.element_button(column, period), TABLE_HEIGHT)

    def read_fields(self, expected):
        self.check(self.handbook.accessible_window(TABLE),
                   "the table window in the accessibility tree")
        return self.read_panel(expected)


class DetailsPanel(TableCase):
    # symbol, what is typed or chosen after the click, fields by caption
    CASES = [
        ("H", None, {"Elementa nosaukums": "Ūdeņradis", "Agregātstāvoklis": "Gāze",
                     "Atommasa": "1,00794(7)", "Viršanas t°C": "-252,87",
                     "Vienkāršās vielas nosaukums": "Ūdeņradis", "Formula: indekss": "2",
                     "Oksidēšanās pakāpe 2": "+1", "Oksīda un oksīda hidrāta raksturs 2": "A"}),
        ("Ne", None, {"Elementa nosaukums": "Neons", "Agregātstāvoklis": "Gāze",
                      "Kārtas skaitlis": "10"}),
        ("Fe", None, {"Elementa nosaukums": "Dzelzs", "Vienkāršās vielas nosaukums": "Dzelzs"}),
        ("C", None, {"Vienkāršās vielas nosaukums": "Grafīts", "Sublimācijas t°C": "3825",
                      "Krāsa": "Tumšpelēka"}),
        ("C", "Dimants", {"Vienkāršās vielas nosaukums": "Dimants", "Blīvums (293K) g/cm³": "3,515",
                          "Krāsa": "Bezkrāsains", "Viršanas t°C": "", "Kušanas t°C": ""}),
        ("P", "Sarkanais fosfors", {"Vienkāršās vielas nosaukums": "Sarkanais fosfors",
                                    "Sublimācijas t°C": "423", "Krāsa": "Tumši sarkana"}),
    ]

    def test_elements_of_each_kind_read_by_a_screen_reader(self):
        table = self.open_table()
        for symbol, modification, expected in self.CASES:
            with self.subTest(element=symbol, modification=modification):
                table = self.table_at_rest(table)
                self.desktop.click(*self.element(table, symbol))
                if modification:
                    self.choose_by_keyboard(table, modification)
                fields = self.read_fields(expected)
                for caption, text in expected.items():
                    self.check(fields.get(caption) == text,
                               f"{symbol}{' ' + modification if modification else ''}: "
                               f"'{caption}' reads '{text}'", fields)
                if "Sublimācijas t°C" in expected:
                    self.check("Kušanas t°C" not in fields,
                               f"{expected['Vienkāršās vielas nosaukums']} hides the melting row",
                               fields)

    def table_at_rest(self, table):
        """The table window with the keyboard and no list or menu open, as
        each row begins: a row that failed halfway may have left a list
        open or the window gone, and the next row starts afresh then."""
        self.close_popups()
        holder = self.handbook.keyboard_window()
        if holder and holder.title() == TABLE:
            return table
        return self.open_table()

    def choose_by_keyboard(self, table, entry):
        """Into the picker's text, Alt+Down opens the list, Down walks it,
        Return chooses: the keyboard way through the picker."""
        left, top, width, height = layout.PICKER
        self.desktop.click(*table.point(left + 30, top + height // 2, TABLE_HEIGHT))
        self.ready(TABLE, control=PICKER)
        heard = self.keys("alt+Down", opens="list")
        walked = [heard]
        for _ in range(6):
            if heard == entry:
                break
            heard = self.focus.after(lambda: self.keys("Down"), "list item")
            walked.append(heard)
        self.check(heard == entry, f"walking the open list reaches {entry}", walked)
        self.keys("Return")
        self.check(wait_for(lambda: not self.desktop.popups(), 5),
                   "Return closes the list", self.desktop.popups())

    def test_the_oxide_cell_of_hydrogen_is_yellow(self):
        table = self.open_table()
        self.desktop.click(*self.element(table, "H"))
        left, top, width, height = layout.OXIDE_CELL(2)
        x, y = table.point(left + 30, top + 60, TABLE_HEIGHT)
        shot = self.screen_until("hydrogen", lambda shot: shot.getpixel((x, y)) == (255, 255, 0))
        self.check(shot.getpixel((x, y)) == (255, 255, 0),
                   "oxide cell 2 is yellow beside its letter A", shot.getpixel((x, y)))


class Hover(HandbookCase):
    def colours_in(self, shot, rect):
        x, y, w, h = rect
        return {shot.getpixel((i, j)) for i in range(x, x + w) for j in range(y, y + h)}

    def test_pointing_at_a_start_entry_lights_its_caption(self):
        start = self.start()
        height = layout.client_height("Form1")
        button, label, _ = layout.START_ENTRIES["VSU"]
        x, y = start.point(label[0], label[1], height)
        label_rect = (x, y, label[2] // 15, label[3] // 15)
        self.desktop.move(*start.centre_of(button, height))
        lit = self.colours_in(self.screen_until(
            "start-hover", lambda shot: (0, 255, 255) in self.colours_in(shot, label_rect)),
            label_rect)
        self.check((0, 255, 255) in lit, "pointing at VSU lights its caption cyan",
                   sorted(lit)[:8])
        # The bare background, right of the entries.
        self.desktop.move(*start.point(9000, 3600, height))

        def plain_again(shot):
            colours = self.colours_in(shot, label_rect)
            return (0, 255, 255) not in colours and (255, 255, 0) in colours
        plain = self.colours_in(self.screen_until("start-background", plain_again), label_rect)
        self.check((0, 255, 255) not in plain and (255, 255, 0) in plain,
                   "the bare background turns it yellow again", sorted(plain)[:8])

    def frame_line(self, shot, image):
        x, y, w, h = image.extents()
        return [shot.getpixel((i, y)) for i in range(x + 1, x + w - 1)]

    def test_pointing_at_a_solubility_cell_frames_its_ions(self):
        start = self.start()
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["VSU"][0]))
        window = self.opened(layout.caption("Form9"), "the solubility table opens")
        self.painted(window)
        _, cell, images = self.ag_br_and_its_headers()
        shot = self.desktop.screenshot("before")
        before = [self.frame_line(shot, i) for i in images]
        self.desktop.move(*cell.centre())

        def framed(shot):
            return all(all(p == (0, 0, 0) for p in self.frame_line(shot, image))
                       for image in images)
        shot = self.screen_until("pointing-at-AgBr", framed)
        for image, was in zip(images, before):
            line = self.frame_line(shot, image)
            self.check(all(p == (0, 0, 0) for p in line) and line != was,
                       f"pointing at AgBr frames '{image.name}' in black",
                       f"top edge {sorted(set(line))[:4]} (before {sorted(set(was))[:4]})")
        x, y, w, h = window.client_rect()
        self.desktop.move(x + w - 5, y + h - 5)  # the bare background
        shot = self.screen_until("background", lambda shot: all(
            self.frame_line(shot, image) == was for image, was in zip(images, before)))
        for image, was in zip(images, before):
            self.check(self.frame_line(shot, image) == was,
                       f"the bare background clears the frame of '{image.name}'")


class Keyboard(TableCase):
    def test_tab_and_return_on_the_start_window(self):
        start = layout.caption("Form1")
        self.start()
        self.ready(start, control="ĶĪMISKO ELEMENTU PERIODISKĀ TABULA")
        heard = [self.focus.after(lambda: self.keys("Tab"), "push button") for _ in range(2)]
        self.check(heard == ["VIELU ŠĶĪDĪBA ŪDENĪ", "METĀLU ELEKTROĶĪMISKĀ SPRIEGUMU RINDA"],
                   "Tab walks from KEPT through the entries in the window's order", heard)
        heard = self.focus.after(lambda: self.keys("shift+Tab"), "push button")
        self.check(heard == "VIELU ŠĶĪDĪBA ŪDENĪ", "Shift+Tab walks back", heard)
        self.keys("Return", opens=layout.caption("Form9"))

    def test_arrows_and_space_in_the_periodic_table(self):
        table = self.open_table()
        self.desktop.click(*self.element(table, "Fe"))
        self.ready(TABLE, control="Dzelzs, Fe, kārtas skaitlis 26")
        steps = [("Right", "Kobalts, Co, kārtas skaitlis 27"),
                 ("Down", "Rodijs, Rh, kārtas skaitlis 45"),
                 ("Left", "Rutēnijs, Ru, kārtas skaitlis 44"),
                 ("Up", "Dzelzs, Fe, kārtas skaitlis 26")]
        for key, expected in steps:
            heard = self.focus.after(lambda: self.keys(key), "push button")
            self.check(heard == expected, f"{key} moves the focus to {expected}", heard)
        self.keys("Right", "space")
        fields = self.read_fields({"Elementa nosaukums": "Kobalts"})
        self.check(fields.get("Elementa nosaukums") == "Kobalts",
                   "Space on the focused button shows its element", fields)


if __name__ == "__main__":
    harness.main()
