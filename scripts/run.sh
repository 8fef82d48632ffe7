#!/usr/bin/env bash
# Builds Kelvara, installs it into a staging prefix inside the build tree
# (build/default/stage) and runs the installed program from the home folder,
# as a desktop menu would.
#
# Started outside a program folder, the program uses the per-user data root
# ($KELVARA_HOME, else $XDG_DATA_HOME/Kelvara, else ~/.local/share/Kelvara),
# which it fills from the installed data the first time and keeps current
# afterwards without ever replacing the user's own files ("Kelvara.ini", saved
# designs, added cores).
#
# With a display the window opens; without one (or when the window could not
# be built) kelvara-calc calculates the example design and prints the results.
# Arguments are passed to kelvara-calc in that case.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cd "$repo"
source scripts/deps.sh
kelvara_install_deps

cmake --preset default >/dev/null
targets=(kelvara-calc kelvara_documents)
# The window is built when Qt 6 was found.
if cmake --build --preset default --target help 2>/dev/null | grep -q '^kelvara:'; then
    targets+=(kelvara)
fi
cmake --build --preset default -j "$(nproc)" --target "${targets[@]}" >/dev/null
stage="$repo/build/default/stage"
cmake --install build/default --prefix "$stage" >/dev/null

cd "$HOME"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$stage/bin/kelvara" ]; then
    exec "$stage/bin/kelvara"
fi
if [ "$#" -eq 0 ]; then
    set -- "Пример.sav"
fi
exec "$stage/bin/kelvara-calc" "$@"
