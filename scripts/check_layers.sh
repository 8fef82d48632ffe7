#!/usr/bin/env bash
# Fails when a layer includes what it must not: the plain layers (calc/,
# refdata/, designs/) nothing of window/, ui/ or cli/; no file outside ui/ a
# Qt header; ui/ nothing of the plain layers directly (it goes through window/).
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

while IFS= read -r hit; do
    report "$hit"
done < <(sources calc refdata designs | xargs grep -nE '#include +"(window|ui|cli)/' || true)

while IFS= read -r hit; do
    report "$hit (Qt outside ui/)"
done < <(sources calc refdata designs window cli fuzz | xargs grep -nE '#include +<Q[A-Za-z]*>' || true)

while IFS= read -r hit; do
    report "$hit (ui/ includes only window/, ui/ and Qt)"
done < <(sources ui | xargs grep -nE '#include +"(calc|refdata|designs|cli)/' || true)

while IFS= read -r hit; do
    report "$hit (refdata/ is the lowest layer)"
done < <(sources refdata | xargs grep -nE '#include +"(calc|designs)/' || true)

while IFS= read -r hit; do
    report "$hit (calc/ reads only refdata/)"
done < <(sources calc | xargs grep -nE '#include +"designs/' || true)

if [ "$status" -eq 0 ]; then echo "layers: no breach"; fi
exit "$status"
