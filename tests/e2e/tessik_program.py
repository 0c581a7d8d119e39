"""tessik.exe in an end-to-end test: a private copy with a Layouts folder of
the test's own, its stored layout name, its tray icon as the screen shows
it, and its main window as window-reader.exe describes it."""

import json
import os
import re
import shutil
import subprocess
import unittest
from pathlib import Path

from tessik_e2e import Session, config, wait_until, windows_path, windows_program, write_layout

SETTINGS_KEY = r"HKCU\SOFTWARE\Tessik\Settings"
WINDOW_CLASS = "TessikMainWindow"
WINDOW_TITLE = "Tessik"

# The tray icons in the notification area, told apart by their colour: the
# native-mode icon is green, the system-default icon grey.
NATIVE = "native"
SYSTEM_DEFAULT = "system default"
# A menu's separator, among its entries.
SEPARATOR = "-"

_HOST_BIN = Path(os.environ.get("TESSIK_E2E_HOST_BIN",
                                Path(__file__).resolve().parents[2] / "build/host/bin"))


def _cli(*arguments: str) -> str:
    result = subprocess.run([str(_HOST_BIN / "tessik-cli"), *arguments], capture_output=True,
                            check=True, timeout=30)
    return result.stdout.decode("utf-8")


def predicted_text(layout_file: Path, text: str) -> str:
    """What `tessik-cli type` says typing `text` with the layout gives."""
    return _cli("type", "--layout", str(layout_file), text).removesuffix("\n")


def layout_text(layout_file: Path) -> str:
    """The layout's text form, as `tessik-cli layout export` writes it."""
    return _cli("layout", "export", str(layout_file))


def layout_rows(layout_file: Path) -> list:
    """The (key label, code) of each row of the letter table, in the table's
    order, as `tessik-cli layout export` reads them from the file."""
    rows = re.findall(r'^"([^"]*)"\s+(\S+)', layout_text(layout_file), re.MULTILINE)
    return [(label, code) for label, code in rows]


def read_window(session, class_name: str, title: str) -> dict:
    """The top-level window of the class and title as window-reader.exe
    describes it ({"found": false} when there is none); see Tessik.window()."""
    output = session.folder / "window.json"
    output.unlink(missing_ok=True)
    session.wine.start_in_desktop(windows_program("window-reader.exe"), windows_path(output),
                                  class_name, title)
    try:
        wait_until(output.exists, 20, what="window-reader.exe")
    except TimeoutError as error:
        # Not a state of the window that a caller may wait out: the reader
        # itself did not run (its log says why).
        raise RuntimeError("window-reader.exe wrote no description") from error
    return json.loads(output.read_text())


class Tessik:
    """The program, copied with its Layouts folder into the test's folder so
    that each test decides which layouts exist."""

    PROGRAM = "tessik.exe"

    def __init__(self, session, stored_layout: str = "Default", with_default: bool = True):
        self._attach(session, session.folder / "tessik")
        self.layouts.mkdir(parents=True)
        shutil.copy2(windows_program(self.PROGRAM), self.folder)
        if with_default:
            shutil.copy2(config.WINDOWS_BIN / "Layouts" / "Default", self.layouts)
        # The prefix is shared by the tests of a run: each starts from a
        # stored name of its own.
        session.wine.reg_add(SETTINGS_KEY, "KeyLayout", stored_layout)

    @classmethod
    def installed(cls, session, folder: Path) -> "Tessik":
        """The program where an installer put it, with the layouts and the
        stored layout name that it finds."""
        tessik = cls.__new__(cls)
        tessik._attach(session, folder)
        return tessik

    def _attach(self, session, folder: Path) -> None:
        self._session = session
        self.folder = folder
        self.layouts = folder / "Layouts"
        self._tray_click_offset = 3

    def add_layout(self, name: str, assignments: dict) -> Path:
        path = self.layouts / name
        write_layout(path, assignments)
        return path

    def start(self, wait: bool = True) -> "Tessik":
        self._session.wine.start_in_desktop(self.folder / self.PROGRAM)
        if wait:
            self.wait_for_tray_icon(SYSTEM_DEFAULT)
        return self

    # The notification area.

    def tray_icon(self):
        """NATIVE, SYSTEM_DEFAULT, or None when there is no icon."""
        x, y = config.TRAY_ICON
        shot = self._session.screenshot("tray.png")
        stats = subprocess.run(
            ["convert", str(shot), "-crop", f"16x16+{x - 8}+{y - 8}", "+repage", "-format",
             "%k %[fx:mean.r] %[fx:mean.g]", "info:"],
            capture_output=True, text=True, check=True, timeout=30).stdout.split()
        colours, red, green = int(stats[0]), float(stats[1]), float(stats[2])
        if colours <= 2:
            return None
        return NATIVE if green - red > 0.15 else SYSTEM_DEFAULT

    def wait_for_tray_icon(self, state, timeout: float = 20):
        """Waits until the tray shows `state`; returns what it shows then."""
        try:
            wait_until(lambda: self.tray_icon() == state, timeout, interval=0.2,
                       what=f"tray icon {state}")
        except TimeoutError:
            pass
        return self.tray_icon()

    def click_tray_icon(self) -> None:
        """A single click. Two clicks on the same spot within the double-click
        time are a double-click even with a click elsewhere in between (the
        taskbar's thread remembers its own last click), and a double-click
        shows the main window; so each click lands 6 px beside the last, out
        of the 4 px square in which a second click counts as a double-click."""
        x, y = config.TRAY_ICON
        self._tray_click_offset = -self._tray_click_offset
        self._session.input.click(x + self._tray_click_offset, y)

    def right_click_tray_icon(self) -> None:
        self._session.input.right_click(*config.TRAY_ICON)

    def double_click_tray_icon(self) -> None:
        self._session.input.double_click(*config.TRAY_ICON)

    def press_hot_key(self) -> None:
        self._session.input.key("ctrl+alt+space")

    # The main window.

    def window(self) -> dict:
        """frmMain as window-reader.exe sees it: "visible", "client",
        "dpi", "origin" (the client area's top left on the screen), "frame"
        (the whole window's rectangle on the screen), "focus" (index of the
        focused child or -1), "boxes" (the open message boxes: "title",
        "text", "active": ready for keys, the foreground window), "menus" (the rectangles of the open pop-up
        menus on the screen) and "children" in Z order, each with "class",
        "text", "visible", "enabled", "tabstop", "rect" [left, top, width,
        height], combo boxes with "items", "selected" and "dropped" (when
        their list is open, also its "list" rectangle on the screen, its
        "top_item" and "item_height")."""
        return read_window(self._session, WINDOW_CLASS, WINDOW_TITLE)

    def wait_for_window(self, condition, timeout: float = 10) -> dict:
        """Inspects the window until condition(description) holds; returns
        the last description."""
        last = {}

        def holds():
            nonlocal last
            last = self.window()
            return condition(last)

        try:
            wait_until(holds, timeout, interval=0.2, what="the main window")
        except TimeoutError:
            pass
        return last

    def wait_for_box(self, timeout: float = 10) -> dict:
        """Waits until a message box is open and active, ready for the keys
        that answer it; returns the window's description."""
        return self.wait_for_window(lambda w: any(box["active"] for box in w.get("boxes", [])), timeout)

    def menu(self):
        """The program's open pop-up menu as the screen shows it, or None:
        its entries top to bottom, each SEPARATOR or the (x, y) of the
        entry's middle and whether it is checked. Wine lets no other process
        read a menu's items, so they are read from the picture: a separator
        is a line across the menu, an entry a line of dark text, checked
        when its text begins left of the others'. Whatever covers the menu
        (the tray icon's tip) shows as entries of its own."""
        menus = self.window().get("menus")
        if not menus:
            return None
        left, top, width, height = menus[0]
        grey = subprocess.run(
            ["convert", str(self._session.screenshot("menu.png")), "-crop",
             f"{width}x{height}+{left}+{top}", "+repage", "-colorspace", "Gray", "-depth", "8",
             "gray:-"], capture_output=True, check=True, timeout=30).stdout
        lines = []  # [kind, first row, last row, first dark column] from the top
        for y in range(1, height - 1):
            row = grey[y * width + 1:(y + 1) * width - 1]  # inside the one-pixel frame
            dark = [x for x, value in enumerate(row) if value < 128]
            kind = (SEPARATOR if sum(value < 230 for value in row) > 0.8 * len(row)
                    else "text" if dark else None)
            start = dark[0] if dark else len(row)
            if kind and lines and lines[-1][0] == kind and lines[-1][2] == y - 1:
                lines[-1][2:] = [y, min(lines[-1][3], start)]
            elif kind:
                lines.append([kind, y, y, start])
        starts = [line[3] for line in lines if line[0] == "text"]
        text_start = max(starts, key=starts.count, default=0)
        return [SEPARATOR if kind == SEPARATOR
                else ((left + width // 2, top + (first + last) // 2), start < text_start - 2)
                for kind, first, last, start in lines]

    def wait_for_menu(self, condition, timeout: float = 10):
        """Reads the open menu until condition(entries) holds; returns the
        last reading."""
        last = None

        def holds():
            nonlocal last
            last = self.menu()
            return last is not None and condition(last)

        try:
            wait_until(holds, timeout, interval=0.2, what="the menu")
        except TimeoutError:
            pass
        return last

    def stored_layout(self):
        return self._session.wine.reg_query(SETTINGS_KEY, "KeyLayout")


def child(window: dict, text: str = None, class_name: str = None, index: int = None) -> dict:
    """A child control of an inspected window, by caption, class (the
    index-th of it) or both."""
    matches = [c for c in window["children"]
               if (text is None or c["text"] == text)
               and (class_name is None or c["class"] == class_name)]
    return matches[index or 0]


def control(window: dict, index: int) -> dict:
    """The child control of the main window that is the index-th of the
    design (its id is 1000 + index), wherever it is in the Z order."""
    return next(c for c in window["children"] if c["id"] == 1000 + index)


# The layout list's place in the design: it is open only in the native mode.
LAYOUT_LIST_CONTROL = 3


class TessikWindowTestCase(unittest.TestCase):
    """A test that drives tessik.exe's main window with real clicks, each test
    in a session of its own."""

    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1]))

    def click_control(self, window: dict, index: int) -> None:
        left, top, width, height = control(window, index)["rect"]
        origin = window["origin"]
        self.session.input.click(origin[0] + left + width // 2, origin[1] + top + height // 2)

    def show_window(self, tessik: Tessik) -> dict:
        """Shows the window with a double-click on the tray icon, which is a
        release, a double-click and a release: the first release switches
        the mode, the double-click shows the window and the last release
        switches back. The window is ready for keys only after that last
        switch, which the layout list tells: it is open only in the native
        mode.

        On a busy machine Wine's tray now and then hands on the double-click
        without one of the two releases, and the mode stays switched; the
        program's own handling of each message is tested on its own. The hot
        key then puts the mode back, so that the test goes on from the state
        it expects.

        The Wine desktop's taskbar, which holds the tray, takes the X
        keyboard focus for the click, and may take it after Wine has given
        it to the window it brought to the front: the keys typed next would
        go to the taskbar. Without a window manager to give the focus to the
        window in front, the test gives it."""
        def mode_as_it_was(w):
            return control(w, LAYOUT_LIST_CONTROL)["enabled"] == native

        native = tessik.tray_icon() == NATIVE
        tessik.double_click_tray_icon()
        window = tessik.wait_for_window(lambda w: w["visible"] and w["active"] and mode_as_it_was(w))
        self.assertTrue(window["visible"] and window["active"], "double-click shows the window")
        self.session.input.focus_window_named("Tessik")
        if not mode_as_it_was(window):
            tessik.press_hot_key()
            window = tessik.wait_for_window(mode_as_it_was)
        self.assertTrue(mode_as_it_was(window), "the mode is as it was before the double-click")
        return window
