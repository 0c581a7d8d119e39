"""Real keyboard and mouse input on the test's display, through XTest."""

import os
import re
import subprocess


class Xdotool:
    def __init__(self, display: str):
        self._environment = dict(os.environ, DISPLAY=display)

    def _run(self, *arguments: str) -> None:
        subprocess.run(["xdotool", *arguments], env=self._environment, check=True, timeout=120)

    def _output(self, *arguments: str) -> str:
        return subprocess.run(["xdotool", *arguments], env=self._environment, check=True,
                              capture_output=True, text=True, timeout=120).stdout

    def focus_window_named(self, name: str) -> None:
        """Gives the X keyboard focus to the largest shown window called
        `name`, as a window manager gives it to the window in front, and
        waits until it has it."""
        def area(window: str) -> int:
            size = re.search(r"Geometry: (\d+)x(\d+)", self._output("getwindowgeometry", window))
            return int(size.group(1)) * int(size.group(2))

        windows = self._output("search", "--onlyvisible", "--name", f"^{re.escape(name)}$").split()
        self._run("windowfocus", "--sync", max(windows, key=area))

    def type(self, text: str, delay_ms: int = 12) -> None:
        """Types text as key presses, `delay_ms` apart."""
        self._run("type", "--delay", str(delay_ms), "--", text)

    def key(self, *keys: str, delay_ms: int = 12) -> None:
        """Presses key combinations such as "ctrl+c", "Return", "shift+4"."""
        self._run("key", "--delay", str(delay_ms), "--", *keys)

    def click(self, x: int, y: int) -> None:
        """A real left click. With no window manager this is what gives a
        window the keyboard focus."""
        self._run("mousemove", str(x), str(y), "click", "1")

    def right_click(self, x: int, y: int) -> None:
        """A real click of the right mouse button."""
        self._run("mousemove", str(x), str(y), "click", "3")

    def double_click(self, x: int, y: int) -> None:
        """Two left clicks close enough together to count as a double-click."""
        self._run("mousemove", str(x), str(y), "click", "--repeat", "2", "--delay", "80", "1")

    def wheel_down(self, x: int, y: int, notches: int = 1) -> None:
        """Turns the mouse wheel towards the user by `notches`, over (x, y)."""
        self._run("mousemove", str(x), str(y), "click", "--repeat", str(notches), "--delay", "30",
                  "5")
