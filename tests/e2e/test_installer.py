"""The installer as an administrator runs it, silently, and as a person
clicks through it: under Wine, in a fresh prefix of its own, with the
installer and the zip that the Windows build made. It installs what the zip
holds, with its shortcuts and its entry in the list of apps; an upgrade and
the uninstaller keep the person's layouts and stored layout name; nothing
changes while Tessik runs, and the person is asked to exit it; a folder
that cannot be written is refused. Each test leaves the prefix as it found
it."""

import os
import shutil
import struct
import unittest
import zipfile
from pathlib import Path, PureWindowsPath

from tessik_e2e import Session, config, make_prefix, wait_until, write_layout
from tessik_e2e.wine import DESKTOP_NAME
from tessik_program import (SETTINGS_KEY, SYSTEM_DEFAULT, WINDOW_CLASS, WINDOW_TITLE, Tessik,
                            child, read_window)

PREFIX = config.WORK / f"wineprefix-installer-{config.WINE_ARCH}"
BUILD = config.WINDOWS_BIN.parent
INSTALLER = BUILD / os.environ["TESSIK_E2E_INSTALLER"]
PACKAGE = BUILD / os.environ["TESSIK_E2E_PACKAGE"]

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessik"
SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
# On Windows the programs of a session share one desktop, where the installer
# finds a running Tessik; here those that name no desktop of their own share
# the one that start_in_desktop opens.
SHARED_DESKTOP = [(r"HKCU\Software\Wine\Explorer", "Desktop", DESKTOP_NAME),
                  (r"HKCU\Software\Wine\Explorer\Desktops", DESKTOP_NAME,
                   "{}x{}".format(*config.DESKTOP_SIZE))]
# A folder of the person's choosing, and one that nobody can write in, not
# even root: no file can be made in /proc.
CHOSEN_FOLDER = r"C:\Tessik"
UNWRITABLE_FOLDER = r"Z:\proc\Tessik"

# The installer's message boxes and its window, whose caption ends with the
# title of the page, a space.
SETUP_BOX = ("#32770", "Tessik Setup")
SETUP_WINDOW = ("#32770", "Tessik Setup ")
# The installer's and the uninstaller's exit status.
DONE, TESSIK_RUNNING, FOLDER_REFUSED = 0, 1, 2


def host_path(windows: str) -> Path:
    """Where a path on the prefix's drive C: is on the host."""
    path = PureWindowsPath(windows)
    assert path.drive.upper() == "C:", windows
    return PREFIX / "drive_c" / Path(*path.parts[1:])


def shortcut_target(link: Path) -> str:
    """The local path that a shell link file (.lnk) points at."""
    data = link.read_bytes()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = 0x4C
    if flags & 0x01:  # a list of shell items comes first
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if not flags & 0x02:  # the link information, with the local path
        return None
    path_offset = struct.unpack_from("<I", data, offset + 16)[0]
    start = offset + path_offset
    return data[start:data.index(b"\0", start)].decode("cp1252")


def files_in(folder: Path) -> dict:
    """Every file below the folder, by its path relative to it, with its bytes."""
    return {path.relative_to(folder).as_posix(): path.read_bytes()
            for path in sorted(folder.rglob("*")) if path.is_file()}


class InstallerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        for built in (INSTALLER, PACKAGE):
            if not built.is_file():
                raise AssertionError(f"{built} is missing: build it with "
                                     f"cmake --build {BUILD} --target installer")
        make_prefix(PREFIX, SHARED_DESKTOP)
        # Wine links the desktop to the host's home folder; the installer
        # removes a desktop shortcut that was not chosen, never there.
        for desktop in (PREFIX / "drive_c" / "users").glob("*/Desktop"):
            if desktop.is_symlink():
                desktop.unlink()
                desktop.mkdir()
        cls.package = cls.enterClassContext(zipfile.ZipFile(PACKAGE))
        cls.folders = None

    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1], PREFIX))
        if InstallerTest.folders is None:
            InstallerTest.folders = {name: self.session.wine.reg_query(SHELL_FOLDERS, name)
                                     for name in ("Local AppData", "Programs", "StartUp")}
        self.location = self.folders["Local AppData"] + r"\Programs\Tessik"
        self.folder = host_path(self.location)
        self.start_menu_link = host_path(self.folders["Programs"]) / "Tessik.lnk"
        self.startup_link = host_path(self.folders["StartUp"]) / "Tessik.lnk"
        self.addCleanup(self.remove_traces)

    def remove_traces(self):
        """Takes away whatever a test left, even one that failed half-way."""
        self.session.wine.stop_all()
        for folder in (self.folder, host_path(CHOSEN_FOLDER)):
            shutil.rmtree(folder, ignore_errors=True)
        for link in (self.start_menu_link, self.startup_link):
            link.unlink(missing_ok=True)
        self.session.wine.reg_delete(UNINSTALL_KEY)
        self.session.wine.reg_delete(SETTINGS_KEY)

    def install(self, *arguments: str) -> int:
        return self.session.wine.run(INSTALLER, "/S", *arguments)

    def uninstall(self) -> int:
        """Runs what the entry in the list of apps gives for a silent uninstall."""
        command = self.entry("QuietUninstallString")
        self.assertTrue(command and command.startswith('"'), command)
        program, _, arguments = command[1:].partition('" ')
        return self.session.wine.run(program, *arguments.split(" ", 1))

    def wait_for_removal(self, path: Path) -> None:
        # A copy of the uninstaller removes its file and the folder once it has ended.
        wait_until(lambda: not path.exists(), 30, what=f"{path} to be removed")

    def entry(self, value: str):
        return self.session.wine.reg_query(UNINSTALL_KEY, value)

    def start_tessik(self) -> Tessik:
        tessik = Tessik.installed(self.session, self.folder).start(wait=False)
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        return tessik

    def snapshot(self) -> tuple:
        """The installed files, the shortcuts and the entry in the list of apps."""
        links = {link.name: link.read_bytes() for link in (self.start_menu_link, self.startup_link)
                 if link.exists()}
        return files_in(self.folder), links, self.entry("UninstallString")

    def wait_for_setup(self, window: tuple, condition, what: str) -> dict:
        """The installer's window, or its message box, once window-reader.exe
        describes it as meeting the condition."""
        found = {}

        def holds():
            nonlocal found
            found = read_window(self.session, *window)
            return found["found"] and condition(found)

        wait_until(holds, 20, interval=0.2, what=what)
        return found

    def click(self, window: dict, button: str) -> None:
        left, top, width, height = child(window, text=button)["rect"]
        x, y = window["origin"]
        self.session.input.click(x + left + width // 2, y + top + height // 2)

    def assert_holds_the_package(self, folder: Path, *own: str) -> None:
        """The folder holds the zip's files, byte for byte, the uninstaller
        and the person's own files named, nothing else."""
        installed = files_in(folder)
        self.assertEqual(installed.pop("Uninstall.exe")[:2], b"MZ")
        for name in own:
            del installed[name]
        packed = {info.filename: self.package.read(info) for info in self.package.infolist()
                  if not info.is_dir()}
        self.assertEqual(sorted(installed), sorted(packed))
        for name, data in packed.items():
            self.assertEqual(installed[name], data,
                             f"{name} differs from the zip's: build the installer again")

    def test_installs_upgrades_and_uninstalls_keeping_the_persons_layouts(self):
        self.assertEqual(self.install(), DONE)
        self.assert_holds_the_package(self.folder)
        program = self.location + r"\tessik.exe"
        for link in (self.start_menu_link, self.startup_link):
            self.assertEqual(shortcut_target(link), program, link)
        uninstaller = self.location + r"\Uninstall.exe"
        expected = {
            "DisplayName": "Tessik", "DisplayVersion": config.VERSION,
            "Publisher": "The Tessik developers", "DisplayIcon": program,
            "InstallLocation": self.location, "UninstallString": f'"{uninstaller}"',
            "QuietUninstallString": f'"{uninstaller}" /S _?={self.location}',
            "NoModify": "0x1", "NoRepair": "0x1"}
        for value, data in expected.items():
            self.assertEqual(self.entry(value), data, value)
        packed_kib = sum(info.file_size for info in self.package.infolist()) / 1024
        self.assertAlmostEqual(int(self.entry("EstimatedSize"), 16), packed_kib,
                               delta=packed_kib / 20)
        self.start_tessik()
        self.session.wine.stop_all()

        # The person saves a layout, chooses it, switches off the start at
        # sign-in; the Default layout got damaged.
        mine = self.folder / "Layouts" / "Mine"
        write_layout(mine, {"k ": 0x0995})
        layout = mine.read_bytes()
        self.session.wine.reg_add(SETTINGS_KEY, "KeyLayout", "Mine")
        self.startup_link.unlink()
        (self.folder / "Layouts" / "Default").write_bytes(b"damaged")
        self.assertEqual(self.install(), DONE)
        self.assert_holds_the_package(self.folder, "Layouts/Mine")
        self.assertEqual(mine.read_bytes(), layout)
        self.assertEqual(self.session.wine.reg_query(SETTINGS_KEY, "KeyLayout"), "Mine")
        self.assertFalse(self.startup_link.exists(), "the upgrade keeps the choice")

        self.assertEqual(self.uninstall(), DONE)
        self.wait_for_removal(self.folder / "Uninstall.exe")
        self.assertEqual(sorted(path.relative_to(self.folder).as_posix()
                                for path in self.folder.rglob("*")), ["Layouts", "Layouts/Mine"])
        self.assertEqual(mine.read_bytes(), layout)
        self.assertFalse(self.start_menu_link.exists())
        self.assertIsNone(self.entry("DisplayName"))
        self.assertEqual(self.session.wine.reg_query(SETTINGS_KEY, "KeyLayout"), "Mine")

    def test_nothing_changes_while_tessik_runs(self):
        self.assertEqual(self.install(), DONE)
        # What an install would put back.
        (self.folder / "README.txt").write_bytes(b"changed")
        self.start_tessik()
        before = self.snapshot()
        self.assertEqual(self.install(), TESSIK_RUNNING)
        self.assertEqual(self.snapshot(), before)
        self.assertEqual(self.uninstall(), TESSIK_RUNNING)
        self.assertEqual(self.snapshot(), before)
        self.session.wine.stop_all()
        self.assertEqual(self.uninstall(), DONE)
        self.wait_for_removal(self.folder)

    def test_a_person_exits_tessik_when_asked_and_starts_it_from_the_last_page(self):
        self.assertEqual(self.install(), DONE)
        (self.folder / "README.txt").write_bytes(b"changed")
        self.start_tessik()
        setup = self.session.wine.start(INSTALLER)
        question = self.wait_for_setup(SETUP_BOX, lambda w: w["active"], "the question")
        self.assertIn("Tessik is running. Please exit it first", question["boxes"][0]["text"])
        self.assertEqual((self.folder / "README.txt").read_bytes(), b"changed")
        self.session.wine.run("taskkill", "/f", "/im", "tessik.exe")
        self.click(question, "&Retry")
        # The choices, the folder, the last page.
        for button in ("&Next >", "&Install", "&Finish"):
            page = self.wait_for_setup(
                SETUP_WINDOW, lambda w: w["active"] and any(
                    c["text"] == button and c["enabled"] for c in w["children"]), button)
            self.click(page, button)
        self.assertEqual(setup.wait(30), DONE)
        self.assert_holds_the_package(self.folder)
        # The last page starts Tessik.
        wait_until(lambda: read_window(self.session, WINDOW_CLASS, WINDOW_TITLE)["found"], 20,
                   what="Tessik's main window")

    def test_a_chosen_folder_without_the_start_at_sign_in(self):
        self.assertEqual(self.install("/NOSTARTUP", f"/D={CHOSEN_FOLDER}"), DONE)
        folder = host_path(CHOSEN_FOLDER)
        self.assert_holds_the_package(folder)
        self.assertFalse(self.folder.exists())
        self.assertEqual(shortcut_target(self.start_menu_link), CHOSEN_FOLDER + r"\tessik.exe")
        self.assertFalse(self.startup_link.exists())
        self.assertEqual(self.entry("InstallLocation"), CHOSEN_FOLDER)
        self.assertEqual(self.uninstall(), DONE)
        self.wait_for_removal(folder)

    def test_a_folder_that_cannot_be_written_is_refused(self):
        self.assertEqual(self.install(f"/D={UNWRITABLE_FOLDER}"), FOLDER_REFUSED)
        self.assertIsNone(self.entry("DisplayName"))
        self.assertFalse(self.start_menu_link.exists())
        self.assertFalse(self.startup_link.exists())
        self.assertFalse(self.folder.exists())


if __name__ == "__main__":
    unittest.main()
