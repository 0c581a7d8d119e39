#!/usr/bin/env bash
# Builds Tessik and types a sample sentence through the engine with the
# Default layout, showing what arrives in a text box.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset host >/dev/null
cmake --build --preset host -j "$(nproc)" --target tessik-cli
build/host/bin/tessik-cli type "${@:-ami banGla likhi}"
