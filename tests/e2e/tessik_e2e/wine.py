"""Running Windows programs under Wine, in the shared prefix unless a test
names another."""

import os
import shutil
import subprocess
import tempfile
from pathlib import Path, PureWindowsPath

from . import config
from .processes import stop

DESKTOP_NAME = "e2e"
DEFAULT_DPI = 96
_DPI_KEY = r"HKCU\Control Panel\Desktop"
# Where a font lacks a character, Wine falls back to the font Windows has for
# its script; for Bengali that is Vrinda, which Wine lacks: text after ", "
# would show as boxes. Lohit Bengali stands in for it.
BENGALI_FALLBACK_FONT = (r"HKCU\Software\Wine\Fonts\Replacements", "Vrinda", "Lohit Bengali")


def wine_environment(display: str, prefix: Path = config.WINE_PREFIX) -> dict:
    # TESSIK_E2E_WINEDEBUG=err+all puts Wine's own errors in the programs' logs.
    return dict(os.environ, DISPLAY=display, WINEPREFIX=str(prefix),
                WINEARCH=config.WINE_ARCH, WINELOADER=config.WINE_LOADER,
                WINEDEBUG=os.environ.get("TESSIK_E2E_WINEDEBUG", "-all"),
                WINEDLLOVERRIDES="mscoree,mshtml=")


def wine_command(*arguments: str) -> list:
    """The command line that runs Wine with `arguments`. Debian's loader has
    no preloader to reserve Windows' fixed addresses, and it sits at a fixed
    place with its heap a random distance above it: about once in a thousand
    starts the heap covers the address of the shared user data and the
    program never starts ("failed to map the shared user data"). Without
    address randomization the heap always starts where it cannot."""
    return ["setarch", "-R", config.WINE_LOADER, *arguments]


def windows_path(path: Path) -> str:
    """The path as Windows programs see it: Wine maps drive Z: to /."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def kill_wineserver(environment: dict) -> None:
    """Ends every Wine process of the environment's prefix."""
    if Path(environment["WINEPREFIX"]).exists():
        subprocess.run(["wineserver", "-k"], env=environment, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=environment, timeout=30)


def boot_prefix(display: str, prefix: Path = config.WINE_PREFIX, registry=()) -> None:
    """Makes a fresh prefix: the one slow step (10 to 20 s), done once per run.
    `registry` holds further values (key, value, data) to set in it."""
    environment = wine_environment(display, prefix)
    kill_wineserver(environment)
    shutil.rmtree(prefix, ignore_errors=True)
    prefix.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(wine_command("wineboot", "-i"), env=environment, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
    wine = Wine(display, prefix.parent, prefix)
    # A crashing program ends instead of waiting behind a dialog box.
    wine.reg_add(r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", "0", "REG_DWORD")
    wine.reg_add(*BENGALI_FALLBACK_FONT)
    for value in registry:
        wine.reg_add(*value)
    subprocess.run(["wineserver", "-w"], env=environment, timeout=60)


class Wine:
    """Starts programs on one display and stops all of them again."""

    def __init__(self, display: str, log_folder: Path, prefix: Path = config.WINE_PREFIX):
        self.environment = wine_environment(display, prefix)
        self._log_folder = log_folder
        self._programs = []
        self._dpi_changed = False

    def start_in_desktop(self, program: Path, *arguments: str) -> subprocess.Popen:
        """Starts a program in the virtual desktop, which the first program
        creates. Its output goes to a log file named after it."""
        width, height = config.DESKTOP_SIZE
        return self._start(program, "explorer", f"/desktop={DESKTOP_NAME},{width}x{height}",
                           str(program), *arguments)

    def start(self, program: Path, *arguments: str) -> subprocess.Popen:
        """Starts a program as run() does, without waiting for it to end:
        the process's return code is the program's exit code."""
        return self._start(program, str(program), *arguments)

    def _start(self, program: Path, *command: str) -> subprocess.Popen:
        log = self._log(program)
        process = subprocess.Popen(wine_command(*command), env=self.environment, stdout=log,
                                   stderr=subprocess.STDOUT)
        log.close()
        self._programs.append(process)
        return process

    def run(self, program: Path, *arguments: str, timeout: float = 60) -> int:
        """Runs a program outside the desktop, waits for it to end and
        returns its exit code; its output goes to the log file named after it.
        The program is a host path or a Windows path such as C:\\x\\y.exe."""
        with self._log(program) as log:
            return subprocess.run(wine_command(str(program), *arguments), env=self.environment,
                                  stdout=log, stderr=subprocess.STDOUT, timeout=timeout).returncode

    def _log(self, program):
        return (self._log_folder / f"{PureWindowsPath(program).stem}.wine.log").open("ab")

    def _reg(self, *arguments: str) -> subprocess.CompletedProcess:
        # Not through pipes: the services that wine starts hold them open
        # for seconds after the command has ended.
        with tempfile.TemporaryFile() as output:
            result = subprocess.run(wine_command("reg", *arguments), env=self.environment,
                                    stdout=output, stderr=subprocess.DEVNULL, timeout=60)
            output.seek(0)
            result.stdout = output.read().decode(errors="replace")
        return result

    def reg_add(self, key: str, value: str, data: str, kind: str = "REG_SZ") -> None:
        result = self._reg("add", key, "/v", value, "/t", kind, "/d", data, "/f")
        if result.returncode != 0:
            raise RuntimeError(f"wine reg add {key} {value} failed: {result.stdout}")

    def reg_delete(self, key: str) -> None:
        """Removes a key with all it holds, if it is there."""
        self._reg("delete", key, "/f")

    def reg_query(self, key: str, value: str):
        """The data of a registry value as text, or None when it is missing."""
        result = self._reg("query", key, "/v", value)
        if result.returncode != 0:
            return None
        for line in result.stdout.splitlines():
            # "    NAME    REG_TYPE    DATA", where the name may hold spaces.
            fields = line.strip().split("    ", 2)
            if len(fields) >= 2 and fields[0] == value and fields[1].startswith("REG_"):
                return fields[2] if len(fields) == 3 else ""
        return None

    def set_dpi(self, dpi: int) -> None:
        """Sets the display's dots per inch for programs started from now on
        (the prefix is shared: stop_all() puts back the default)."""
        self.reg_add(_DPI_KEY, "LogPixels", str(dpi), "REG_DWORD")
        self._dpi_changed = dpi != DEFAULT_DPI

    def stop_all(self) -> None:
        for process in self._programs:
            stop(process)
        self._programs.clear()
        if self._dpi_changed:
            self.set_dpi(DEFAULT_DPI)
        kill_wineserver(self.environment)
