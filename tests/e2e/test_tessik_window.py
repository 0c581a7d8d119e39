"""tessik.exe's main window under Wine, seen from outside: every control of
the design where it belongs at 96, 120 and 144 dots per inch, Tab and the
access keys, keys typed into it never translated, the layout list filled
from the Layouts folder, and starts without any layout or with the hot key
taken that still leave the program reachable."""

import unittest

from tessik_e2e import wait_until, windows_path, windows_program
from tessik_program import NATIVE, SYSTEM_DEFAULT, Tessik, TessikWindowTestCase, control

# The design in twips, in tab order: class, text (a caption, or the layout
# list's selected layout), left, top, width, height, visible, enabled, in
# the tab order (a label cannot take focus).
DESIGN = [
    ("SysListView32", "", 420, 120, 2730, 5055, True, True, True),
    ("ComboBox", "", 1065, 195, 1770, 525, False, True, True),
    ("Button", "&Save", 3360, 1800, 1335, 375, True, False, True),
    ("ComboBox", "Default", 3360, 330, 1335, 315, True, False, True),
    ("Edit", "", 3360, 930, 1335, 285, True, False, True),
    ("TessikPictureBox", "", 3720, 4200, 735, 735, False, True, False),
    ("Button", "&New Layout", 3360, 1320, 1335, 375, True, True, True),
    ("Button", "&Hide", 3360, 3840, 1335, 375, True, True, True),
    ("Button", "&Delete", 3360, 3240, 1335, 375, True, True, True),
    ("Button", "&Modify", 3360, 2280, 1335, 375, True, True, True),
    ("Button", "&Cancel", 3360, 2760, 1335, 375, True, False, True),
    ("Button", "?", 3360, 4320, 510, 375, True, True, True),
    ("Static", "Available Layouts :", 3360, 105, 1380, 225, True, True, False),
    ("Static", "Layout Name :", 3360, 705, 1380, 225, True, True, False),
    ("Button", "&Exit", 3360, 4800, 1335, 375, True, True, True),
    ("Button", "Help", 3930, 4320, 765, 375, True, True, True),
]
LETTERS, PICKER, SAVE, LAYOUT_LIST, NAME, NEW, CANCEL = 0, 1, 2, 3, 4, 6, 10
CLIENT_TWIPS = (4935, 5250)
COLUMN_TWIPS = (600, 1780)
# Where Tab goes in the system-default mode: the enabled, visible controls.
TAB_ORDER = [0, 6, 7, 8, 9, 11, 14, 15]

HOT_KEY_TAKEN = ("Another program uses Ctrl+Alt+Space, so the hot key cannot switch 'Tessik' on "
                 "and off.\rClick the 'Tessik' icon in the notification area to switch between "
                 "'Tessik' and 'System Default'.")
EXIT_QUESTION = ("Do you really want to close 'Tessik'?\rYou have to start 'Tessik' again to "
                 "write tessik letters.")


def pixels(twips: int, dpi: int) -> int:
    return round(twips * dpi / 1440)


class TessikWindowTest(TessikWindowTestCase):
    def check_design(self, dpi: int):
        self.session.wine.set_dpi(dpi)
        window = Tessik(self.session).start().window()
        self.assertEqual(window["dpi"], [dpi, dpi])
        self.assertFalse(window["visible"], "start-up leaves the window hidden")
        self.assertEqual(window["client"][2:], [pixels(t, dpi) for t in CLIENT_TWIPS])

        children = window["children"]
        self.assertEqual([(c["class"], c["text"]) for c in children],
                         [(d[0], d[1]) for d in DESIGN])
        for control, design in zip(children, DESIGN):
            name = f"{design[0]} {design[1]!r} at {dpi} dpi"
            left, top, width, height = design[2:6]
            # Edges are converted, so sizes may differ by a pixel of rounding.
            expected = [pixels(left, dpi), pixels(top, dpi), pixels(left + width, dpi) -
                        pixels(left, dpi), pixels(top + height, dpi) - pixels(top, dpi)]
            for got, want in zip(control["rect"], expected):
                self.assertAlmostEqual(got, want, delta=1, msg=f"{name}: {control['rect']}")
            self.assertEqual((control["visible"], control["enabled"], control["tabstop"]),
                             design[6:9], name)

        letters = children[LETTERS]
        self.assertTrue(letters["no_header"])
        for got, twips in zip(letters["columns"], COLUMN_TWIPS):
            self.assertAlmostEqual(got, pixels(twips, dpi), delta=1)
        picker = children[PICKER]["items"]
        self.assertEqual(len(picker), 57)
        self.assertEqual(picker[:4], ["Shift + A", "a ", "Shift + B", "b "])
        self.assertEqual(picker[-5:], ["Shift + |", "\\ ", "Shift + 3", "Shift + 6", "Shift + 7"])
        layouts = children[LAYOUT_LIST]
        self.assertEqual(layouts["items"], ["Default", "Phonetic"])
        self.assertEqual(layouts["selected"], 0)

    def test_design_at_96_dpi(self):
        self.check_design(96)

    def test_design_keeps_its_proportions_at_120_dpi(self):
        self.check_design(120)

    def test_design_keeps_its_proportions_at_144_dpi(self):
        self.check_design(144)

    def test_tab_order_and_access_keys(self):
        tessik = Tessik(self.session, stored_layout="Removed since").start()
        window = self.show_window(tessik)
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        self.assertEqual(window["focus"], TAB_ORDER[0])

        visited = []
        for _ in TAB_ORDER:
            self.session.input.key("Tab")
            visited.append(tessik.window()["focus"])
        self.assertEqual(visited, TAB_ORDER[1:] + TAB_ORDER[:1])
        self.session.input.key("shift+Tab")
        self.assertEqual(tessik.window()["focus"], TAB_ORDER[-1])

        # Alt+H presses Hide.
        self.session.input.key("alt+h")
        self.assertFalse(tessik.wait_for_window(lambda w: not w["visible"])["visible"])
        self.show_window(tessik)

        # Alt+F4 does nothing: the window stays, still active, so the Alt+E
        # that follows reaches it and asks before it exits; No changes
        # nothing.
        self.session.input.key("alt+F4")
        self.session.input.key("alt+e")
        window = tessik.wait_for_box()
        self.assertEqual(window["boxes"],
                         [{"title": "Tessik", "text": EXIT_QUESTION, "active": True}])
        self.session.input.key("n")
        window = tessik.wait_for_window(lambda w: not w["boxes"])
        self.assertEqual(window["boxes"], [])
        self.assertTrue(window["visible"])
        self.assertEqual(tessik.tray_icon(), SYSTEM_DEFAULT)

        # Yes ends the program, takes the icon away and stores the layout.
        self.session.input.key("alt+e")
        tessik.wait_for_box()
        self.session.input.key("y")
        window = tessik.wait_for_window(lambda w: not w["found"])
        self.assertFalse(window["found"])
        self.assertIsNone(tessik.wait_for_tray_icon(None))
        self.assertEqual(tessik.stored_layout(), "Default")

    def test_keys_typed_into_its_own_window_are_not_translated(self):
        tessik = Tessik(self.session).start()
        window = self.show_window(tessik)
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)

        # A layout name arrives as typed, and so does the letter that
        # answers a message box.
        self.click_control(window, NEW)
        window = tessik.wait_for_window(lambda w: control(w, SAVE)["enabled"])
        self.click_control(window, NAME)
        self.session.input.type("Mine k")
        window = tessik.wait_for_window(lambda w: control(w, NAME)["text"] == "Mine k")
        self.assertEqual(control(window, NAME)["text"], "Mine k")
        self.click_control(window, CANCEL)
        tessik.wait_for_window(lambda w: not control(w, CANCEL)["enabled"])
        self.session.input.key("alt+e")
        tessik.wait_for_box()
        self.session.input.key("n")
        window = tessik.wait_for_window(lambda w: not w["boxes"])
        self.assertEqual(window["boxes"], [])
        self.assertTrue(window["visible"])

    def test_a_hot_key_held_by_another_program_is_told_and_the_tray_still_switches(self):
        ready = self.session.folder / "holder.ready"
        self.session.wine.start_in_desktop(windows_program("hot-key-holder.exe"),
                                           windows_path(ready))
        wait_until(ready.exists, 20, what="hot-key-holder.exe")

        tessik = Tessik(self.session).start(wait=False)
        window = tessik.wait_for_box()
        self.assertEqual(window["boxes"], [{"title": "Tessik", "text": HOT_KEY_TAKEN, "active": True}])
        self.session.input.key("Return")
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        tessik.click_tray_icon()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)

    def test_layout_list_holds_the_regular_files_of_the_layouts_folder(self):
        tessik = Tessik(self.session)
        tessik.add_layout("Second", {"k ": 0x0996})
        tessik.add_layout("No extension.has one", {})
        tessik.add_layout("Hidden", {})
        tessik.add_layout("System", {})
        (tessik.layouts / "A folder").mkdir()
        for flag, name in (("+h", "Hidden"), ("+s", "System")):
            self.assertEqual(self.session.wine.run("attrib", flag,
                                                   windows_path(tessik.layouts / name)), 0)

        layouts = tessik.start().window()["children"][LAYOUT_LIST]
        self.assertEqual(sorted(layouts["items"]), ["Default", "No extension.has one", "Phonetic",
                                                   "Second"])
        self.assertEqual(layouts["items"][layouts["selected"]], "Default")

    def test_without_any_layout_the_error_is_shown_once_and_the_program_stays_reachable(self):
        tessik = Tessik(self.session, with_default=False).start(wait=False)
        window = tessik.wait_for_box()
        self.assertEqual(len(window["boxes"]), 1)
        report = window["boxes"][0]
        self.assertEqual(report["title"], "Error")
        self.assertRegex(report["text"], r"^An internal error has occurred; .*\r\rThe error "
                                         r"number is : \d+\.$")
        self.assertIsNone(tessik.tray_icon(), "the icon comes after the report")

        self.session.input.key("Return")
        self.assertEqual(tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        self.assertEqual(tessik.window()["boxes"], [])
        tessik.press_hot_key()
        self.assertEqual(tessik.wait_for_tray_icon(NATIVE), NATIVE)


if __name__ == "__main__":
    unittest.main()
