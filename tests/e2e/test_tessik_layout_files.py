"""Layout files and names in tessik.exe's real window under Wine: a start
without a Layouts folder, whose first Save makes it and the layout current
without an error; a name with a character
of the ANSI code page beyond ASCII; a visible file with the name of a save's
temporary file, left alone by Save and Apply Changes; a layout's text form
saved into Layouts, which is said once to be no layout when it is chosen;
and the key picker's item chosen again with a click."""

import contextlib
import shutil
import subprocess
import sys
import unittest

from test_tessik_editor import (CANCEL, EditorDriver, LAYOUT_LIST, LETTERS, MODIFY, NAME, NEW,
                                ROWS, SAVE)
from tessik_e2e import TypingTarget
from tessik_program import NATIVE, SYSTEM_DEFAULT, Tessik, control, layout_text

CODE_PAGE_KEY = r"HKLM\System\CurrentControlSet\Control\Nls\CodePage"
# A name with a character that code page 1252 has at 0x80 to 0x9F, where
# Latin-1 has control characters.
WESTERN_NAME = "Rahim\u2019s \u2013 layout"

TEXT_FORM = "Mine.txt"
NOT_A_LAYOUT = (f"The file '{TEXT_FORM}' in the Layouts folder is not a layout file: while it is "
                "chosen, the keys type as in 'System Default'.\rA layout in its text form is "
                "made into a layout file with tessik-cli layout import.")

# Owns the clipboard with the text of its argument until it is ended.
CLIPBOARD_OWNER = """
import sys, tkinter
root = tkinter.Tk()
root.withdraw()
root.clipboard_clear()
root.clipboard_append(sys.argv[1])
root.update()
print("ready", flush=True)
root.mainloop()
"""


class TessikLayoutFilesTest(EditorDriver):

    def switch_mode(self, tessik: Tessik, mode: str) -> dict:
        """Switches the input mode with the tray icon, the window shown; the
        layout list is open only in the native mode."""
        if tessik.tray_icon() != mode:
            tessik.click_tray_icon()
        self.assertEqual(tessik.wait_for_tray_icon(mode), mode)
        return tessik.wait_for_window(
            lambda w: control(w, LAYOUT_LIST)["enabled"] == (mode == NATIVE))

    @contextlib.contextmanager
    def clipboard_holding(self, text: str):
        """The clipboard holds `text` while the block runs. A name is pasted,
        not typed: xdotool types a character beyond the keyboard map by
        changing the map for a moment, and Wine may read the key after the
        change is undone."""
        owner = subprocess.Popen([sys.executable, "-c", CLIPBOARD_OWNER, text],
                                 env=self.session.wine.environment, stdout=subprocess.PIPE,
                                 text=True)
        try:
            self.assertEqual(owner.stdout.readline().strip(), "ready")
            yield
        finally:
            owner.terminate()
            owner.wait(timeout=30)

    def new_layout_like(self, tessik: Tessik, window: dict, layout: str, name: str) -> dict:
        """New, with the table filled by choosing `layout` in the list (open
        once the input mode is switched), saved as `name`. The layout must not
        be the current one, which chosen again changes nothing. Returns the
        window once Save has ended."""
        # New closes the list; switching the mode after it opens the list.
        window = self.switch_mode(tessik, SYSTEM_DEFAULT)
        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        window = self.switch_mode(tessik, NATIVE)
        window = self.click_layout(tessik, window, layout)
        with self.clipboard_holding(name):
            self.click_control(window, NAME)
            self.session.input.key("ctrl+v")
            self.click_control(window, SAVE)
            return tessik.wait_for_window(
                lambda w: w["boxes"] or not control(w, SAVE)["enabled"])

    def test_without_a_layouts_folder_start_up_goes_on_and_save_makes_it(self):
        tessik = Tessik(self.session, with_default=False)
        tessik.layouts.rmdir()
        tessik.start(wait=False)
        window = tessik.wait_for_box()
        self.assertEqual(len(window["boxes"]), 1, "the missing layout is reported once")
        self.session.input.key("Return")
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        window = self.show_window(tessik)
        self.assertEqual(window["boxes"], [])
        self.assertEqual(len(control(window, LETTERS)["rows"]), ROWS)
        window = self.switch_mode(tessik, NATIVE)
        window = self.switch_mode(tessik, SYSTEM_DEFAULT)

        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        for row in range(ROWS):
            window = self.pick_key(tessik, window, row, row)
        self.click_control(window, NAME)
        self.session.input.type("First")
        labels = self.keys(window)
        self.click_control(window, SAVE)
        # The first layout becomes the current one, which the browse state
        # shows: the last step of Save, after which no report can come.
        window = tessik.wait_for_window(
            lambda w: w["boxes"] or (not control(w, SAVE)["enabled"] and self.keys(w) == labels))
        self.assertEqual(window["boxes"], [])
        self.assertEqual(self.keys(window), labels)
        self.assertTrue((tessik.layouts / "First").is_file())
        self.assertEqual(control(window, LAYOUT_LIST)["items"], ["Phonetic", "First"])
        self.assertEqual(control(window, LAYOUT_LIST)["selected"], 1)
        self.assertEqual(tessik.stored_layout(), "First")

    def test_save_and_apply_leave_other_files_alone_and_take_code_page_names(self):
        tessik = Tessik(self.session)
        theirs = tessik.layouts / "~Mine.tmp"
        their_bytes = b"not a layout\x00\xff\r\n"
        theirs.write_bytes(their_bytes)
        shutil.copy2(tessik.layouts / "Default", tessik.layouts / "Spare")
        tessik.start()
        default = (tessik.layouts / "Default").read_bytes()

        window = self.new_layout_like(tessik, self.show_window(tessik), "Spare", "Mine")
        self.assertEqual(window["boxes"], [])
        self.assertEqual((tessik.layouts / "Mine").read_bytes(), default)
        self.assertEqual(theirs.read_bytes(), their_bytes)

        window = self.click_layout(tessik, self.switch_mode(tessik, NATIVE), "Mine")
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: control(w, CANCEL)["enabled"])
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.assertEqual(window["boxes"], [])
        self.assertEqual((tessik.layouts / "Mine").read_bytes(), default)
        self.assertEqual(theirs.read_bytes(), their_bytes)
        self.assertEqual(sorted(p.name for p in tessik.layouts.iterdir()),
                         ["Default", "Mine", "Spare", "~Mine.tmp"])

        # The prefix's ANSI code page decides which characters a name may hold.
        self.assertEqual(self.session.wine.reg_query(CODE_PAGE_KEY, "ACP"), "1252")
        window = self.new_layout_like(tessik, window, "Default", WESTERN_NAME)
        self.assertEqual(window["boxes"], [])
        self.assertEqual((tessik.layouts / WESTERN_NAME).read_bytes(), default)

    def click_layout(self, tessik: Tessik, window: dict, name: str) -> dict:
        """Chooses a layout with a click on its item in the open list: a key
        that moves the selection on the way would choose each item it
        passes, ~Mine.tmp too, which is no layout. Returns the window once
        the choice is made."""
        self.click_control(window, LAYOUT_LIST)
        window = tessik.wait_for_window(lambda w: control(w, LAYOUT_LIST)["dropped"])
        layouts = control(window, LAYOUT_LIST)
        self.assertTrue(layouts["dropped"], "the layout list opens")
        left, top, width, _ = layouts["list"]
        line = layouts["items"].index(name) - layouts["top_item"]
        self.session.input.click(left + width // 2,
                                 top + line * layouts["item_height"] + layouts["item_height"] // 2)
        return tessik.wait_for_window(
            lambda w: w["boxes"] or control(w, LAYOUT_LIST)["items"][
                control(w, LAYOUT_LIST)["selected"]] == name)

    def test_a_text_form_in_layouts_is_said_once_to_be_no_layout_and_types_nothing(self):
        tessik = Tessik(self.session, stored_layout=TEXT_FORM)
        (tessik.layouts / TEXT_FORM).write_text(layout_text(tessik.layouts / "Default"),
                                                encoding="utf-8")
        target = TypingTarget(self.session).start()

        # Stored, it is said at start-up, before the icon comes.
        tessik.start(wait=False)
        window = tessik.wait_for_box()
        self.assertEqual(window["boxes"], [{"title": "Tessik", "text": NOT_A_LAYOUT,
                                            "active": True}])
        self.session.input.key("Return")
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)

        # Typed with, every key goes on as it is.
        target.focus()
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)
        self.session.input.type("kA")
        self.assertEqual(target.wait_for_text("kA"), "kA")

        # Chosen in the list: said once, and the table shows no key.
        window = self.show_window(tessik)
        self.assertEqual(window["boxes"], [])
        self.assertEqual(self.keys(window), [""] * ROWS)
        window = self.click_layout(tessik, window, "Default")
        self.assertEqual(window["boxes"], [])
        window = tessik.wait_for_window(lambda w: "" not in self.keys(w))
        self.assertNotIn("", self.keys(window))
        self.click_layout(tessik, window, TEXT_FORM)
        window = tessik.wait_for_box()
        self.assertEqual([box["text"] for box in window["boxes"]], [NOT_A_LAYOUT])
        self.session.input.key("Return")
        window = tessik.wait_for_window(lambda w: not w["boxes"])
        self.assertEqual(self.keys(window), [""] * ROWS)
        # A second box would take the Alt+H that hides the window.
        self.session.input.key("alt+h")
        window = tessik.wait_for_window(lambda w: not w["visible"])
        self.assertEqual((window["visible"], window["boxes"]), (False, []))

    def test_the_item_the_picker_already_shows_can_be_chosen(self):
        tessik = Tessik(self.session)
        tessik.start()
        window = self.show_window(tessik)
        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        window = self.pick_key(tessik, window, 0, 5)
        # Row 1 has no key: the picker opens on item 5 still, and a click on
        # it gives the row that key.
        window = self.pick_key(tessik, window, 1, 5)
        self.assertEqual(self.keys(window)[:3], [self.keys(window)[0]] * 2 + [""])


if __name__ == "__main__":
    unittest.main()
