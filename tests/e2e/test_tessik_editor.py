"""Creating and changing layouts in tessik.exe's real window under Wine, as a
person does it: clicks on the rows and on the key picker.
Save right after New asks for every character; Cancel drops the edits of a
Modify; Apply Changes gives a row a free key that types at once."""

import shutil
import unittest

from tessik_e2e import TypingTarget
from tessik_program import TessikWindowTestCase, control, NATIVE, Tessik, predicted_text

FREE_KEY = "Shift + 7"
LETTERS, PICKER, SAVE, LAYOUT_LIST, NEW, MODIFY, CANCEL = 0, 1, 2, 3, 6, 9, 10
INCOMPLETE = "Please spacify all the characters"


class TessikEditorTest(TessikWindowTestCase):

    def keys(self, window: dict) -> list:
        return [row["key"] for row in control(window, LETTERS)["rows"]]

    def pick_last_key(self, tessik: Tessik, window: dict, row: int) -> dict:
        """Clicks the row (scrolling the list with the wheel until it shows),
        opens the picker over it and takes its last item, "Shift + 7", which
        the Default layout leaves free. Returns the window as it is then."""
        letters = control(window, LETTERS)
        left, top, width, height = letters["rect"]
        x, y = window["origin"][0] + left, window["origin"][1] + top
        while letters["rows"][row]["bottom"] > height - 4:
            self.session.input.wheel_down(x + width // 2, y + height // 2)
            window = tessik.window()
            letters = control(window, LETTERS)
        middle = (letters["rows"][row]["top"] + letters["rows"][row]["bottom"]) // 2
        self.session.input.click(x + 20, y + 2 + middle)
        window = tessik.wait_for_window(lambda w: control(w, PICKER)["visible"])
        self.assertTrue(control(window, PICKER)["visible"], f"row {row} shows the picker")
        # The click opens the picker's list, whose items follow the mouse;
        # closed again, the picker takes an item with a key.
        self.click_control(window, PICKER)
        self.session.input.key("Escape", "End")
        window = tessik.wait_for_window(lambda w: not control(w, PICKER)["visible"])
        self.assertFalse(control(window, PICKER)["visible"], f"row {row} got a key")
        return window

    def choose_layout(self, tessik: Tessik, window: dict, name: str) -> dict:
        self.click_control(window, LAYOUT_LIST)
        items = control(window, LAYOUT_LIST)["items"]
        self.session.input.key("Home", *["Down"] * items.index(name), "Return")
        return tessik.wait_for_window(
            lambda w: control(w, LAYOUT_LIST)["selected"] == items.index(name))

    def type_into_target(self, tessik: Tessik, text: str) -> str:
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])
        self.target.focus()
        before = self.target.text()
        self.session.input.type(text)
        self.target.wait_for_text(before + "?", timeout=3)
        return self.target.text().removeprefix(before)

    def test_save_after_new_cancel_and_apply_changes(self):
        tessik = Tessik(self.session)
        # A complete layout of the user's own, with the keys of Default.
        mine = tessik.layouts / "Mine"
        shutil.copy2(tessik.layouts / "Default", mine)
        tessik.start()
        self.target = TypingTarget(self.session).start()
        window = self.show_window(tessik)

        # Save right after New: a row has no key yet.
        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        self.assertEqual(set(self.keys(window)), {""}, "New empties the table")
        self.click_control(window, SAVE)
        window = tessik.wait_for_window(lambda w: w["boxes"])
        self.assertEqual([box["text"] for box in window["boxes"]], [INCOMPLETE])
        self.session.input.key("Return")
        window = tessik.wait_for_window(lambda w: not w["boxes"])

        # Cancel leaves the New state with the table as it was.
        self.click_control(window, CANCEL)
        window = tessik.wait_for_window(lambda w: not control(w, SAVE)["enabled"])
        self.assertNotIn("", self.keys(window))

        # The layout list is open in the native mode.
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)

        # Modify Mine; Cancel drops the edit and leaves the file.
        window = self.choose_layout(tessik, self.show_window(tessik), "Mine")
        before = mine.read_bytes()
        keys = self.keys(window)
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: control(w, CANCEL)["enabled"])
        window = self.pick_last_key(tessik, window, 1)
        self.assertEqual(self.keys(window)[1], FREE_KEY)
        self.click_control(window, CANCEL)
        window = tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.assertEqual(control(window, MODIFY)["text"], "&Modify")
        self.assertEqual(self.keys(window), keys)
        self.assertEqual(mine.read_bytes(), before)

        # Apply Changes: row 0 gets a free key, which types at once.
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: control(w, CANCEL)["enabled"])
        window = self.pick_last_key(tessik, window, 0)
        self.assertEqual(self.keys(window)[0], FREE_KEY)
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.assertEqual(window["boxes"], [])
        self.assertNotEqual(mine.read_bytes(), before)
        typed = self.type_into_target(tessik, "&k")
        self.assertEqual(typed, predicted_text(mine, "&k"))
        self.assertEqual(typed[0], predicted_text(tessik.layouts / "Default", "A"))
        self.assertEqual(tessik.tray_icon(), NATIVE)


if __name__ == "__main__":
    unittest.main()
