"""The typing target: a window whose text and key messages tests read back."""

import time
from dataclasses import dataclass

from . import config
from .processes import wait_until
from .wine import windows_path


def host_clock_ms() -> float:
    """The clock of KeyMessage.time_ms: Wine's performance counter runs on
    the host's raw monotonic clock, so tests can set key messages against
    the moment they sent a key."""
    return time.clock_gettime(time.CLOCK_MONOTONIC_RAW) * 1000.0


@dataclass(frozen=True)
class KeyMessage:
    time_ms: float      # when the edit control got it, on host_clock_ms()
    message_time: int   # GetMessageTime(), the system's time of the event
    message: str        # "WM_KEYDOWN", "WM_SYSKEYDOWN", "WM_CHAR" or "WM_LBUTTONDOWN"
    wparam: int         # virtual-key code, the UTF-16 character of WM_CHAR, or the
                        # keys held with the button
    lparam: int


class TypingTarget:
    PROGRAM = "typing-target.exe"

    def __init__(self, session, name: str = "target"):
        self._session = session
        self.text_file = session.folder / f"{name}.txt"
        self.key_log_file = session.folder / f"{name}.keys.log"
        self._ready_file = session.folder / f"{name}.ready"
        self._focus_file = session.folder / f"{name}.focus"
        self.edit_rect = None
        self._click_offset = 6

    def start(self, timeout: float = 20) -> "TypingTarget":
        for path in (self.text_file, self.key_log_file, self._ready_file, self._focus_file):
            path.unlink(missing_ok=True)
        self._session.wine.start_in_desktop(
            config.windows_program(self.PROGRAM), windows_path(self.text_file),
            windows_path(self.key_log_file), windows_path(self._ready_file),
            windows_path(self._focus_file))
        wait_until(self._ready_file.exists, timeout, what="the typing target's window")
        self.edit_rect = tuple(int(n) for n in self._ready_file.read_text().split())
        return self

    def has_focus(self) -> bool:
        try:
            return self._focus_file.read_text().strip() == "1"
        except FileNotFoundError:
            return False

    def focus(self, timeout: float = 10) -> None:
        """Clicks into the edit control below its text, which puts the caret
        at the end of the text, and waits until it has the keyboard focus:
        keys sent before then would go to the window that had it."""
        self._click_below_text()
        wait_until(self.has_focus, timeout, what="the typing target's keyboard focus")

    def click(self, timeout: float = 10) -> None:
        """Clicks below the text again, which leaves the caret at the end of
        the text, and waits until the edit control got the button press:
        every low-level mouse hook has seen the click by then."""
        presses = self._button_presses()
        self._click_below_text()
        wait_until(lambda: self._button_presses() > presses, timeout,
                   what="the click in the typing target")

    def _click_below_text(self) -> None:
        """Two clicks within 4 px and the double-click time are a
        double-click, which selects a word: each click lands 6 px beside the
        last."""
        left, top, right, bottom = self.edit_rect
        self._click_offset = 6 - self._click_offset
        # Clear of the frame and the vertical scroll bar.
        self._session.input.click(right - 40 - self._click_offset, bottom - 10)

    def _button_presses(self) -> int:
        return sum(1 for m in self.key_log() if m.message == "WM_LBUTTONDOWN")

    def raw_text(self) -> bytes:
        try:
            return self.text_file.read_bytes()
        except FileNotFoundError:
            return b""

    def text(self) -> str:
        """The edit control's text, with its CR LF line ends as "\\n"."""
        return self.raw_text().decode("utf-8").replace("\r\n", "\n")

    def wait_for_text(self, expected: str, timeout: float = 5) -> str:
        """Waits until the text is `expected`; returns the text last read,
        so that a test can compare it and show the difference."""
        try:
            wait_until(lambda: self.text() == expected, timeout, what=f"text {expected!r}")
        except TimeoutError:
            pass
        return self.text()

    def key_log(self) -> list:
        messages = []
        if not self.key_log_file.exists():
            return messages
        for line in self.key_log_file.read_text().splitlines():
            time_ms, message_time, message, wparam, lparam = line.split("\t")
            messages.append(KeyMessage(float(time_ms), int(message_time), message,
                                       int(wparam, 16), int(lparam, 16)))
        return messages

    def wait_for_key_log(self, condition, timeout: float = 5) -> list:
        """Waits until condition(key_log) holds; returns the log last read."""
        try:
            wait_until(lambda: condition(self.key_log()), timeout, what="key messages")
        except TimeoutError:
            pass
        return self.key_log()

    def characters(self) -> str:
        """The WM_CHAR messages received, as text."""
        return "".join(chr(m.wparam) for m in self.key_log() if m.message == "WM_CHAR")
