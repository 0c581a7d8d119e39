#!/usr/bin/env bash
# Runs every test: builds the Linux host tree (unit tests) and the 32-bit
# Windows tree, then runs the tests. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
cmake --preset host-ci
cmake --build --preset host-ci -j "$jobs"
cmake --preset windows-ci
cmake --build --preset windows-ci -j "$jobs"

ctest --preset host-ci -j "$jobs"
