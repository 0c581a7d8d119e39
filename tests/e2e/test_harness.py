"""The harness itself: real key presses reach the typing target under Wine,
and its text file and key log tell what arrived."""

import unittest

from tessik_e2e import Session, TypingTarget, host_clock_ms

VK_RETURN, VK_CONTROL, VK_MENU = 0x0D, 0x11, 0x12


class TypingTargetTest(unittest.TestCase):
    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1]))
        self.target = TypingTarget(self.session).start()

    def test_typed_sentence_arrives_in_text_and_key_log(self):
        self.assertEqual(self.target.text(), "")
        self.target.focus()
        self.session.input.type("The quick brown fox, 1234!")
        self.session.input.key("Return")
        self.session.input.type("jumps (over) the lazy dog.")

        expected = "The quick brown fox, 1234!\njumps (over) the lazy dog."
        self.assertEqual(self.target.wait_for_text(expected), expected)
        # The edit control keeps Enter as CR LF; text() gives "\n".
        self.assertIn(b"1234!\r\njumps", self.target.raw_text())
        log = self.target.wait_for_key_log(lambda log: len(log) >= 2 * len(expected))
        self.assertEqual(self.target.characters(), expected.replace("\n", "\r"))
        key_downs = [m.wparam for m in log if m.message == "WM_KEYDOWN"]
        self.assertIn(VK_RETURN, key_downs)
        self.assertIn(ord("Q"), key_downs)
        times = [m.time_ms for m in log]
        self.assertEqual(times, sorted(times))

    def test_control_and_alt_keys_reach_the_key_log(self):
        self.target.focus()
        self.session.input.type("ab")
        self.session.input.key("ctrl+c", "alt+x")

        log = self.target.wait_for_key_log(
            lambda log: any(m.message == "WM_SYSKEYDOWN" and m.wparam == ord("X") for m in log))
        entries = [(m.message, m.wparam) for m in log]
        self.assertIn(("WM_KEYDOWN", VK_CONTROL), entries)
        copy = entries.index(("WM_KEYDOWN", ord("C")))
        self.assertEqual(entries[copy + 1], ("WM_CHAR", 0x03))
        self.assertIn(("WM_SYSKEYDOWN", VK_MENU), entries)
        # Neither shortcut inserts text.
        self.assertEqual(self.target.text(), "ab")

    def test_key_log_times_are_on_the_host_clock(self):
        self.target.focus()
        sent = host_clock_ms()
        self.session.input.key("z")
        returned = host_clock_ms()
        log = self.target.wait_for_key_log(lambda log: any(m.message == "WM_CHAR" for m in log))
        key_down = next(m for m in log if m.message == "WM_KEYDOWN")
        # xdotool's own start-up comes before the key is sent.
        self.assertGreaterEqual(key_down.time_ms, sent)
        self.assertLess(key_down.time_ms, returned + 1000)


if __name__ == "__main__":
    unittest.main()
