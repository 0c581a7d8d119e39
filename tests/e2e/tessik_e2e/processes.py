"""Starting and stopping helper processes by their process id."""

import os
import signal
import subprocess
import time
from pathlib import Path


def stop(process: subprocess.Popen, grace: float = 2.0) -> None:
    """Ends a process we started: SIGTERM, then SIGKILL after `grace` seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def wait_until(condition, timeout: float, interval: float = 0.05, what: str = "condition"):
    """Polls `condition` until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def _start_time(pid: int):
    """When the process started (clock ticks since boot), or None if it is gone.
    With the id it names one process: ids are reused, start times are not."""
    try:
        stat = Path(f"/proc/{pid}/stat").read_text()
    except OSError:
        return None
    # The fields after the command name, which is in parentheses; the start
    # time is field 22 of the whole line.
    return stat.rsplit(")", 1)[1].split()[19]


class PidFile:
    """Remembers the long-lived helpers (Xvfb) a test started, so that a run
    killed before it could clean up is cleaned up by the next one."""

    def __init__(self, path: Path):
        self.path = path

    def add(self, pid: int) -> None:
        with self.path.open("a") as file:
            file.write(f"{pid} {_start_time(pid)}\n")

    def remove(self, pid: int) -> None:
        if not self.path.exists():
            return
        lines = [line for line in self.path.read_text().splitlines()
                 if line.split()[0] != str(pid)]
        self.path.write_text("".join(line + "\n" for line in lines))

    def stop_leftovers(self) -> None:
        if not self.path.exists():
            return
        for line in self.path.read_text().splitlines():
            pid, started = line.split()
            if _start_time(int(pid)) == started:
                os.kill(int(pid), signal.SIGKILL)
        self.path.unlink()
