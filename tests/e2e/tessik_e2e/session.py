"""One end-to-end test's world, started and stopped as a whole."""

import shutil
import subprocess
from pathlib import Path

from . import config
from .display import Display
from .processes import PidFile
from .wine import Wine, boot_prefix, kill_wineserver, wine_environment
from .xdotool import Xdotool


def _helper_pids() -> PidFile:
    return PidFile(config.WORK / "helpers.pids")


def make_prefix(prefix: Path = config.WINE_PREFIX, registry=()) -> None:
    """Makes a fresh Wine prefix, on a display of its own, with further
    registry values (key, value, data) if given."""
    config.WORK.mkdir(parents=True, exist_ok=True)
    pids = _helper_pids()
    pids.stop_leftovers()
    display = Display(pids)
    try:
        boot_prefix(display.start(), prefix, registry)
    finally:
        display.stop()


class Session:
    """A private X display, the shared Wine prefix (or the given one) with
    programs in a virtual desktop, real input through xdotool, and a folder
    of its own (WORK/runs/NAME, emptied at start). Closing it stops
    everything it started, by process id, and the prefix's wineserver.

        with Session("harness") as session:
            target = TypingTarget(session).start()
    """

    def __init__(self, name: str, prefix: Path = config.WINE_PREFIX):
        if not prefix.is_dir():
            raise RuntimeError(f"no Wine prefix at {prefix}: "
                               "run tests/e2e/boot_prefix.py (ctest does it first)")
        self.folder = config.WORK / "runs" / name
        self.prefix = prefix
        self._pids = _helper_pids()
        self._display = Display(self._pids)
        self.wine = None
        self.input = None

    def __enter__(self) -> "Session":
        # A run killed half-way leaves its helpers behind.
        self._pids.stop_leftovers()
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        try:
            display = self._display.start()
            kill_wineserver(wine_environment(display, self.prefix))
            self.wine = Wine(display, self.folder, self.prefix)
            self.input = Xdotool(display)
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exception) -> None:
        self.close()

    def close(self) -> None:
        if self.wine is not None:
            self.wine.stop_all()
        self._display.stop()

    def screenshot(self, name: str = "screen.png") -> Path:
        """Saves the whole display as a picture in the session's folder."""
        path = self.folder / name
        subprocess.run(["import", "-display", self._display.name, "-window", "root", str(path)],
                       check=True, timeout=30)
        return path
