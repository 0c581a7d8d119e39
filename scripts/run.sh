#!/usr/bin/env bash
# Installs the packages it needs when they are missing, builds tessik.exe,
# then runs it under Wine, in a virtual desktop beside a text window to type
# into.
#
# With a display: the desktop opens as a window. Click into the text window,
# press Ctrl+Alt+Space (or click the icon at the bottom right) and type
# Bengali; see the Default layout in README.md. Press Enter here to stop.
#
# Without a display: it starts its own virtual display, types a sample
# sentence through the real keyboard hook, saves a screenshot and says
# where. Give your own keys as arguments to type something else.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
source scripts/wine-arch.sh

cmake --preset "$windows_preset" >/dev/null
cmake --build --preset "$windows_preset" -j "$(nproc)" --target tessik typing-target tessik-layouts

# "Amar sonar bangla, ami tomay bhalobashi." (My golden Bengal, I love you.)
if [ $# -eq 0 ]; then
    set -- 'famar sonar baMla, fami tomaY Balobasi\'
fi
keys="$*"

bin=$PWD/build/$windows_preset/bin
run=$PWD/build/run
mkdir -p "$run"
export WINEPREFIX=$run/wineprefix-$WINEARCH WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
desktop=Tessik,800x600
xvfb=""

stop() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    # Xvfb picks a free display number and writes it to the pipe.
    fifo=$run/display.fifo
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=:$number
    headless=yes
else
    headless=""
fi

if [ ! -d "$WINEPREFIX" ]; then
    echo "Preparing a Wine prefix in $WINEPREFIX (once, about 20 s)..."
    wine wineboot -i >/dev/null 2>&1
    # Wine's fallback font for Bengali is Windows' Vrinda, which it lacks.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Vrinda /d 'Lohit Bengali' /f \
        >/dev/null 2>&1
fi

text=$run/typed.txt
ready=$run/target.ready
focus=$run/target.focus
rm -f "$text" "$ready" "$focus"
windows_path() { echo "Z:${1//\//\\}"; }
wine explorer /desktop="$desktop" "$bin/tessik.exe" >"$run/tessik.log" 2>&1 &
wine explorer /desktop="$desktop" "$bin/typing-target.exe" "$(windows_path "$text")" \
    "$(windows_path "$run/keys.log")" "$(windows_path "$ready")" "$(windows_path "$focus")" \
    >"$run/target.log" 2>&1 &

# Waits until the command succeeds, for 30 s at most.
wait_for() {
    for _ in $(seq 150); do "$@" && return 0; sleep 0.2; done
    echo "Gave up waiting for: $*" >&2
    return 1
}
# The tray icon at the desktop's bottom right: none yet, grey in the system
# default mode, green in the native mode.
tray_icon() {
    import -window root -crop 16x16+782+582 +repage "$run/tray.png"
    convert "$run/tray.png" -format '%k %[fx:mean.g-mean.r>0.15?1:0]' info: |
        awk '{ print ($1 <= 2) ? "none" : ($2 ? "native" : "system-default") }'
}
tray_icon_is() { [ "$(tray_icon)" = "$1" ]; }
wait_for test -s "$ready"

if [ -z "$headless" ]; then
    echo "Tessik runs in the Wine desktop window. Click into the text window, press"
    echo "Ctrl+Alt+Space and type, for example: $keys"
    read -r -p "Press Enter here to stop. "
    exit 0
fi

# The desktop lies at the top left of the virtual display; with no window
# manager, only a real click gives the text window the focus.
wait_for tray_icon_is system-default
read -r left top right bottom <"$ready"
xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
wait_for grep -q 1 "$focus"
xdotool key ctrl+alt+space
wait_for tray_icon_is native
predicted=$(build/$windows_preset/host-tools/bin/tessik-cli type --layout "$bin/Layouts/Default" "$@")
xdotool type --delay 40 -- "$keys"
wait_for test "$(cat "$text")" = "$predicted" || true
screenshot=$run/tessik-typing.png
import -window root -crop 800x600+0+0 "$screenshot"
echo "Keys:          $keys"
echo "tessik.exe:    $(cat "$text")"
echo "tessik-cli:    $predicted"
echo "Screenshot:    $screenshot"
