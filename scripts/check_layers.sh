#!/usr/bin/env bash
# Fails when a layer includes what it must not. From the bottom up:
#   refdata/  (nothing of the others)
#   calc/     refdata/
#   designs/  calc/, refdata/
#   session/  designs/, calc/, refdata/
#   window/   session/ and below
#   cli/      session/ and below (never window/ or ui/)
#   ui/       window/, session/ and Qt (never the plain layers directly)
#   ui_win32/ window/, session/, kelvara/version.h and the Windows headers
#             (never the plain layers directly, never Qt)
# No file outside ui/ includes a Qt header, in any spelling (<QLabel>,
# <QtWidgets/QLabel>); window/ and ui/ include no Windows header; no file
# includes by a relative path ("../x.h").
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
report() {
    echo "layer breach: $1"
    status=1
}

sources() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null
}

# Lists the includes of `folders` that match `pattern`, each as a breach.
breach() {
    local why=$1 pattern=$2
    shift 2
    while IFS= read -r hit; do
        report "$hit ($why)"
    done < <(sources "$@" | xargs -r grep -nE "$pattern" || true)
}

breach "refdata/ is the lowest layer" '#include +"(calc|designs|session|window|ui|cli)/' refdata
breach "calc/ reads only refdata/" '#include +"(designs|session|window|ui|cli)/' calc
breach "designs/ reads only calc/ and refdata/" '#include +"(session|window|ui|cli)/' designs
breach "session/ knows no window" '#include +"(window|ui|cli)/' session
breach "window/ knows no toolkit and no command line" '#include +"(ui|ui_win32|cli)/' window
breach "cli/ works through session/ only" '#include +"(window|ui|ui_win32)/' cli
breach "ui/ goes through window/ and session/" '#include +"(calc|refdata|designs|cli|ui_win32)/' ui
breach "ui_win32/ goes through window/ and session/" '#include +"(calc|refdata|designs|cli|ui)/' ui_win32
breach "Qt outside ui/" '#include +<Q' calc refdata designs session window cli fuzz ui_win32
breach "Windows headers in window/ or ui/" \
    '#include +<(windows|winuser|wingdi|commctrl|commdlg|shellapi|uxtheme|richedit|gdiplus)(\.h)?>' \
    window ui
breach "relative include" '#include +"\.\.?/' calc refdata designs session window ui ui_win32 cli tests bench fuzz

if [ "$status" -eq 0 ]; then echo "layers: no breach"; fi
exit "$status"
