#!/usr/bin/env bash
# Measures tessik.exe under Wine: key-to-character latency translated vs.
# system default, 2,000 keys at xdotool's fastest rate, the program's size
# and memory. Builds both trees first; takes about two minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source scripts/wine-arch.sh

jobs=$(nproc)
cmake --preset host >/dev/null
cmake --build --preset host -j "$jobs" --target tessik-cli tessik-layouts
cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" -j "$jobs"

export TESSIK_E2E_BIN=$PWD/build/windows/bin TESSIK_E2E_BIN_X64=$PWD/build/windows-x64/bin
export TESSIK_E2E_HOST_BIN=$PWD/build/host/bin
export TESSIK_E2E_WORK=$PWD/build/host/measure
python3 -B tests/e2e/boot_prefix.py
cd tests/e2e && python3 -B measure_tessik.py
