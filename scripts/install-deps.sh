#!/usr/bin/env bash
# Installs what building and testing Tessik needs on Debian 12, when missing.
set -euo pipefail

packages=(
    cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
    wine wine32 wine64 xvfb xdotool x11-utils imagemagick
    fonts-lohit-beng-bengali fonts-wine fonts-liberation fp-utils libchm-bin python3 python3-tk
    pango1.0-tools fontconfig librsvg2-bin nsis
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# wine32 is an i386 package.
$sudo dpkg --add-architecture i386
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
