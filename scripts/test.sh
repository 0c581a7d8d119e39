#!/usr/bin/env bash
# Runs every test: builds the Linux host tree (unit tests) and the 32-bit and
# 64-bit Windows trees with their zips and installers, then runs the tests.
# Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
cmake --preset host-ci
cmake --build --preset host-ci -j "$jobs"
cmake --preset windows-ci
cmake --build --preset windows-ci -j "$jobs"
cmake --build --preset windows-ci --target installer
cmake --preset windows-x64-ci
cmake --build --preset windows-x64-ci -j "$jobs"
cmake --build --preset windows-x64-ci --target installer

ctest --preset host-ci -j "$jobs"

# The engine tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# so that the layout reader's fuzz test also catches any read outside a buffer.
cmake --preset host-sanitize
cmake --build --preset host-sanitize -j "$jobs" --target engine_tests
build/host-sanitize/bin/engine_tests --gtest_brief=1
