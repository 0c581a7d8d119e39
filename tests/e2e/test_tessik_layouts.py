"""tessik.exe's layouts in the real window under Wine: a second copy hands
over to the first, the layout list chooses what the keys type, Exit stores
the layout that the next start selects, Delete removes a layout's file, and
the tray icon's menu lists the layouts, switches to one and exits.
Also makes the pictures of the README: the main window with the Default
layout and a line of Bengali typed through the program (copied to the
folder named by TESSIK_E2E_DOC_IMAGES when that is set)."""

import os
import shutil
import subprocess
import unittest
from pathlib import Path

from tessik_e2e import TypingTarget
from tessik_program import (NATIVE, SEPARATOR, SYSTEM_DEFAULT, Tessik, TessikWindowTestCase, control,
                            predicted_text)

KHA = "\u0996"
# "My golden Bengal, I love you": independent vowels, vowel signs before,
# after and around their consonant, the anusvara and the danda.
BENGALI_LINE = "famar sonar baMla, fami tomaY Balobasi\\"
DELETE_QUESTION = "Do you really want to delete this layout?"
EXIT_QUESTION = ("Do you really want to close 'Tessik'?\rYou have to start 'Tessik' again to "
                 "write tessik letters.")
LETTERS, LAYOUT_LIST, DELETE, EXIT = 0, 3, 8, 14


def crop(shot: Path, rect, name: str) -> Path:
    """Cuts rect = (left, top, width, height) out of a screenshot."""
    left, top, width, height = rect
    path = shot.with_name(name)
    subprocess.run(["convert", str(shot), "-crop", f"{width}x{height}+{left}+{top}", "+repage",
                    str(path)], check=True, timeout=30)
    doc_images = os.environ.get("TESSIK_E2E_DOC_IMAGES")
    if doc_images:
        shutil.copy2(path, Path(doc_images) / name)
    return path


class TessikLayoutsTest(TessikWindowTestCase):

    def answer_box(self, tessik: Tessik, text: str, key: str) -> None:
        window = tessik.wait_for_box()
        self.assertEqual([box["text"] for box in window["boxes"]], [text])
        self.session.input.key(key)

    def exit(self, tessik: Tessik, window: dict) -> None:
        self.click_control(window, EXIT)
        window = tessik.wait_for_box()
        self.assertEqual(len(window["boxes"]), 1, "Exit asks first")
        # Yes is the default answer; in the native mode "y" would be
        # translated like any letter.
        self.session.input.key("Return")
        self.assertFalse(tessik.wait_for_window(lambda w: not w["found"])["found"])
        self.assertIsNone(tessik.wait_for_tray_icon(None), "Exit takes the tray icon away")

    def test_layouts_chosen_stored_and_deleted_in_the_window(self):
        tessik = Tessik(self.session)
        kha = tessik.add_layout("Kha", {"k ": ord(KHA)})
        tessik.start()

        # A second copy hands over to the running one and ends without an
        # icon of its own; the first one's icon stays.
        # The first one's window comes forward, to show that it runs.
        second = self.session.wine.start_in_desktop(tessik.folder / Tessik.PROGRAM)
        self.assertIsNotNone(second.wait(timeout=30))
        self.assertEqual(tessik.tray_icon(), SYSTEM_DEFAULT)
        window = tessik.wait_for_window(lambda w: w["visible"] and w["active"])
        self.assertTrue(window["visible"] and window["active"], "the running copy shows itself")
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])

        # With the stored Default layout, a line of Bengali.
        target = TypingTarget(self.session).start()
        target.focus()
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)
        self.session.input.type(BENGALI_LINE)
        line = predicted_text(tessik.layouts / "Default", BENGALI_LINE)
        self.assertEqual(target.wait_for_text(line), line)
        left, top, right, bottom = target.edit_rect
        crop(self.session.screenshot(), (left, top, right - left, min(bottom - top, 80)),
             "typed-bengali.png")

        # The main window with the Default layout, the letters legible.
        window = self.show_window(tessik)
        layouts = control(window, LAYOUT_LIST)
        self.assertEqual(layouts["items"][layouts["selected"]], "Default")
        crop(self.session.screenshot(), window["frame"], "main-window.png")

        # Choosing Kha in the list changes what the keys type.
        self.click_control(window, LAYOUT_LIST)
        self.session.input.key("Down", "Return")
        window = tessik.wait_for_window(
            lambda w: control(w, LAYOUT_LIST)["items"][control(w, LAYOUT_LIST)["selected"]]
            == "Kha")
        layouts = control(window, LAYOUT_LIST)
        self.assertEqual(layouts["items"][layouts["selected"]], "Kha")
        self.session.input.key("alt+h")
        tessik.wait_for_window(lambda w: not w["visible"])
        target.focus()
        self.session.input.type("kk")
        self.assertEqual(predicted_text(kha, "kk"), KHA * 2)
        self.assertEqual(target.wait_for_text(line + KHA * 2), line + KHA * 2)

        # Exit answered Yes stores Kha, which the next start selects again.
        self.exit(tessik, self.show_window(tessik))
        self.assertEqual(tessik.stored_layout(), "Kha")
        tessik.start()
        window = self.show_window(tessik)
        layouts = control(window, LAYOUT_LIST)
        self.assertEqual(layouts["items"][layouts["selected"]], "Kha")

        # Delete asks, removes the file and returns to Default.
        self.click_control(window, DELETE)
        self.answer_box(tessik, DELETE_QUESTION, "y")
        window = tessik.wait_for_window(lambda w: not w["boxes"])
        layouts = control(window, LAYOUT_LIST)
        self.assertEqual(layouts["items"], ["Default", "Phonetic"])
        self.assertEqual(layouts["items"][layouts["selected"]], "Default")
        self.assertFalse(kha.exists())
        self.exit(tessik, window)
        self.assertEqual(tessik.stored_layout(), "Default")

    def open_tray_menu(self, tessik: Tessik) -> list:
        """Right-clicks the tray icon; returns the entries of the menu that
        opens: "Show Tessik", the three layouts (Phonetic is built in), "Help"
        and "Exit"."""
        def shape(entries):
            return [entry if entry == SEPARATOR else "entry" for entry in entries or []]

        expected = ["entry", SEPARATOR, "entry", "entry", "entry", SEPARATOR, "entry", "entry"]
        tessik.right_click_tray_icon()
        # The icon's tip may cover the menu for a while.
        entries = tessik.wait_for_menu(lambda entries: shape(entries) == expected, timeout=20)
        self.assertEqual(shape(entries), expected)
        return entries

    def test_the_tray_menu_lists_the_layouts_and_switches_to_one(self):
        tessik = Tessik(self.session)
        tessik.add_layout("Kha", {"k ": ord(KHA)})
        tessik.start()
        target = TypingTarget(self.session).start()
        target.focus()
        tessik.click_tray_icon()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)

        show, _, default, kha, phonetic, _, help_, exit_ = self.open_tray_menu(tessik)
        self.assertEqual([entry[1] for entry in (show, default, kha, phonetic, help_, exit_)],
                         [False, True, False, False, False, False], "Default is checked")
        self.session.input.click(*kha[0])
        window = tessik.wait_for_window(
            lambda w: control(w, LAYOUT_LIST)["items"][control(w, LAYOUT_LIST)["selected"]] == "Kha")
        layouts = control(window, LAYOUT_LIST)
        self.assertEqual(layouts["items"][layouts["selected"]], "Kha")
        self.assertFalse(window["menus"] or window["visible"], "the menu closed, the window hidden")
        target.focus()
        self.session.input.type("k")
        self.assertEqual(target.wait_for_text(KHA), KHA)

        # Exit asks, with the window hidden, and takes the program down.
        self.session.input.click(*self.open_tray_menu(tessik)[-1][0])
        window = tessik.wait_for_box()
        self.assertEqual([box["text"] for box in window["boxes"]], [EXIT_QUESTION])
        self.session.input.key("Return")
        self.assertFalse(tessik.wait_for_window(lambda w: not w["found"])["found"])
        self.assertIsNone(tessik.wait_for_tray_icon(None), "Exit takes the tray icon away")
        self.assertEqual(tessik.stored_layout(), "Kha")

if __name__ == "__main__":
    unittest.main()
