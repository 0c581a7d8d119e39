"""Where the end-to-end tests find the Windows programs and keep their files."""

import os
from pathlib import Path

_SOURCE_ROOT = Path(__file__).resolve().parents[3]

# The Windows build's programs (tessik.exe, the typing target, ...).
WINDOWS_BIN = Path(os.environ.get("TESSIK_E2E_BIN", _SOURCE_ROOT / "build/windows/bin"))
# Scratch space of the host build: the Wine prefix and one folder per test.
WORK = Path(os.environ.get("TESSIK_E2E_WORK", _SOURCE_ROOT / "build/host/tests/e2e"))

# The version the programs were built as, when the build says it.
VERSION = os.environ.get("TESSIK_VERSION")

WINE_PREFIX = WORK / "wineprefix"
# The programs are 32-bit; a 32-bit prefix boots faster and is half the size.
WINE_ARCH = "win32"
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
                                "(cmake --preset windows-ci && cmake --build --preset windows-ci)")
    return path
