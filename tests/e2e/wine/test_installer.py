"""The installer as a school's administrator uses it, in a fresh Wine
prefix: a silent install into Program Files, the Start-menu shortcut that
starts the handbook, the "Apps & features" entry, a silent install into a
folder of one's own, and silent uninstalls that leave nothing behind."""

import glob
import os
import sys

import wine
from wine import WineCase, wait_for, window_titles

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import layout  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vielnis"
VERSION = "1.2"


def setup_exe():
    found = glob.glob(os.path.join(wine.BUILD, "packages", "vielnis-*-setup.exe"))
    return found[0] if found else ""


class Installer(WineCase):
    def install(self, *args):
        program, _ = self.start(setup_exe(), "/S", *args)
        status = program.wait_exit(120)
        self.check(status == 0, f"setup.exe /S {' '.join(args)} ends with status 0", status)

    def exit(self, start):
        self.desktop.click(*start.centre_of(layout.exit_button("Form1"),
                                            layout.client_height("Form1")))

    def uninstall(self, folder):
        uninstaller = os.path.join(folder, "uninstall.exe")
        self.check(os.path.exists(uninstaller), "the installer wrote an uninstaller",
                   os.listdir(folder))
        program, _ = self.start(uninstaller, "/S")
        program.wait_exit(60)
        # The uninstaller runs on from a copy of itself in the temporary
        # folder, so that it can remove its own file: wait for its work.
        gone = wait_for(lambda: not os.path.exists(folder), 60, 0.2)
        self.check(gone, "the uninstaller removes the program's folder",
                   os.listdir(folder) if os.path.exists(folder) else None)

    def test_silent_install_start_menu_entry_and_silent_uninstall(self):
        self.check(setup_exe(), "the build made vielnis-<version>-setup.exe")
        self.install()
        folder = self.prefix.drive_c("Program Files", "Vielnis")
        installed = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        self.check(installed == ["LICENSE-Lato.txt", "LICENSE-Liberation.txt", "LICENSE-Qt.txt",
                                 "LICENSE.txt", "uninstall.exe", "vielnis.exe"],
                   "the program, its licences and the uninstaller in Program Files\\Vielnis",
                   installed)
        menu = self.prefix.drive_c("ProgramData", "Microsoft", "Windows", "Start Menu",
                                   "Programs", "Vielnis.lnk")
        desktop = self.prefix.drive_c("users", "Public", "Desktop", "Vielnis.lnk")
        self.check(os.path.exists(menu), "a Start-menu entry", menu)
        self.check(os.path.exists(desktop), "a desktop shortcut (chosen by default)", desktop)

        for name, expected in (("DisplayName", "Vielnis"), ("DisplayVersion", VERSION),
                               ("Publisher", "Vielnis izstrādātāji")):
            value = self.prefix.registry_value(UNINSTALL_KEY, name)
            self.check(value == expected, f"Apps & features shows {name} {expected}", value)
        icon = self.prefix.registry_value(UNINSTALL_KEY, "DisplayIcon") or ""
        self.check(icon.lower().endswith("vielnis\\vielnis.exe,0"),
                   "Apps & features shows the program's icon", icon)
        size = self.prefix.registry_value(UNINSTALL_KEY, "EstimatedSize") or "0x0"
        self.check(int(size, 16) > 1000, "Apps & features shows the size in KB", size)

        # The Start-menu entry, opened as a click on it opens it.
        program, window = self.start(wine.WINE, "start", "/unix", menu, first="Vielnis 1.2")
        self.check(window, "the Start-menu entry starts the handbook", window_titles(self.desktop))
        self.exit(window)
        self.check(wait_for(lambda: not window_titles(self.desktop), 10),
                   "its exit button ends the handbook", window_titles(self.desktop))

        self.uninstall(folder)
        self.check(not os.path.exists(menu) and not os.path.exists(desktop),
                   "the uninstaller removes both shortcuts")
        self.check(self.prefix.registry_value(UNINSTALL_KEY, "DisplayName") is None,
                   "the uninstaller removes the Apps & features entry")

    def test_silent_install_into_a_folder_of_ones_own(self):
        self.check(setup_exe(), "the build made vielnis-<version>-setup.exe")
        self.install(r"/D=C:\Skola\Vielnis")
        folder = self.prefix.drive_c("Skola", "Vielnis")
        self.check(os.path.exists(os.path.join(folder, "vielnis.exe")),
                   "/D= puts the program into that folder",
                   os.listdir(self.prefix.drive_c()))
        self.check(not os.path.exists(self.prefix.drive_c("Program Files", "Vielnis")),
                   "and not into Program Files")
        program, window = self.start(os.path.join(folder, "vielnis.exe"), first="Vielnis 1.2")
        self.exit(window)
        self.check(program.wait_exit(10) == 0, "the installed handbook runs and ends")
        self.uninstall(folder)
        self.check(os.path.isdir(self.prefix.drive_c("Skola")),
                   "the uninstaller leaves the folder above its own alone")


if __name__ == "__main__":
    wine.main()
