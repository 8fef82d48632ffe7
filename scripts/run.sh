#!/usr/bin/env bash
# Builds Kelvara (the window and kelvara-calc, no tests), installs it into a
# staging prefix inside the build tree (build/app/stage) and runs the
# installed program from the home folder, as a desktop menu would.
#
# Started outside a program folder, the program uses the per-user data root
# ($KELVARA_HOME, else $XDG_DATA_HOME/Kelvara, else ~/.local/share/Kelvara),
# which it fills from the installed data the first time and keeps current
# afterwards without ever replacing the user's own files ("Kelvara.ini", saved
# designs, added cores).
#
# With a display the window opens; without one kelvara-calc calculates the
# example design and prints the results. Arguments are passed to kelvara-calc
# in that case.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"
source scripts/deps.sh
kelvara_install_run_deps

cmake --preset app >/dev/null
cmake --build --preset app -j "$(nproc)" >/dev/null
stage="$repo/build/app/stage"
cmake --install build/app --prefix "$stage" >/dev/null

cd "$HOME"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$stage/bin/kelvara"
fi
if [ "$#" -eq 0 ]; then
    set -- "Пример.sav"
fi
exec "$stage/bin/kelvara-calc" "$@"
