# Sourced by the scripts that run the Windows build under Wine. The program
# ships 32-bit and runs as such wherever the kernel runs 32-bit programs;
# elsewhere the 64-bit build of the same source stands in, in a 64-bit
# prefix. Sets windows_preset and exports the loader for wine's commands.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    windows_preset=windows
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
else
    windows_preset=windows-x64
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
fi
# Debian's loader has no preloader to reserve Windows' fixed addresses, and
# it sits at a fixed place with its heap a random distance above it: about
# once in a thousand starts the heap covers the address of the shared user
# data and the start fails ("failed to map the shared user data"). Without
# address randomization the heap always starts where it cannot.
wine() { setarch -R "$WINELOADER" "$@"; }
