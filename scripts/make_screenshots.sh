#!/usr/bin/env bash
# Takes the screenshots of both windows for the README, under a virtual
# display, in a fresh copy of the shipped program folder:
#   docs/screenshots/linux/*.png    the Qt window (tools/screenshots)
#   docs/screenshots/windows/*.png  the Win32 window under Wine (ui_win32/screenshots.cpp)
#   docs/screenshots/windows/main-150percent.png  the same at 144 dots per inch
#
#   scripts/make_screenshots.sh [LINUX_BUILD [WINDOWS_BUILD]]
set -euo pipefail
cd "$(dirname "$0")/.."
linux=$(cd "${1:-build/default}" && pwd)
windows=$(cd "${2:-build/windows}" && pwd)
out="$PWD/docs/screenshots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/linux" "$out/windows"

cp -r data "$work/linux"
(cd "$work/linux/Kelvara" && xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$linux/tools/screenshots/kelvara-screenshots" "$out/linux" 2>/dev/null)

cp -r data "$work/windows"
# The folder as Wine names it: Z: is the Unix root.
target="Z:$(printf '%s' "$out/windows" | tr / '\\')"
runner="$PWD/tests/ui_win32/run_on_display.sh"
(cd "$work/windows/Kelvara" && "$runner" \
    "$windows/wineprefix-display" "$windows/ui_win32/kelvara-screenshots.exe" "$target" \
    2>/dev/null)

# At 150 % (144 dots per inch), in a prefix of its own with a larger desktop.
prefix150="$windows/wineprefix-display-150"
if [ ! -f "$prefix150/user.reg" ]; then
    KELVARA_DISPLAY_SIZE=2400x1400 "$runner" "$prefix150" cmd.exe /c exit 0 >/dev/null 2>&1 || true
    WINEPREFIX="$prefix150" WINEDEBUG=-all wine reg add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    WINEPREFIX="$prefix150" wineserver -k 2>/dev/null || true
fi
rm -rf "$work/windows150" "$work/shots150"
cp -r data "$work/windows150"
(cd "$work/windows150/Kelvara" && KELVARA_DISPLAY_SIZE=2400x1400 "$runner" "$prefix150" \
    "$windows/ui_win32/kelvara-screenshots.exe" "Z:$(printf '%s' "$work/shots150" | tr / '\\')" \
    >/dev/null 2>&1)
cp "$work/shots150/main.png" "$out/windows/main-150percent.png"
echo "wrote $out/windows/main-150percent.png"
