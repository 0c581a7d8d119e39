"""Where the end-to-end tests find the Windows programs and keep their files."""

import os
import subprocess
from pathlib import Path

_SOURCE_ROOT = Path(__file__).resolve().parents[3]
_WINE_LOADER_32 = "/usr/lib/wine/wine"
_WINE_LOADER_64 = "/usr/lib/wine/wine64"


def _runs_32_bit_programs() -> bool:
    """Whether the kernel runs Wine's 32-bit loader: some are built or booted
    without support for 32-bit programs."""
    try:
        return subprocess.run([_WINE_LOADER_32, "--version"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0
    except OSError:
        return False


# The programs ship 32-bit and are tested as such wherever the machine can
# run them; elsewhere the 64-bit build of the same source stands in, in a
# 64-bit prefix.
if _runs_32_bit_programs():
    WINE_ARCH = "win32"
    WINE_LOADER = _WINE_LOADER_32
    _WINDOWS_BIN = os.environ.get("TESSIK_E2E_BIN", _SOURCE_ROOT / "build/windows/bin")
else:
    WINE_ARCH = "win64"
    WINE_LOADER = _WINE_LOADER_64
    _WINDOWS_BIN = os.environ.get("TESSIK_E2E_BIN_X64", _SOURCE_ROOT / "build/windows-x64/bin")

# The Windows build's programs (tessik.exe, the typing target, ...).
WINDOWS_BIN = Path(_WINDOWS_BIN)
# Scratch space of the host build: the Wine prefix and one folder per test.
WORK = Path(os.environ.get("TESSIK_E2E_WORK", _SOURCE_ROOT / "build/host/tests/e2e"))

# The version the programs were built as, when the build says it.
VERSION = os.environ.get("TESSIK_VERSION")

WINE_PREFIX = WORK / f"wineprefix-{WINE_ARCH}"
# Size of the Wine virtual desktop that the programs run in.
DESKTOP_SIZE = (800, 600)
SCREEN_SIZE = (1024, 768)
# The centre of the first notification-area icon: once a program adds one,
# Wine 8 shows a taskbar along the desktop's bottom edge with the icons at
# its right end.
TRAY_ICON = (DESKTOP_SIZE[0] - 10, DESKTOP_SIZE[1] - 10)


def windows_program(name: str) -> Path:
    path = WINDOWS_BIN / name
    if not path.is_file():
        raise FileNotFoundError(f"{path} is missing: build the Windows tree first "
                                "(scripts/test.sh builds both)")
    return path
