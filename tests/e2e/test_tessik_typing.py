"""tessik.exe typing through the real hook under Wine: nothing is translated
after start, the hot key and the tray icon switch translation on and off,
keys with Control or Alt pass unchanged, the stored layout name chooses
the key map, and words spelled phonetically arrive whole, ended by a click
as by a space. The engine's output history is never cleared, so every
comparison with `tessik-cli type` starts from a fresh program and an empty
target."""

import unittest

from tessik_e2e import Session, TypingTarget
from tessik_program import NATIVE, SYSTEM_DEFAULT, Tessik, predicted_text

# With the Default layout: the hasanta and a vowel sign ("fa": the
# independent vowel), a reph ("Dmz"), the hasanta twice ("ff": the explicit
# hasanta), digits, Shift+4 (the rupee sign) and the danda on the backslash
# key. "I follow dharma, the box's price 25 rupees, 1971."
SENTENCE = r"fami Dmz kri, bakffs dam $25, sal 1971\ "
LATIN = "plain text, 123 $4"

VK_CONTROL, VK_MENU, VK_LWIN = 0x11, 0x12, 0x5B
KA, KHA, HA = "\u0995", "\u0996", "\u09B9"

# With the Phonetic layout: each word is rendered again at every key and only
# its changed end is typed, so "bh" first types ব, then replaces it with ভ.
# Capitals, "ng" before a consonant (ং), the comma and the full stop (the
# danda) are pieces of the words.
PHONETIC = "Phonetic"
PHONETIC_SENTENCE = "amar sOnar bangla, ami tOmay bhalObasi."
# য় is typed as its own code, U+09DF, never as য and the nukta (which is its
# normalized form).
PHONETIC_BENGALI = "আমার সোনার বাংলা, আমি তোমা\u09DF ভালোবাসি।"


class TessikTypingTest(unittest.TestCase):
    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1]))

    def start(self, **options) -> Tessik:
        self.tessik = Tessik(self.session, **options)
        return self.tessik

    def start_target(self) -> TypingTarget:
        target = TypingTarget(self.session).start()
        target.focus()
        return target

    def default_layout(self):
        return self.tessik.layouts / "Default"

    def test_hot_key_switches_translation_on_and_off(self):
        self.start().start()
        target = self.start_target()

        self.session.input.type(LATIN)
        self.assertEqual(target.wait_for_text(LATIN), LATIN, "translated before the first switch")

        self.tessik.press_hot_key()
        self.assertEqual(self.tessik.wait_for_tray_icon(NATIVE), NATIVE)
        self.session.input.type(SENTENCE)
        # What the sentence erases with Backspace, it typed itself.
        expected = LATIN + predicted_text(self.default_layout(), SENTENCE)
        self.assertIn("\u09F3\u09E8\u09EB", expected)  # the rupee sign and Bengali digits
        self.assertIn("\u0995\u09CD\u200C\u09B8", expected)  # the explicit hasanta
        self.assertEqual(target.wait_for_text(expected), expected)

        self.tessik.press_hot_key()
        self.assertEqual(self.tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        self.session.input.type(LATIN)
        self.assertEqual(target.wait_for_text(expected + LATIN), expected + LATIN)

    def test_tray_click_switches_translation(self):
        self.start().start()
        target = self.start_target()

        self.tessik.click_tray_icon()
        self.assertEqual(self.tessik.wait_for_tray_icon(NATIVE), NATIVE)
        target.focus()
        self.session.input.type("k")
        self.assertEqual(target.wait_for_text("\u0995"), "\u0995")

        self.tessik.click_tray_icon()
        self.assertEqual(self.tessik.wait_for_tray_icon(SYSTEM_DEFAULT), SYSTEM_DEFAULT)
        target.focus()
        self.session.input.type("k")
        self.assertEqual(target.wait_for_text("\u0995k"), "\u0995k")

    def test_control_alt_and_windows_keys_pass_unchanged_in_native_mode(self):
        self.start().start()
        target = self.start_target()
        self.tessik.press_hot_key()
        self.tessik.wait_for_tray_icon(NATIVE)

        self.session.input.type("k")
        self.session.input.key("ctrl+c", "alt+x", "super+r")
        log = target.wait_for_key_log(
            lambda log: any(m.message == "WM_KEYDOWN" and m.wparam == ord("R") for m in log))
        entries = [(m.message, m.wparam) for m in log]
        copy = entries.index(("WM_KEYDOWN", ord("C")))
        self.assertEqual(entries[copy - 1], ("WM_KEYDOWN", VK_CONTROL))
        self.assertEqual(entries[copy + 1], ("WM_CHAR", 0x03))
        self.assertIn(("WM_SYSKEYDOWN", VK_MENU), entries)
        run = entries.index(("WM_KEYDOWN", ord("R")))
        self.assertEqual(entries[run - 1], ("WM_KEYDOWN", VK_LWIN))
        # Win+R is the system's: no Bengali letter arrives for it.
        self.assertEqual(target.text().rstrip("r"), "\u0995")

    def test_stored_layout_is_selected_at_start(self):
        self.start(stored_layout="Kha")
        layout = self.tessik.add_layout("Kha", {"k ": ord(KHA)})
        self.tessik.start()
        self.assertEqual(self.selected_layout(), "Kha")

        target = self.start_target()
        self.tessik.press_hot_key()
        self.tessik.wait_for_tray_icon(NATIVE)
        self.session.input.type("kk")
        self.assertEqual(predicted_text(layout, "kk"), KHA * 2)
        self.assertEqual(target.wait_for_text(KHA * 2), KHA * 2)

    def test_missing_stored_layout_falls_back_to_default(self):
        self.start(stored_layout="Removed since").start()
        window = self.tessik.window()
        self.assertEqual(window["boxes"], [], "the fallback is no error")
        self.assertEqual(self.selected_layout(window), "Default")

        target = self.start_target()
        self.tessik.press_hot_key()
        self.tessik.wait_for_tray_icon(NATIVE)
        self.session.input.type(SENTENCE)
        expected = predicted_text(self.default_layout(), SENTENCE)
        self.assertEqual(target.wait_for_text(expected), expected)

    def start_phonetic(self) -> TypingTarget:
        self.start(stored_layout=PHONETIC).start()
        self.assertEqual(self.selected_layout(), PHONETIC)
        target = self.start_target()
        self.tessik.press_hot_key()
        self.assertEqual(self.tessik.wait_for_tray_icon(NATIVE), NATIVE)
        return target

    def test_stored_phonetic_layout_types_whole_words(self):
        target = self.start_phonetic()
        self.session.input.type(PHONETIC_SENTENCE)
        self.assertEqual(target.wait_for_text(PHONETIC_BENGALI, timeout=20), PHONETIC_BENGALI)
        # Only what a key changed is typed again: "g" turns ন into ং and "h"
        # turns ব into ভ, one Backspace each; every other key adds to the end.
        self.assertEqual(target.characters().count("\b"), 2)

    def test_backspace_and_click_end_phonetic_keys(self):
        target = self.start_phonetic()
        self.session.input.type("kh")
        self.assertEqual(target.wait_for_text(KHA), KHA)
        # Backspace takes "h" off the word: "k" is ক again.
        self.session.input.key("BackSpace")
        self.assertEqual(target.wait_for_text(KA), KA)

        # A click ends the word, though the caret stays at the end: the "h"
        # after it is a word of its own, not the end of "kh".
        target.click()
        self.session.input.type("h")
        self.assertEqual(target.wait_for_text(KA + HA), KA + HA)
        # Backspace takes "h" off the new word, which is then empty; the next
        # Backspace goes on to the target and erases ক.
        self.session.input.key("BackSpace", "BackSpace")
        self.assertEqual(target.wait_for_text(""), "")

    def selected_layout(self, window: dict = None) -> str:
        window = window or self.tessik.window()
        layouts = [c for c in window["children"] if c["class"] == "ComboBox"][1]
        return layouts["items"][layouts["selected"]]


if __name__ == "__main__":
    unittest.main()
