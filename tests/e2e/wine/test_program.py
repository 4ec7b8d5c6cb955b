"""vielnis.exe under Wine, used as a person uses it on a Windows computer:
the start window, the periodic table with the picker and Ctrl+C, the metal
series, the solubility table's hover frames, a page and its close box,
Ctrl+Q, and the command line; and what Windows reads from the exe itself
(subsystem, imports, icon, version resource, manifest)."""

import os
import sys
import unittest

import wine
from wine import WineCase, clipboard, wait_for, window_titles

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import layout  # noqa: E402

EXE = os.path.join(wine.BUILD, "vielnis.exe")
START = layout.caption("Form1")
TABLE = layout.caption("Form2")
TABLE_HEIGHT = layout.client_height("Form2")
YELLOW, CYAN, RED, BLACK = (255, 255, 0), (0, 255, 255), (255, 0, 0), (0, 0, 0)


def colours_in(shot, rect):
    x, y, w, h = rect
    return {shot.getpixel((i, j)) for i in range(x, x + w) for j in range(y, y + h)}


class Program(WineCase):
    def start_handbook(self, *args, first=START):
        program, window = self.start(EXE, *args, first=first)
        # The first paint: the window is shown before Qt has drawn it.
        wait_for(lambda: len(colours_in(self.desktop.screenshot("first-paint"),
                                        window.client_rect())) > 50, 10)
        return program, window

    def rect_on_screen(self, window, twips, client_height):
        left, top, width, height = twips
        x, y = window.point(left, top, client_height)
        return x, y, width // 15, height // 15

    def open_table(self):
        program, start = self.start_handbook()
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["KEPT"][0]))
        table = self.window(TABLE)
        self.check(table, "KEPT opens the periodic table", window_titles(self.desktop))
        return program, table

    def element(self, table, symbol):
        column, period = layout.ELEMENTS[symbol]
        return table.centre_of(layout.element_button(column, period), TABLE_HEIGHT)

    def copied_after_ctrl_c(self, *words):
        self.desktop.key("ctrl+c")
        text = wait_for(lambda: (lambda t: t if all(w in t for w in words) else None)(
            clipboard(self.desktop)), 5)
        return text or clipboard(self.desktop)

    # ---- The start window -------------------------------------------------

    def test_the_start_window_framed_centred_and_its_hover_colours(self):
        _, start = self.start_handbook()
        x, y, w, h = start.client_rect()
        self.check((w, h) == (646, 280), "the start window's client is 646 × 280", (w, h))
        left, right, top, bottom = start.frame_extents()
        self.check(top > 0, "the start window has the window manager's frame and title bar",
                   start.frame_extents())
        fx, fy, fw, fh = start.frame_rect()
        centre = (fx + fw / 2, fy + fh / 2)
        self.check(abs(centre[0] - 640) <= 2 and abs(centre[1] - 512) <= 2,
                   "the framed window is centred on the 1280 × 1024 screen", centre)

        height = layout.client_height("Form1")
        button, label, _ = layout.START_ENTRIES["VSU"]
        label_rect = self.rect_on_screen(start, label, height)
        self.point_at(*start.centre_of(button, height))
        lit = wait_for(lambda: (lambda c: c if CYAN in c else None)(
            colours_in(self.desktop.screenshot("start-hover"), label_rect)), 5)
        self.check(lit, "pointing at VSU lights its caption cyan")
        self.desktop.move(*start.point(9000, 3600, height))
        plain = wait_for(lambda: (lambda c: c if CYAN not in c and YELLOW in c else None)(
            colours_in(self.desktop.screenshot("start-background"), label_rect)), 5)
        self.check(plain, "the bare background turns it yellow again")

    # ---- The periodic table -------------------------------------------------

    def test_iron_fills_the_panel_with_its_colours_and_ctrl_c_copies_it(self):
        program, table = self.open_table()
        self.desktop.click(*self.element(table, "Fe"))
        # Fe: "+2 +3! +6", oxides B A S.
        state = self.rect_on_screen(table, (7200 + 360, 6120, 375, 405), TABLE_HEIGHT)
        shot = wait_for(lambda: (lambda s: s if RED in colours_in(s, state) else None)(
            self.desktop.screenshot("iron")), 5) or self.desktop.screenshot("iron")
        self.check(RED in colours_in(shot, state), "iron's +3 is written in red")
        for n, colour in ((1, CYAN), (2, YELLOW), (3, RED)):
            left, top, width, height = layout.OXIDE_CELL(n)
            x, y = table.point(left + 30, top + 60, TABLE_HEIGHT)
            self.check(shot.getpixel((x, y)) == colour,
                       f"oxide cell {n} of iron has its letter's colour {colour}",
                       shot.getpixel((x, y)))
        text = self.copied_after_ctrl_c("Dzelzs", "Agregātstāvoklis")
        self.check("Dzelzs" in text and "Agregātstāvoklis: Cieta viela" in text
                   and "55,845(2)" in text,
                   "Ctrl+C puts iron's panel on the clipboard, Latvian letters intact", text)

    def test_two_clicks_choose_diamond_from_the_picker(self):
        program, table = self.open_table()
        self.desktop.click(*self.element(table, "C"))
        left, top, width, height = layout.PICKER
        drop_x, drop_y = table.point(left + width, top + height // 2, TABLE_HEIGHT)
        px, py = table.point(left, top + height, TABLE_HEIGHT)
        closed = self.desktop.screenshot("picker-closed")

        def list_bottom():
            # The open list is what changed below the picker.
            shot = self.desktop.screenshot("picker-open")
            rows = [y for y in range(py, min(py + 200, shot.height))
                    if any(shot.getpixel((x, y)) != closed.getpixel((x, y))
                           for x in range(px, px + width // 15, 7))]
            return rows[-1] if rows else None
        self.desktop.click(drop_x - 10, drop_y)
        bottom = wait_for(list_bottom, 5)
        self.check(bottom, "a click on the drop button opens the list of carbon's modifications")
        # Graphite, diamond, carbyne and fullerenes, one height each: the
        # second is diamond.
        entry = (bottom - py) / 4
        self.desktop.click(px + 40, int(py + 1.5 * entry))
        text = self.copied_after_ctrl_c("Dimants")
        self.check("Dimants" in text and "3,515" in text,
                   "a click on the entry chooses diamond: its name and density 3,515", text)

    # ---- Other windows ----------------------------------------------------

    def test_metal_series_solubility_frames_and_a_page_and_back(self):
        program, start = self.start_handbook()
        height = layout.client_height("Form1")
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["MAR"][0], height))
        series = self.window(layout.caption("Form3"))
        self.check(series, "MAR opens the metal series", window_titles(self.desktop))
        x, y, w, h = series.client_rect()
        self.check((w, h) == (721, 176) and series.frame_extents()[2] == 0,
                   "the metal series is 721 × 176 without a frame",
                   ((w, h), series.frame_extents()))
        silver = self.rect_on_screen(series, (9000, 1200, 375, 375), 2640)
        before = self.desktop.screenshot("series-before").crop(
            (silver[0], silver[1], silver[0] + silver[2], silver[1] + silver[3]))
        self.desktop.click(*series.centre_of((9000, 1200, 375, 375), 2640))
        changed = wait_for(lambda: self.desktop.screenshot("series-silver").crop(
            (silver[0], silver[1], silver[0] + silver[2], silver[1] + silver[3])).tobytes()
            != before.tobytes(), 5)
        self.check(changed, "a click on Ag marks the silver symbol")
        self.desktop.click(*series.centre_of(layout.back_button("Form3"), 2640))
        start = self.window(START)
        self.check(start, "the metal series' back button returns to the start window")

        self.desktop.click(*start.centre_of(layout.START_ENTRIES["VSU"][0], height))
        table = self.window(layout.caption("Form9"))
        self.check(table, "VSU opens the solubility table", window_titles(self.desktop))
        solubility_height = layout.client_height("Form9")
        images = {"Br": (3360, 960, 540, 405), "Ag1": (360, 2880, 540, 405),
                  "Ag2": (8880, 2880, 540, 405)}

        def top_edge(shot, rect):
            x, y, w, _ = self.rect_on_screen(table, rect, solubility_height)
            return [shot.getpixel((i, y)) for i in range(x + 1, x + w - 1)]
        self.point_at(*table.centre_of((3360, 2880, 585, 405), solubility_height))

        def framed():
            shot = self.desktop.screenshot("pointing-at-AgBr")
            return all(all(p == BLACK for p in top_edge(shot, r)) for r in images.values())
        self.check(wait_for(framed, 5),
                   "pointing at AgBr frames Br, Ag1 and Ag2 in black")
        x, y, w, h = table.client_rect()
        self.desktop.move(x + w - 5, y + h - 5)

        def cleared():
            shot = self.desktop.screenshot("background")
            return not any(all(p == BLACK for p in top_edge(shot, r)) for r in images.values())
        self.check(wait_for(cleared, 5), "the bare background clears the frames")
        self.desktop.click(*table.centre_of(layout.back_button("Form9"), solubility_height))
        self.check(self.window(START), "back to the start window")

    def test_a_page_back_and_its_close_box_and_ctrl_q(self):
        program, table = self.open_table()
        legend = layout.caption("Form6")
        for leave in ("back button", "close box"):
            self.desktop.click(*table.centre_of(layout.LEGEND_BUTTON, TABLE_HEIGHT))
            page = self.window(legend)
            self.check(page, "the legend button opens the legend", window_titles(self.desktop))
            if leave == "back button":
                self.desktop.click(*page.centre_of(layout.back_button("Form6"),
                                                   layout.client_height("Form6")))
            else:
                wine.run("wmctrl", "-i", "-c", hex(page.id), env=self.desktop.env)
            table = self.window(TABLE)
            self.check(table and program.alive(),
                       f"the legend's {leave} goes back to the table", window_titles(self.desktop))
        self.desktop.key("ctrl+q")
        status = program.wait_exit(10)
        self.check(status == 0, "Ctrl+Q ends the handbook with exit status 0", status)
        self.check(wait_for(lambda: not window_titles(self.desktop), 5),
                   "no window is left", window_titles(self.desktop))

    # ---- The command line -----------------------------------------------------

    def test_an_element_argument_opens_the_table_at_it(self):
        program, table = self.start_handbook("Fe", first=TABLE)
        self.check(START not in window_titles(self.desktop),
                   "only the table window is shown", window_titles(self.desktop))
        text = self.copied_after_ctrl_c("Dzelzs")
        self.check("Elementa nosaukums: Dzelzs" in text, "the table shows iron", text)

    def test_zoom_from_the_command_line_and_the_keys(self):
        # The table window's client with its menu bar: 776 × 518 at 100 %.
        program, table = self.start_handbook("--zoom", "150", "Fe", first=TABLE)

        def size_becomes(width, height):
            return wait_for(lambda: table.client_rect()[2:] == (width, height), 10)
        self.check(size_becomes(1164, 777), "--zoom 150 opens the table at 150 %",
                   table.client_rect())
        # On this 1280 × 1024 screen the table window stops at 150 %.
        for key, size, what in (("ctrl+plus", (1164, 777), "leaves the table window at 150 %, "
                                 "the largest step that fits"),
                                ("ctrl+0", (776, 518), "brings back the design's size")):
            self.desktop.key(key)
            self.check(size_becomes(*size), f"{key} {what}", table.client_rect())
            fx, fy, fw, fh = table.frame_rect()
            self.check(abs(fx + fw / 2 - 640) <= 2 and abs(fy + fh / 2 - 512) <= 2,
                       f"after {key} the window stays centred", table.frame_rect())
        text = self.copied_after_ctrl_c("Dzelzs")
        self.check("Elementa nosaukums: Dzelzs" in text, "iron is still shown", text)

    def test_help_and_a_wrong_argument_answer_in_a_message_box(self):
        for args, status, words in ((["--version"], 0, "Vielnis 1.2"),
                                    (["--help"], 0, "Parāda šo palīdzību"),
                                    (["Xx"], 2, "nav elementa")):
            program, box = self.start(EXE, *args, first="Vielnis")
            self.desktop.key("ctrl+c")
            text = wait_for(lambda: (lambda t: t if words in t else None)(
                clipboard(self.desktop)), 5) or clipboard(self.desktop)
            self.check(words in text, f"{' '.join(args)} answers in a message box with "
                       f"'{words}'", text)
            self.desktop.key("Return")
            self.check(program.wait_exit(10) == status,
                       f"closing the box ends with status {status}", program.process.poll())
            self.check(wait_for(lambda: not window_titles(self.desktop), 5),
                       "no window is left", window_titles(self.desktop))


class Exe(unittest.TestCase):
    """What Windows reads from vielnis.exe before it runs a line of it."""

    @classmethod
    def setUpClass(cls):
        if not wine.BUILD:
            raise unittest.SkipTest("VIELNIS_WINDOWS_BUILD names no Windows build folder")
        import pefile
        cls.pe = pefile.PE(EXE)

    def check(self, condition, what, seen=None):
        self.assertTrue(condition, f"expected: {what}\nseen: {seen}")

    def resources(self, kind):
        for entry in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id == kind:
                return entry
        return None

    def test_a_gui_program_that_needs_no_dll_of_its_own(self):
        import pefile
        self.check(self.pe.OPTIONAL_HEADER.Subsystem ==
                   pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
                   "the GUI subsystem: no console window", self.pe.OPTIONAL_HEADER.Subsystem)
        dlls = sorted(entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT)
        foreign = [d for d in dlls if d.startswith(("libgcc", "libstdc", "libwinpthread", "qt6"))]
        self.check(not foreign, "only Windows' own DLLs are imported", dlls)

    def test_its_icon_version_and_manifest(self):
        group = self.resources(14)  # RT_GROUP_ICON
        self.check(group, "an icon group")
        entry = group.directory.entries[0].directory.entries[0]
        data = self.pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size)
        count = int.from_bytes(data[4:6], "little")
        sizes = sorted(data[6 + 14 * i] or 256 for i in range(count))
        self.check(sizes == [16, 24, 32, 48, 64, 128, 256], "the icon in seven sizes", sizes)

        strings = {}
        for info in self.pe.FileInfo[0]:
            for table in getattr(info, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
        self.check(strings.get("ProductName") == "Vielnis"
                   and strings.get("ProductVersion") == "1.2"
                   and strings.get("FileVersion") == "1.2"
                   and strings.get("FileDescription") == "Ķīmijas rokasgrāmata skolēniem un "
                   "skolotājiem" and "GPL-3.0-or-later" in strings.get("LegalCopyright", ""),
                   "the version resource names the product, its version and licence in "
                   "Latvian", strings)

        manifest = self.resources(24)  # RT_MANIFEST
        entry = manifest.directory.entries[0].directory.entries[0]
        text = self.pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size).decode()
        for part in ("PerMonitorV2", "<activeCodePage", ">UTF-8<",
                     "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
            self.check(part in text, f"the manifest says {part}", text)


if __name__ == "__main__":
    wine.main()
