#!/usr/bin/env bash
# Builds Kelvara and runs it on the shipped data.
#
# The shipped data root (data/) is copied into a per-user folder the first
# time, and refreshed on later runs without ever overwriting the user's own
# files ("Kelvara.ini", saved designs, added cores). The program then starts
# in its folder under that root, as it expects: the data root is the parent
# of the current folder.
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
targets=(kelvara-calc)
# The window is built when Qt 6 was found.
if cmake --build --preset default --target help 2>/dev/null | grep -q '^kelvara:'; then
    targets+=(kelvara)
fi
cmake --build --preset default -j "$(nproc)" --target "${targets[@]}" >/dev/null

user_root="${KELVARA_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/Kelvara}"
mkdir -p "$user_root"
( cd data && find . -type f ! -name README.md -print0 ) | while IFS= read -r -d '' f; do
    src="data/$f"
    dst="$user_root/$f"
    mkdir -p "$(dirname "$dst")"
    case "$f" in
        *.sav|*.ini|*/UserFerritesCores.txt)
            [ -e "$dst" ] || cp "$src" "$dst" ;;   # the user's own: never overwritten
        *)
            cp "$src" "$dst" ;;                   # shipped reference data: kept current
    esac
done

cd "$user_root/Kelvara"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$repo/build/default/ui/kelvara" ]; then
    exec "$repo/build/default/ui/kelvara"
fi
if [ "$#" -eq 0 ]; then
    set -- "Пример.sav"
fi
echo "Program folder: $user_root/Kelvara"
exec "$repo/build/default/cli/kelvara-calc" "$@"
