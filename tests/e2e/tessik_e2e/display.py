"""A private X display (Xvfb) for one test."""

import os
import subprocess

from . import config
from .processes import PidFile, stop


class Display:
    def __init__(self, pid_file: PidFile):
        self._pid_file = pid_file
        self._server = None
        self.name = None

    def start(self) -> str:
        """Starts Xvfb on a free display number, which it picks itself."""
        read_end, write_end = os.pipe()
        width, height = config.SCREEN_SIZE
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            stop(self._server)
            raise RuntimeError("Xvfb did not start")
        self._pid_file.add(self._server.pid)
        self.name = f":{number}"
        return self.name

    def stop(self) -> None:
        if self._server is not None:
            stop(self._server)
            self._pid_file.remove(self._server.pid)
            self._server = None
