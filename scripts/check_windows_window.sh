#!/usr/bin/env bash
# Checks the Windows window and its packages under Wine on a virtual display:
#   1. kelvara.exe --start-check prints byte for byte what the Linux window's
#      --start-check prints, in the same program folder (its name converted
#      back from Wine's spelling);
#   2. the installer installs silently for the current user (the Start menu
#      entry, the uninstaller, the ".sav" file type), and the installed
#      program started once from an ordinary folder uses %APPDATA%\Kelvara,
#      filled from the installed data, and shows the same results; the
#      uninstaller then removes it all but the user's files;
#   3. the portable archive's program, started from another folder, uses the
#      program folder beside it.
#
#   scripts/check_windows_window.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
cd "$(dirname "$0")/.."
linux=$(cd "$1" && pwd)
windows=$(cd "$2" && pwd)
run="$PWD/tests/ui_win32/run_on_display.sh"
prefix="$windows/wineprefix-display"
version=$(sed -n 's/^project(Kelvara VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$windows/packages/Kelvara-$version-win64-setup.exe"
zip="$windows/packages/Kelvara-$version-win64.zip"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "check_windows_window: $*" >&2
    exit 1
}

# Wine's name of a folder, as the Unix path it stands for.
unix_path() {
    WINEPREFIX="$prefix" WINEDEBUG=-all winepath -u "$1" 2>/dev/null | sed 's:/*$::'
}

# The report with its program folder line in Unix spelling.
unix_report() {
    local first rest folder
    first=$(head -n 1 "$1")
    rest=$(tail -n +2 "$1"; echo x)
    folder=${first#Program folder: }
    printf 'Program folder: %s\n%s' "$(unix_path "$folder")" "${rest%x}"
}

echo "-- --start-check: the Win32 window against the Linux window"
cp -r data "$work/data"
(cd "$work/data/Kelvara" && QT_QPA_PLATFORM=offscreen "$linux/ui/kelvara" --start-check \
    >"$work/linux.txt" 2>/dev/null) || fail "the Linux window's --start-check failed"
(cd "$work/data/Kelvara" && "$run" "$prefix" "$windows/ui_win32/kelvara.exe" --start-check \
    >"$work/windows.txt" 2>"$work/windows.err") || {
    cat "$work/windows.txt" "$work/windows.err"
    fail "kelvara.exe --start-check failed"
}
unix_report "$work/windows.txt" >"$work/windows-unix.txt"
if ! cmp -s "$work/linux.txt" "$work/windows-unix.txt"; then
    diff "$work/linux.txt" "$work/windows-unix.txt" || true
    fail "the two windows print different results"
fi
echo "same $(wc -c <"$work/linux.txt") bytes, $(wc -l <"$work/linux.txt") lines"

echo "-- the installer, silently, for the current user"
users="$prefix/drive_c/users/$(id -un)"
installed="$users/AppData/Local/Programs/Kelvara"
user_root="$users/AppData/Roaming/Kelvara"
# An uninstaller runs from a copy of itself unless told where it stands
# (_?=): then it ends before it returns, and stays itself.
installed_windows='C:\users\'"$(id -un)"'\AppData\Local\Programs\Kelvara'
uninstall() {
    "$run" "$prefix" "$installed/Uninstall.exe" /CurrentUser /S "_?=$installed_windows" \
        >/dev/null 2>&1 || true
}
if [ -f "$installed/Uninstall.exe" ]; then uninstall; fi
rm -rf "$installed" "$user_root"
"$run" "$prefix" "$setup" /S /CurrentUser >/dev/null 2>&1 || fail "the installer failed"
for f in bin/kelvara.exe bin/kelvara-calc.exe Uninstall.exe share/kelvara/Wire.txt \
    "share/kelvara/Kelvara/Пример.sav" share/doc/kelvara/LICENSE.txt; do
    [ -f "$installed/$f" ] || fail "not installed: $f"
done
[ -f "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kelvara.lnk" ] ||
    fail "no Start menu entry"
grep -q '^\[Software\\\\Classes\\\\.sav\]' "$prefix/user.reg" || fail "no .sav file type"
grep -Fq '"\"C:\\users\\'"$(id -un)"'\\AppData\\Local\\Programs\\Kelvara\\bin\\kelvara.exe\" \"%1\""' \
    "$prefix/user.reg" || fail ".sav files do not open with kelvara.exe"

echo "-- the installed program, started once from an ordinary folder"
mkdir -p "$work/somewhere"
(cd "$work/somewhere" && "$run" "$prefix" "$installed/bin/kelvara.exe" --start-check \
    >"$work/installed.txt" 2>/dev/null) || {
    cat "$work/installed.txt"
    fail "the installed program failed"
}
[ "$(head -n 1 "$work/installed.txt")" = 'Program folder: C:\users\'"$(id -un)"'\AppData\Roaming\Kelvara\Kelvara' ] ||
    fail "the installed program does not use %APPDATA%\\Kelvara: $(head -n 1 "$work/installed.txt")"
cmp -s <(tail -n +2 "$work/linux.txt") <(tail -n +2 "$work/installed.txt") ||
    fail "the installed program shows other results"
[ -f "$user_root/Kelvara/Пример.sav" ] || fail "the per-user root was not filled"

echo "-- the uninstaller"
uninstall
[ ! -e "$installed/bin/kelvara.exe" ] || fail "the uninstaller left the programs"
[ ! -e "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kelvara.lnk" ] ||
    fail "the uninstaller left the Start menu entry"
! grep -q 'Kelvara.Design' "$prefix/user.reg" || fail "the uninstaller left the file type"
[ -f "$user_root/Kelvara/Kelvara.ini" ] || fail "the uninstaller removed the user's files"

echo "-- the portable archive, started from another folder"
(cd "$work" && cmake -E tar xf "$zip")
(cd "$work/somewhere" && "$run" "$prefix" "$work/Kelvara-$version-win64/kelvara.exe" --start-check \
    >"$work/portable.txt" 2>/dev/null) || fail "the portable program failed"
[ "$(unix_path "$(head -n 1 "$work/portable.txt" | sed 's/^Program folder: //')")" = \
    "$work/Kelvara-$version-win64/Kelvara" ] ||
    fail "the portable program does not use its own folder: $(head -n 1 "$work/portable.txt")"
cmp -s <(tail -n +2 "$work/linux.txt") <(tail -n +2 "$work/portable.txt") ||
    fail "the portable program shows other results"
echo "Windows window and packages: fine"
