"""Every navigating control of the handbook, clicked or keyed as a user
does, and which windows the window manager shows, hides or minimises
afterwards, and which are gone."""

import harness
import layout
from harness import HandbookCase, wait_for

C = {form: layout.caption(form) for form in layout.WINDOWS}
LEGENDS = C["Form6"]  # Form6 and Form10 share the caption "Apzīmējumi"


class Navigation(HandbookCase):
    def at(self, form, rect):
        """The screen point at the centre of rect (twips) of the shown form,
        once the form has the keyboard (and takes a click as a person's)."""
        window = self.opened(C[form], f"{form} is shown")
        # Where the handbook puts it, at the centre of the screen: a window
        # shown again may stand elsewhere for a moment first.
        wait_for(lambda: self.centred(window), 5)
        return window.centre_of(rect, layout.client_height(form))

    def centred(self, window):
        x, y, w, h = window.frame_rect()
        return abs(x + w / 2 - self.desktop.width / 2) <= 1 and \
            abs(y + h / 2 - self.desktop.height / 2) <= 1

    def click(self, form, rect):
        self.desktop.click(*self.at(form, rect))

    def menu(self, title, item_steps):
        """Opens a menu of the table window by its access key and chooses
        the entry item_steps down from the first."""
        self.keys(f"alt+{title}", into=C["Form2"], opens="menu")
        self.keys(*["Down"] * item_steps, "Return")

    def expect(self, states, what):
        self.check_states({C[f] if not f.startswith("=") else f[1:]: s
                           for f, s in states.items()}, what)

    def minimise_and_restore(self, form):
        window = self.handbook.window(C[form])
        self.click(form, layout.minimise_button(form))
        self.check(wait_for(lambda: window.state() == "minimised", 5),
                   f"'-' minimises {form}", window.wm_state())
        self.check(len([w for w in self.handbook.x_windows() if w.state() == "shown"]) == 0,
                   "and nothing else comes up", self.handbook.window_states())
        self.desktop.xdotool("windowactivate", str(window.id))
        self.check(wait_for(lambda: window.state() == "shown", 5),
                   f"the window manager restores {form}", window.wm_state())
        # With the keyboard again: the handbook has taken in that it is
        # shown (a click before that can go nowhere).
        self.ready(C[form])

    def test_the_table_window_and_its_pages(self):
        self.start()
        self.click("Form1", layout.START_ENTRIES["KEPT"][0])
        self.expect({"Form2": "shown"}, "KEPT opens the table and the start window goes")
        self.minimise_and_restore("Form2")

        self.click("Form2", layout.LEGEND_BUTTON)
        self.expect({"Form6": "shown", "Form2": "hidden"}, "the tick opens the legend")
        self.minimise_and_restore("Form6")
        self.click("Form6", layout.back_button("Form6"))
        self.expect({"Form2": "shown"}, "the legend's back button returns to the table")

        for steps, page in ((0, "Form6"), (1, "Form7"), (2, "Form4")):
            self.menu("z", steps)
            self.expect({page: "shown", "Form2": "hidden"}, f"Ziņas opens {page}")
            if page != "Form6":
                self.minimise_and_restore(page)
            self.click(page, layout.back_button(page))
            self.expect({"Form2": "shown"}, f"{page}'s back button returns to the table")

        self.keys("alt+z", into=C["Form2"], opens="menu")
        self.keys("l")  # Pa&līgs by its access key
        self.expect({"Form11": "shown", "Form2": "hidden"}, "Alt+Z, L opens the help")
        self.minimise_and_restore("Form11")
        self.click("Form11", layout.back_button("Form11"))
        self.expect({"Form2": "shown"}, "the help's back button returns to the table")

        # Komanda → Atpakaļ! with the mouse: the menu's title, then its first entry.
        table = self.handbook.window(C["Form2"])
        app = self.handbook.accessible()
        title = app.find(name="Komanda", role="menu item") or app.find(name="Komanda", role="menu")
        self.check(title, "the menu bar offers Komanda to a screen reader")
        x, y, w, h = title.extents()
        self.desktop.click(x + w // 2, y + h // 2)
        self.check(wait_for(self.desktop.popups, 5), "a click on Komanda opens its menu")
        self.desktop.click(x + 20, y + h + 12)
        self.expect({"Form1": "shown", "Form2": "hidden"},
                    "Komanda → Atpakaļ! shows the start window and keeps the table hidden")
        del table

        self.click("Form1", layout.START_ENTRIES["KEPT"][0])
        self.expect({"Form2": "shown"}, "KEPT shows the kept table again")
        self.menu("k", 1)  # Minimizēt!
        self.expect({"Form2": "minimised"}, "Komanda → Minimizēt! minimises the table")
        self.desktop.xdotool("windowactivate", str(self.handbook.window(C["Form2"], shown=False).id))
        self.expect({"Form2": "shown"}, "the window manager restores it")

        self.click("Form2", layout.back_button("Form2"))
        self.expect({"Form1": "shown"}, "the table's back button leaves it for good")

    def test_the_sections_from_the_start_window(self):
        self.start()
        self.minimise_and_restore("Form1")
        for entry, section in (("VSU", "Form9"), ("MAR", "Form3"), ("NER", "Form5"),
                               ("SAR", "Form8"), ("PAR", "Form12")):
            self.click("Form1", layout.START_ENTRIES[entry][0])
            self.expect({section: "shown"}, f"{entry} opens {section}, the start window goes")
            self.minimise_and_restore(section)
            if section == "Form9":
                self.click("Form9", layout.LEGEND_BUTTON)
                self.expect({"Form10": "shown"}, "the solubility legend replaces the table")
                self.minimise_and_restore("Form10")
                self.click("Form10", layout.back_button("Form10"))
                self.expect({"Form9": "shown"}, "the legend's back button brings the table anew")
            self.click(section, layout.back_button(section))
            self.expect({"Form1": "shown"}, f"{section}'s back button returns to the start")


class Ending(HandbookCase):
    """Every "x" ends the handbook at once, leaving no window behind, as do
    Izi&et! and Ctrl+Q."""

    ROUTES = {  # how to reach each window from the start window
        "Form1": [], "Form2": ["KEPT"], "Form3": ["MAR"], "Form5": ["NER"], "Form8": ["SAR"],
        "Form9": ["VSU"], "Form12": ["PAR"], "Form10": ["VSU", "legend"],
        "Form6": ["KEPT", "legend"], "Form4": ["KEPT", "z2"], "Form7": ["KEPT", "z1"],
        "Form11": ["KEPT", "z3"],
    }

    def reach(self, form):
        here = "Form1"
        for step in self.ROUTES[form]:
            window = self.opened(C[here], f"{here} is shown on the way to {form}")
            if step == "legend":
                self.desktop.click(*window.centre_of(layout.LEGEND_BUTTON,
                                                     layout.client_height(here)))
            elif step.startswith("z"):
                self.keys("alt+z", opens="menu")
                self.keys(*["Down"] * int(step[1:]), "Return")
            else:
                self.desktop.click(*window.centre_of(layout.START_ENTRIES[step][0],
                                                     layout.client_height(here)))
            here = {"KEPT": "Form2", "MAR": "Form3", "NER": "Form5", "SAR": "Form8",
                    "VSU": "Form9", "PAR": "Form12"}.get(step, form)
        return self.opened(C[form], f"{form} is reached")

    def assert_ended(self, what):
        status = self.handbook.wait_exit(5)
        self.check(status == 0, f"{what} ends the handbook with status 0",
                   f"status {status}, windows {self.handbook.window_states()}")
        self.check(not self.handbook.x_windows(), "no window is left behind")

    def test_every_exit_button(self):
        for form in self.ROUTES:
            with self.subTest(form=form):
                self.start()
                window = self.reach(form)
                self.desktop.click(*window.centre_of(layout.exit_button(form),
                                                     layout.client_height(form)))
                self.assert_ended(f"'x' on {form}")
                self.handbook.stop()

    def test_the_menu_and_its_shortcut(self):
        for keys in (("alt+k", "e"), ("ctrl+q",)):
            with self.subTest(keys=keys):
                self.start()
                self.reach("Form2")
                if len(keys) > 1:
                    self.keys(keys[0], opens="menu")
                self.keys(keys[-1])
                self.assert_ended(" ".join(keys))
                self.handbook.stop()

    def test_a_hidden_table_goes_with_the_end(self):
        self.start()
        self.reach("Form2")
        self.keys("alt+k", opens="menu")
        start = self.keys("Return", opens=C["Form1"])  # Atpakaļ!: the table stays hidden
        self.desktop.click(*start.centre_of(layout.START_ENTRIES["MAR"][0],
                                            layout.client_height("Form1")))
        series = self.opened(C["Form3"], "the metal series opens")
        self.check_states({C["Form3"]: "shown", C["Form2"]: "hidden"},
                          "the metal series is shown, the table hidden")
        self.desktop.click(*series.centre_of(layout.exit_button("Form3"),
                                             layout.client_height("Form3")))
        self.assert_ended("'x' on the metal series")


if __name__ == "__main__":
    harness.main()
