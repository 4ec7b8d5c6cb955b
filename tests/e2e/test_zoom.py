"""The zoom with real keys and the wheel: the window grows by the step about
its centre and keeps what it shows, Ctrl+0 brings the design's size back, a
step the screen has no room for is refused, windows opened while zoomed open
at the zoom, and the solubility table's hover frames stay on the right
headers at 200 %."""

import harness
import layout
from harness import HandbookCase, wait_for

TABLE = layout.caption("Form2")
PIXELS = harness.TWIPS_PER_PIXEL


def design_size(form):
    _, width, height, _, _ = layout.WINDOWS[form]
    return round(width / PIXELS), round(height / PIXELS)


def zoomed_point(window, form, left, top, zoom):
    """The screen point of (left, top) in twips of the client area of a
    window laid out at the zoom; the client area fills the bottom of the
    window, below any menu bar."""
    x, y, _, h = window.client_rect()
    client = round(round(layout.client_height(form) / PIXELS) * zoom)
    return x + round(left / PIXELS * zoom), y + (h - client) + round(top / PIXELS * zoom)


def zoomed_centre(window, form, rect, zoom):
    left, top, width, height = rect
    return zoomed_point(window, form, left + width // 2, top + height // 2, zoom)


def centre(rect):
    x, y, w, h = rect
    return x + w / 2, y + h / 2


def inside(rect, screen):
    x, y, w, h = rect
    return x >= 0 and y >= 0 and x + w <= screen[0] and y + h <= screen[1]


def fields_of(window):
    """{caption: what a screen reader reads} for the details panel."""
    return {item.name: item.value() for item in window.walk()
            if item.name and item.role == "text" and item.showing()}


class ZoomCase(HandbookCase):
    screen = (1920, 1080)

    def open_table(self, *args):
        start = self.start(*args)
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["KEPT"][0]))
        table = self.handbook.window(TABLE)
        self.check(table, "the table window opens", self.handbook.window_states())
        return table

    def wait_rect(self, window, what, timeout=5.0):
        """Waits until the window's client rectangle satisfies what()."""
        return wait_for(lambda: (lambda r: r if what(r) else None)(window.client_rect()),
                        timeout) or window.client_rect()

    def read_name(self, expected):
        window = self.handbook.accessible_window(TABLE)
        self.check(window, "the table window in the accessibility tree")
        return wait_for(lambda: fields_of(window).get("Elementa nosaukums") == expected, 3)


class TableZoom(ZoomCase):
    def test_keys_and_wheel_grow_the_table_about_its_centre(self):
        table = self.open_table()
        column, period = layout.ELEMENTS["Fe"]
        self.desktop.click(*table.centre_of(layout.element_button(column, period),
                                            layout.client_height("Form2")))
        self.check(self.read_name("Dzelzs"), "iron is shown")
        design = table.client_rect()
        design_frame = table.frame_rect()
        width, _ = design_size("Form2")
        self.check(design[2] == width, f"the table window is {width} pixels wide", design)

        for keys, zoom in (("ctrl+plus", 1.25), ("ctrl+equal", 1.5), ("ctrl+KP_Add", 1.75),
                           ("ctrl+minus", 1.5)):
            self.desktop.key(keys)
            want = round(width * zoom)
            seen = self.wait_rect(table, lambda r: r[2] == want)
            self.check(seen[2] == want, f"{keys} makes the table {want} pixels wide", seen)
            # The menu bar grows with its font, nearly as the rest.
            self.check(abs(seen[3] - design[3] * zoom) <= 3,
                       f"{keys} makes it {design[3] * zoom:.0f} pixels high", seen)
            frame = table.frame_rect()
            moved = [abs(a - b) for a, b in zip(centre(frame), centre(design_frame))]
            self.check(max(moved) <= 1, f"{keys} keeps the window's centre",
                       (frame, design_frame))
            self.check(inside(frame, self.screen), f"{keys} keeps the window on the screen",
                       frame)
            self.check(self.read_name("Dzelzs"), f"iron is still shown after {keys}",
                       fields_of(self.handbook.accessible_window(TABLE)))

        # Ctrl with the wheel: a notch up, a notch down.
        x, y = zoomed_point(table, "Form2", 9000, 6600, 1.5)
        self.desktop.move(x, y)
        for button, zoom in (("4", 1.75), ("5", 1.5)):
            self.desktop.xdotool("keydown", "ctrl", "click", button, "keyup", "ctrl")
            want = round(width * zoom)
            seen = self.wait_rect(table, lambda r: r[2] == want)
            self.check(seen[2] == want, f"Ctrl and wheel button {button} make the table "
                       f"{want} pixels wide", seen)

        self.desktop.key("ctrl+0")
        seen = self.wait_rect(table, lambda r: r[2:] == design[2:])
        self.check(seen[2:] == design[2:], "Ctrl+0 brings back the design's size",
                   (seen, design))
        # Each step keeps the centre to the pixel; halves may round either way.
        frame = table.frame_rect()
        moved = [abs(a - b) for a, b in zip(centre(frame), centre(design_frame))]
        self.check(frame[2:] == design_frame[2:] and max(moved) <= 1,
                   "and the window's place", (frame, design_frame))
        self.check(self.read_name("Dzelzs"), "iron is still shown after Ctrl+0")

    def test_a_page_opened_at_200_percent_opens_at_200_percent(self):
        start = self.start("--zoom", "200")
        width, height = design_size("Form1")
        rect = self.wait_rect(start, lambda r: r[2] == 2 * width)
        self.check(rect[2:] == (2 * width, 2 * height), "the start window opens at 200 %", rect)
        self.desktop.click(*zoomed_centre(start, "Form1", layout.START_ENTRIES["PAR"][0], 2))
        page = self.handbook.window(layout.caption("Form12"))
        self.check(page, "the page about the program opens", self.handbook.window_states())
        width, height = design_size("Form12")
        rect = self.wait_rect(page, lambda r: r[2:] == (2 * width, 2 * height))
        self.check(rect[2:] == (2 * width, 2 * height), "it opens at 200 %", rect)
        frame = page.frame_rect()
        screen_centre = (self.screen[0] / 2, self.screen[1] / 2)
        self.check(max(abs(a - b) for a, b in zip(centre(frame), screen_centre)) <= 2,
                   "centred on the screen", frame)

    def test_solubility_hover_frames_at_200_percent(self):
        start = self.start("--zoom", "200")
        self.wait_rect(start, lambda r: r[2] == 2 * design_size("Form1")[0])
        self.desktop.click(*zoomed_centre(start, "Form1", layout.START_ENTRIES["VSU"][0], 2))
        window = self.handbook.window(layout.caption("Form9"))
        self.check(window, "the solubility table opens")
        width, height = design_size("Form9")
        rect = self.wait_rect(window, lambda r: r[2:] == (2 * width, 2 * height))
        self.check(rect[2:] == (2 * width, 2 * height), "at 200 %", rect)
        app, cell, images = self.ag_br_and_its_headers()
        others = [i for i in [app.find(name="anjons Cl -")] + app.find_all(name="katjons Na +")
                  if i]
        self.check(len(others) == 3, "the header images of Cl and Na are named", others)

        def frame_lines(shot, image):
            # The frame is two pixels wide at 200 %: the top two rows.
            x, y, w, h = image.extents()
            return [[shot.getpixel((i, row)) for i in range(x + 2, x + w - 2)]
                    for row in (y, y + 1)]

        def framed(shot, image):
            return all(p == (0, 0, 0) for line in frame_lines(shot, image) for p in line)

        self.desktop.move(*cell.centre())
        shot = self.screen_until("pointing-at-AgBr-200",
                                 lambda s: all(framed(s, i) for i in images), 3)
        for image in images:
            self.check(framed(shot, image), f"pointing at AgBr frames '{image.name}' in black",
                       sorted({p for line in frame_lines(shot, image) for p in line})[:4])
        for image in others:
            self.check(not framed(shot, image), f"'{image.name}' stays unframed")


class SmallScreenZoom(ZoomCase):
    screen = (800, 600)

    def test_a_step_with_no_room_is_refused(self):
        table = self.open_table()
        before, before_frame = table.client_rect(), table.frame_rect()
        self.desktop.key("ctrl+plus")
        # Typing after it: once the element typed is shown, the key before
        # it has been handled too.
        self.desktop.type("na")
        self.check(self.read_name("Nātrijs"), "the keys after the refused step are handled")
        self.check(table.client_rect() == before and table.frame_rect() == before_frame,
                   "the table window stays as it was", (table.frame_rect(), before_frame))
        width, _ = design_size("Form2")
        self.check(before[2] == width, "at the design's size", before)


if __name__ == "__main__":
    harness.main()
