#!/bin/sh
# Runs a Windows program of the Win32 window's tests under Wine on a virtual
# display (Xvfb), in the Wine prefix PREFIX of its own, whose desktop is a
# Wine window: Wine draws the windows' frames and activates windows itself, as
# no window manager runs. Exits with the program's status.
#
#   run_on_display.sh PREFIX PROGRAM.exe [ARGUMENT]...
#
# KELVARA_DISPLAY_SIZE (default 1600x1000) is the size of the display and of
# Wine's desktop when the prefix is made.
set -eu
mkdir -p "$1"
prefix=$(cd "$1" && pwd)  # Wine wants it absolute
shift
size=${KELVARA_DISPLAY_SIZE:-1600x1000}
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
    env -u DISPLAY wineboot --init >/dev/null 2>&1
    wineserver -w
fi
if ! grep -q '"Desktop"="Default"' "$prefix/user.reg" 2>/dev/null; then
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    env -u DISPLAY wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
fi
# A Wine server started without the display would serve the programs without it.
wineserver -k 2>/dev/null || true
wineserver -w
exec xvfb-run -a -s "-screen 0 ${size}x24" sh -c 'wine "$@"; status=$?; wineserver -k 2>/dev/null; exit $status' run "$@"
