#!/usr/bin/env bash
# Builds Tessik and types a sample sentence through the engine with the
# Default layout, showing the Latin keys pressed and what arrives in a text
# box. Give your own keys as arguments to type something else.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset host >/dev/null
cmake --build --preset host -j "$(nproc)" --target tessik-cli tessik-layouts

# "Amar sonar bangla, ami tomay bhalobashi." (My golden Bengal, I love you.)
if [ $# -eq 0 ]; then
    set -- 'famar sonar baMla, fami tomaY Balobasi\'
fi
echo "Keys:  $*"
printf 'Typed: '
build/host/bin/tessik-cli type "$@"
