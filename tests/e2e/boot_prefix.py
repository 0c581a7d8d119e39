"""Creates the Wine prefix that every end-to-end test of this run shares.
ctest runs it first (the fixture of all e2e tests)."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from tessik_e2e import config  # noqa: E402
from tessik_e2e.session import make_prefix  # noqa: E402


def main() -> None:
    make_prefix()
    print(f"Wine prefix ready: {config.WINE_PREFIX}")


if __name__ == "__main__":
    main()
