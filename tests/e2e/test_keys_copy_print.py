"""Keys beyond the design's menus, pressed on the real desktop: typing finds
an element, Ctrl+C puts it on the clipboard, Ctrl+P opens Qt's print dialog
and prints the table to a PDF file; and the command line that opens the
table at an element."""

import os
import shutil
import subprocess
import tempfile
import time

import harness
import layout
from harness import HandbookCase, run, wait_for

TABLE = layout.caption("Form2")
SOLUBILITY = layout.caption("Form9")
PRINT_DIALOG = "Drukāt"
# The table forgets what was typed a second after the last key; a little
# more, so that the next key starts a new search.
TYPING_FORGOTTEN_AFTER = 1.2


class KeysCase(HandbookCase):
    def open_from_start(self, entry, caption):
        start = self.start(env=getattr(self, "env", None))
        self.desktop.click(*start.centre_of(layout.START_ENTRIES[entry][0]))
        return self.opened(caption, f"the window '{caption}' opens from {entry}")

    def shown_element(self):
        """The element name the panel shows, as a screen reader reads it."""
        return self.handbook.details_fields().get("Elementa nosaukums")


class TypeToFind(KeysCase):
    def test_typed_symbols_and_numbers_select_the_element_and_its_button(self):
        self.open_from_start("KEPT", TABLE)
        self.check(self.handbook.accessible_window(TABLE), "the table window is read out")
        log = self.focus
        log.clear()
        # Typed as a person types: the keys of one word close together, in
        # the window that has the keyboard.
        self.ready(TABLE)
        self.desktop.type("cl")
        self.check(wait_for(lambda: log.last("push button") == "Hlors, Cl, kārtas skaitlis 17",
                            5),
                   "typing 'cl' moves the focus to chlorine's button, and the reader says so",
                   log.heard)
        self.check(self.shows_element("Hlors"), "the panel shows chlorine", self.shown_element())
        time.sleep(TYPING_FORGOTTEN_AFTER)  # a pause the table's typing defines
        log.clear()
        self.ready(TABLE)
        self.desktop.type("26")
        self.check(wait_for(lambda: log.last("push button") == "Dzelzs, Fe, kārtas skaitlis 26",
                            5),
                   "after a pause, '26' selects iron", log.heard)
        self.check(self.shows_element("Dzelzs"), "the panel shows iron", self.shown_element())
        # Arrow keys still move through the table.
        log.clear()
        self.keys("Right")
        self.check(wait_for(lambda: log.last("push button") == "Kobalts, Co, kārtas skaitlis 27",
                            5), "Right moves on to cobalt", log.heard)


class Copy(KeysCase):
    def clipboard(self):
        return run("xclip", "-o", "-selection", "clipboard", check=False, env=self.desktop.env)

    def test_ctrl_c_puts_the_shown_element_on_the_clipboard(self):
        table = self.open_from_start("KEPT", TABLE)
        column, period = layout.ELEMENTS["H"]
        self.desktop.click(*table.centre_of(layout.element_button(column, period),
                                            layout.client_height("Form2")))
        self.check(self.shows_element("Ūdeņradis"), "a click on H shows hydrogen",
                   self.shown_element())
        self.keys("ctrl+c")
        copied = wait_for(lambda: "Ūdeņradis" in self.clipboard() and self.clipboard(), 5)
        self.check(copied and copied.startswith("Elementa nosaukums: Ūdeņradis\n"),
                   "the clipboard holds hydrogen's panel, one 'caption: value' line each",
                   self.clipboard())
        for line in ("Kārtas skaitlis: 1", "Oksīda un oksīda hidrāta raksturs: +1 A",
                     "un formula: H₂", "Blīvums (293K) g/cm³: 0,00008988"):
            self.check(line in copied.splitlines(), f"the copy has the line '{line}'", copied)


class Print(KeysCase):
    def setUp(self):
        super().setUp()
        # The print dialog offers to print into the home folder.
        self.home = tempfile.mkdtemp(prefix="vielnis-home-")
        self.env = {"HOME": self.home}

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.home, ignore_errors=True)

    def print_dialog(self):
        """Ctrl+P, and the print dialog once it has the keyboard."""
        return self.keys("ctrl+p", opens=PRINT_DIALOG)

    def printed(self, name):
        """The text of the printed PDF file, once it is written to its end
        (until then it does not read)."""
        path = os.path.join(self.home, name + ".pdf")

        def text():
            if not os.path.exists(path) or not os.path.getsize(path):
                return None
            result = subprocess.run(["pdftotext", "-raw", path, "-"], capture_output=True,
                                    text=True, timeout=10)
            return result.stdout if result.returncode == 0 else None
        return wait_for(text, 15, 0.1)

    def test_ctrl_p_prints_the_periodic_table_to_a_pdf_file(self):
        self.open_from_start("KEPT", TABLE)
        self.print_dialog()
        self.keys("Return")  # "Drukāt", to the PDF file the dialog offers
        text = self.printed(TABLE)
        self.check(text is not None, f"a PDF file named after the window in {self.home}",
                   os.listdir(self.home))
        self.check(text.count("\f") == 1, "one page", text.count("\f"))
        words = text.split()
        for symbol in ("H", "He", "Fe", "La", "Lu", "Lr", "Uuh"):
            self.check(symbol in words, f"the printed table shows {symbol}", words)
        self.check(self.handbook.window(TABLE), "the table window is back after printing",
                   self.handbook.window_states())

    def test_ctrl_p_on_the_solubility_table_prints_it_with_its_legend(self):
        self.open_from_start("VSU", SOLUBILITY)
        self.print_dialog()
        self.keys("Return")
        text = self.printed(SOLUBILITY)
        self.check(text is not None, f"a PDF file named after the window in {self.home}",
                   os.listdir(self.home))
        self.check(text.count("\f") == 1, "one page", text.count("\f"))
        flat = " ".join(text.split())
        for meaning in ("šķīstoša viela (> 1 g / 100 g ūdens)", "viela nav iegūta"):
            self.check(meaning in flat, f"the legend says '{meaning}'", flat)

    def test_escape_closes_the_print_dialog_without_printing(self):
        self.open_from_start("KEPT", TABLE)
        self.print_dialog()
        self.keys("Escape")
        self.check(wait_for(lambda: PRINT_DIALOG not in self.handbook.window_states(), 5),
                   "Escape closes the print dialog", self.handbook.window_states())
        self.check(self.handbook.window(TABLE), "the table window stays",
                   self.handbook.window_states())
        self.check(not [name for name in os.listdir(self.home) if name.endswith(".pdf")],
                   "nothing printed", os.listdir(self.home))


class CommandLine(KeysCase):
    def test_an_element_on_the_command_line_opens_the_table_at_it(self):
        self.start("fe", first=TABLE)
        self.check_states({TABLE: "shown"}, "only the table window, the start window gone")
        self.check(self.shows_element("Dzelzs"), "the panel shows iron", self.shown_element())


if __name__ == "__main__":
    harness.main()
