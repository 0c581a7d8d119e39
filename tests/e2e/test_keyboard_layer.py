"""The Win32 keyboard layer under Wine: the engine behind the real low-level
hook and SendInput, driven by keyboard-probe.exe, typing into the target.
Under Wine every injected character comes back through the hook inside
SendInput, so these tests also cover that re-entry."""

import random
import time
import unittest

from tessik_e2e import (Session, TypingTarget, host_clock_ms, wait_until, windows_path,
                        windows_program, write_layout)

VK_BACK, VK_CONTROL, VK_PACKET = 0x08, 0x11, 0xE7

KA, AA_SIGN, I_SIGN, MA, RA, HASANTA = "\u0995", "\u09BE", "\u09BF", "\u09AE", "\u09B0", "\u09CD"
INDEPENDENT_AA = "\u0986"
REPH = 4  # the special code that puts a reph before the consonant just typed
TEST_LAYOUT = {"k ": ord(KA), "a ": ord(AA_SIGN), "i ": ord(I_SIGN), "m ": ord(MA),
               "h ": ord(HASANTA), "r ": ord(RA), "Shift + R": REPH}
BENGALI_DIGITS = "\u09E6\u09E7\u09E8\u09E9\u09EA\u09EB\u09EC\u09ED\u09EE\u09EF"
RUPEE_SIGN = "\u09F3"


class KeyboardProbe:
    """keyboard-probe.exe: loads a layout and installs the hook at start;
    reports "hook=H reinstalls=N drops=D" in its status file."""

    PROGRAM = "keyboard-probe.exe"

    def __init__(self, session, layout: dict):
        self._session = session
        self._layouts = session.folder / "Layouts"
        self._control = session.folder / "probe"
        self._control.mkdir()
        write_layout(self._layouts / "Test", layout)

    def start(self) -> "KeyboardProbe":
        self._session.wine.start_in_desktop(
            windows_program(self.PROGRAM), windows_path(self._layouts), "Test",
            windows_path(self._control))
        self.wait_for_status(lambda status: status.get("hook", 0) != 0)
        return self

    def status(self) -> dict:
        try:
            text = (self._control / "status").read_text()
        except FileNotFoundError:
            return {}
        return {key: int(value) for key, value in (field.split("=") for field in text.split())}

    def wait_for_status(self, condition, timeout: float = 10) -> dict:
        wait_until(lambda: condition(self.status()), timeout, what="the probe's status")
        return self.status()

    def drop_hook(self) -> None:
        """Has the probe unhook behind its own back, as Windows does with a
        hook that took too long."""
        (self._control / "command").write_text("drop\n")
        self.wait_for_status(lambda status: status.get("drops") == 1)


class KeyboardLayerTest(unittest.TestCase):
    def setUp(self):
        self.session = self.enterContext(Session(self.id().rsplit(".", 1)[-1]))
        self.target = TypingTarget(self.session).start()
        self.target.focus()
        # Installing the hook briefly brings the probe's window forward and
        # hands the foreground back: the target must keep the keyboard.
        self.probe = KeyboardProbe(self.session, TEST_LAYOUT).start()

    def test_keys_are_translated_through_the_hook(self):
        typing = self.session.input
        typing.type("kami 1290 ha kR")
        typing.key("shift+4", "shift+1", "ctrl+c", "alt+k")

        expected = (KA + AA_SIGN + MA + I_SIGN + " " + BENGALI_DIGITS[1] + BENGALI_DIGITS[2]
                    + BENGALI_DIGITS[9] + BENGALI_DIGITS[0] + " " + INDEPENDENT_AA + " "
                    + RA + HASANTA + KA + RUPEE_SIGN + "!")
        self.assertEqual(self.target.wait_for_text(expected), expected)

        log = self.target.wait_for_key_log(
            lambda log: any(m.message == "WM_SYSKEYDOWN" and m.wparam == ord("K") for m in log))
        entries = [(m.message, m.wparam) for m in log]
        # Characters arrive as injected Unicode keys, erasures as Backspace.
        self.assertIn(("WM_KEYDOWN", VK_PACKET), entries)
        self.assertIn(("WM_CHAR", VK_BACK), entries)
        self.assertNotIn(("WM_CHAR", ord("k")), entries)
        # Control and Alt combinations pass unchanged.
        copy = entries.index(("WM_KEYDOWN", ord("C")))
        self.assertEqual(entries[copy + 1], ("WM_CHAR", 0x03))
        self.assertIn(("WM_SYSKEYDOWN", ord("K")), entries)
        # A live hook, re-entered for every injected key, is left alone.
        self.assertEqual(self.probe.status()["reinstalls"], 0)

    def test_keys_typed_as_fast_as_possible_all_arrive_in_order(self):
        typed = {"k": KA, "m": MA, "i": I_SIGN, " ": " ",
                 **{str(digit): BENGALI_DIGITS[digit] for digit in range(10)}}
        keys = "".join(random.Random(7).choices(list(typed), k=1000))
        self.session.input.type(keys, delay_ms=0)

        expected = "".join(typed[key] for key in keys)
        # Wine takes some 7 ms per key event on a loaded machine, twice that
        # through the hook.
        self.assertEqual(self.target.wait_for_text(expected, timeout=120), expected)
        self.assertEqual(self.probe.status()["reinstalls"], 0)

    def test_watchdog_reinstalls_a_hook_the_system_dropped(self):
        typing = self.session.input
        typing.type("k")
        self.assertEqual(self.target.wait_for_text(KA), KA)
        hook = self.probe.status()["hook"]

        self.probe.drop_hook()
        typed = host_clock_ms()
        typing.type("m")  # the hook is gone: the key goes through unchanged
        status = self.probe.wait_for_status(lambda status: status["reinstalls"] == 1, timeout=5)
        detection_ms = host_clock_ms() - typed
        self.assertNotEqual(status["hook"], hook)
        # About a second, with room for a loaded machine.
        self.assertLess(detection_ms, 3000)
        print(f"\nhook reinstalled {detection_ms:.0f} ms after the first missed key")

        typing.type("k")
        expected = KA + "m" + KA
        self.assertEqual(self.target.wait_for_text(expected), expected)
        time.sleep(1.5)
        self.assertEqual(self.probe.status()["reinstalls"], 1)


if __name__ == "__main__":
    unittest.main()
