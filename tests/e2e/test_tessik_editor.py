"""Creating and changing layouts in tessik.exe's real window under Wine, as a
person does it: clicks on the rows and on the items of the key picker's
open list. A new layout with a key for every row is saved, chosen and typed
with; Save right after New asks for every character; Cancel drops the edits
of a Modify; Apply Changes gives a row a free key that types at once, after
the layout list was opened and the layout it shows taken again."""

import shutil
import unittest
from pathlib import Path

from tessik_e2e import TypingTarget
from tessik_program import (TessikWindowTestCase, control, NATIVE, Tessik, layout_rows,
                            predicted_text)

FREE_KEY = "Shift + 7"
LETTERS, PICKER, SAVE, LAYOUT_LIST, NAME, NEW, MODIFY, CANCEL = 0, 1, 2, 3, 4, 6, 9, 10
INCOMPLETE = "Please spacify all the characters"
ROWS = 55
NEW_NAME = "In Order"
# Keys of letters, vowel signs and the backslash, typed with the new layout.
NEW_LAYOUT_TEXT = "Akab Ff z\\"
# Rows that one notch of the mouse wheel scrolls, in the table and in the
# picker's open list alike.
WHEEL_ROWS = 3


def notches(rows: int) -> int:
    return -(-rows // WHEEL_ROWS)


class EditorDriver(TessikWindowTestCase):
    """A person at the editor: picks keys, switches the input mode, chooses
    layouts and types with them."""

    def keys(self, window: dict) -> list:
        return [row["key"] for row in control(window, LETTERS)["rows"]]

    def pick_key(self, tessik: Tessik, window: dict, row: int, item: int) -> dict:
        """Clicks the row, opens the key picker over it and clicks its
        item-th item, scrolling the table and the open list with the wheel
        until they show what is clicked. Returns the window as it is then."""
        letters = control(window, LETTERS)
        left, top, width, height = letters["rect"]
        x, y = window["origin"][0] + left, window["origin"][1] + top
        row_height = letters["rows"][0]["bottom"] - letters["rows"][0]["top"]
        while (hidden := letters["rows"][row]["bottom"] - (height - 4)) > 0:
            self.session.input.wheel_down(x + width // 2, y + height // 2,
                                          notches(-(-hidden // row_height)))
            window = tessik.window()
            letters = control(window, LETTERS)
        middle = (letters["rows"][row]["top"] + letters["rows"][row]["bottom"]) // 2
        self.session.input.click(x + 20, y + 2 + middle)
        window = tessik.wait_for_window(lambda w: control(w, PICKER)["visible"])
        self.assertTrue(control(window, PICKER)["visible"], f"row {row} shows the picker")

        self.click_control(window, PICKER)
        window = tessik.wait_for_window(lambda w: control(w, PICKER)["dropped"])
        picker = control(window, PICKER)
        self.assertTrue(picker["dropped"], f"the picker of row {row} opens")
        shown = picker["list"][3] // picker["item_height"]
        while (hidden := item - (picker["top_item"] + shown - 1)) > 0:
            list_left, list_top, list_width, list_height = picker["list"]
            self.session.input.wheel_down(list_left + list_width // 2,
                                          list_top + list_height // 2, notches(hidden))
            picker = control(tessik.window(), PICKER)
        list_left, list_top, list_width, _ = picker["list"]
        line = item - picker["top_item"]
        self.session.input.click(list_left + list_width // 2,
                                 list_top + line * picker["item_height"]
                                 + picker["item_height"] // 2)
        window = tessik.wait_for_window(lambda w: not control(w, PICKER)["visible"])
        self.assertFalse(control(window, PICKER)["visible"], f"row {row} got a key")
        self.assertEqual(self.keys(window)[row], picker["items"][item])
        return window

    def show_in_native_mode(self, tessik: Tessik) -> dict:
        """Switches to the native mode, in which the layout list is open,
        and shows the window again. The switch is made with the window
        hidden: under Wine the keyboard focus would stay on it."""
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)
        return self.show_window(tessik)

    def choose_layout(self, tessik: Tessik, window: dict, name: str) -> dict:
        self.click_control(window, LAYOUT_LIST)
        items = control(window, LAYOUT_LIST)["items"]
        self.session.input.key("Home", *["Down"] * items.index(name), "Return")
        return tessik.wait_for_window(
            lambda w: control(w, LAYOUT_LIST)["selected"] == items.index(name))

    def type_into_target(self, tessik: Tessik, text: str, layout: Path) -> str:
        """Hides the window, types into the target and returns what arrived,
        once it is what `tessik-cli` predicts with `layout` (or the wait ends)."""
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])
        self.target.focus()
        before = self.target.text()
        self.session.input.type(text)
        expected = before + predicted_text(layout, text)
        return self.target.wait_for_text(expected).removeprefix(before)


class TessikEditorTest(EditorDriver):

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
        window = tessik.wait_for_box()
        self.assertEqual([box["text"] for box in window["boxes"]], [INCOMPLETE])
        self.session.input.key("Return")
        window = tessik.wait_for_window(lambda w: not w["boxes"])

        # Cancel leaves the New state with the table as it was.
        self.click_control(window, CANCEL)
        window = tessik.wait_for_window(lambda w: not control(w, SAVE)["enabled"])
        self.assertNotIn("", self.keys(window))

        # Modify Mine; Cancel drops the edit and leaves the file.
        window = self.choose_layout(tessik, self.show_in_native_mode(tessik), "Mine")
        before = mine.read_bytes()
        keys = self.keys(window)
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: control(w, CANCEL)["enabled"])
        last = len(control(window, PICKER)["items"]) - 1
        window = self.pick_key(tessik, window, 1, last)
        self.assertEqual(self.keys(window)[1], FREE_KEY)
        self.click_control(window, CANCEL)
        window = tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.assertEqual(control(window, MODIFY)["text"], "&Modify")
        self.assertEqual(self.keys(window), keys)
        self.assertEqual(mine.read_bytes(), before)

        # Apply Changes: row 0 gets a free key, which types at once. Taking
        # the layout that the open list shows, with Enter, keeps the edit.
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: control(w, CANCEL)["enabled"])
        window = self.pick_key(tessik, window, 0, last)
        self.assertEqual(self.keys(window)[0], FREE_KEY)
        self.click_control(window, LAYOUT_LIST)
        window = tessik.wait_for_window(lambda w: control(w, LAYOUT_LIST)["dropped"])
        self.assertTrue(control(window, LAYOUT_LIST)["dropped"], "the layout list opens")
        self.session.input.key("Return")
        window = tessik.wait_for_window(lambda w: not control(w, LAYOUT_LIST)["dropped"])
        self.assertEqual(control(window, LAYOUT_LIST)["items"][
            control(window, LAYOUT_LIST)["selected"]], "Mine")
        self.assertEqual(self.keys(window)[0], FREE_KEY)
        self.assertTrue(control(window, CANCEL)["enabled"], "still modifying")
        self.click_control(window, MODIFY)
        window = tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.assertEqual(window["boxes"], [])
        self.assertNotEqual(mine.read_bytes(), before)
        typed = self.type_into_target(tessik, "&k", mine)
        self.assertEqual(typed, predicted_text(mine, "&k"))
        self.assertEqual(typed[0], predicted_text(tessik.layouts / "Default", "A"))
        self.assertEqual(tessik.tray_icon(), NATIVE)

    def test_new_layout_with_every_row_saved_chosen_and_typed(self):
        tessik = Tessik(self.session)
        tessik.start()
        self.target = TypingTarget(self.session).start()
        window = self.show_window(tessik)

        # Every row gets the picker's item of the same place.
        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        labels = control(window, PICKER)["items"][:ROWS]
        for row in range(ROWS):
            window = self.pick_key(tessik, window, row, row)
        self.assertEqual(self.keys(window), labels)

        self.click_control(window, NAME)
        self.session.input.type(NEW_NAME)
        self.click_control(window, SAVE)
        window = tessik.wait_for_window(lambda w: not control(w, SAVE)["enabled"])
        self.assertEqual(window["boxes"], [])
        self.assertIn(NEW_NAME, control(window, LAYOUT_LIST)["items"])
        saved = tessik.layouts / NEW_NAME
        default = tessik.layouts / "Default"
        codes = [code for _, code in layout_rows(default)]
        self.assertEqual(layout_rows(saved), list(zip(labels, codes)))

        # Chosen in the list, it is what the keys type.
        self.choose_layout(tessik, self.show_in_native_mode(tessik), NEW_NAME)
        typed = self.type_into_target(tessik, NEW_LAYOUT_TEXT, saved)
        self.assertEqual(typed, predicted_text(saved, NEW_LAYOUT_TEXT))
        self.assertNotEqual(typed, predicted_text(default, NEW_LAYOUT_TEXT))


if __name__ == "__main__":
    unittest.main()
