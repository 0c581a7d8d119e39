"""The end-to-end test harness: Windows programs under Wine, driven with
real X input and read back through files. See tests/e2e/README.md."""

from .config import windows_program
from .layout_file import write_layout
from .processes import wait_until
from .session import Session, make_prefix
from .typing_target import KeyMessage, TypingTarget, host_clock_ms
from .wine import windows_path

__all__ = ["KeyMessage", "Session", "TypingTarget", "host_clock_ms", "make_prefix",
           "wait_until", "windows_path", "windows_program", "write_layout"]
