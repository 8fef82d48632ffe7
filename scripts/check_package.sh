#!/usr/bin/env bash
# Checks the installed program as a user gets it, from an existing build
# (default: build/default, built and tested already):
#   - the menu entry, the AppStream data, the design-file type and the manual
#     pages pass their validators;
#   - CPack builds the Debian package, lintian finds no error or warning in it, and it
#     installs exactly the shipped data root;
#   - the package's kelvara-calc and window, unpacked into a temporary folder
#     and started from a temporary home with a current folder outside any
#     program folder, fill the per-user data root themselves and calculate the
#     example design; the window shows the results kelvara-calc prints;
#   - design files get their own type, other ".sav" files do not.
# Prints the package's size and lintian's full output.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$repo/build/default}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "package check failed: $*" >&2
    exit 1
}

app_id=$(sed -n 's/^KELVARA_APP_ID:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$app_id" ] || fail "no KELVARA_APP_ID in $build/CMakeCache.txt"
generated="$build/packaging"

echo "-- desktop entry, AppStream data, design-file type, manual pages"
desktop-file-validate "$generated/$app_id.desktop"
appstreamcli validate --no-net "$generated/$app_id.metainfo.xml"
xmllint --noout "$generated/$app_id.xml"
for page in kelvara.1 kelvara-calc.1; do
    # What lintian runs, with every warning of groff made an error.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$generated/$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

echo "-- Debian package"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/packages/kelvara_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Package Version Section Maintainer Depends Recommends
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no Qt dependency computed"
echo "lintian:"
lintian --display-info "$deb" 2>&1 | grep -v '^running with root privileges' | tee "$work/lintian.log" || true
if grep -qE '^(E|W): ' "$work/lintian.log"; then fail "lintian reports errors or warnings"; fi
echo "(end of lintian's output)"

unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"
usr="$unpacked/usr"
for f in bin/kelvara bin/kelvara-calc "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" "share/mime/packages/$app_id.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man1/kelvara.1.gz \
    share/man/man1/kelvara-calc.1.gz share/doc/kelvara/copyright share/doc/kelvara/changelog.gz; do
    [ -f "$usr/$f" ] || fail "the package lacks /usr/$f"
done
# The data root holds exactly the shipped reference files (nothing a run
# left in data/, nothing forgotten).
if git -C "$repo" rev-parse --git-dir >/dev/null 2>&1; then
    diff <(git -C "$repo/data" -c core.quotePath=false ls-files | grep -v '^README.md$' | sort) \
        <(cd "$usr/share/kelvara" && find . -type f | sed 's|^\./||' | sort) \
        || fail "share/kelvara differs from the shipped data/ (left: data/, right: package)"
fi

echo "-- the unpacked programs from a fresh home"
home="$work/home"
elsewhere="$work/elsewhere"  # no "Wire.txt" in its parent
mkdir -p "$home" "$elsewhere"
run() {
    (cd "$elsewhere" && env -u KELVARA_HOME -u XDG_DATA_HOME HOME="$home" \
        QT_QPA_PLATFORM=offscreen "$@")
}
run "$usr/bin/kelvara-calc" --json Пример.sav >"$work/calc.json" || fail "kelvara-calc"
user_root="$home/.local/share/Kelvara"
[ -f "$user_root/Wire.txt" ] && [ -f "$user_root/Kelvara/Пример.sav" ] \
    || fail "kelvara-calc did not fill $user_root"
run "$usr/bin/kelvara-calc" Пример.sav >"$work/calc.txt" || fail "kelvara-calc (table)"

# The window fills a root of its own, then opens the example design given on
# its command line; both times it shows results and says nothing.
rm -rf "$home" && mkdir -p "$home"
run "$usr/bin/kelvara" --start-check >"$work/window-first.txt" 2>"$work/window.err" \
    || { cat "$work/window-first.txt" "$work/window.err"; fail "the window did not start"; }
[ -f "$user_root/Kelvara/Kelvara.ini" ] || fail "the window did not fill $user_root"
run "$usr/bin/kelvara" --start-check Пример.sav >"$work/window.txt" 2>>"$work/window.err" \
    || { cat "$work/window.txt" "$work/window.err"; fail "the window did not open Пример.sav"; }
head -n 8 "$work/window.txt"
python3 - "$work/calc.json" "$work/calc.txt" "$work/window.txt" <<'EOF'
import json, re, sys
calc = json.load(open(sys.argv[1], encoding="utf-8"))
table = open(sys.argv[2], encoding="utf-8").read().splitlines()
window = open(sys.argv[3], encoding="utf-8").read().splitlines()
assert calc["calculated"] and calc["check"]["done"], "kelvara-calc did not calculate"
rows = [l for l in window if ": " in l and not l.startswith(("Program folder:", "Window:"))]
assert len(rows) >= 20, f"the window printed {len(rows)} result rows"
for row in rows:
    label, value = row.split(": ", 1)
    assert value.strip(), f"the window shows no value for {label!r}"
    # kelvara-calc prints the same row: label, then the value and unit.
    pattern = re.compile(r"^  " + re.escape(label) + r" +" + re.escape(value) + r"$")
    assert any(pattern.match(l) for l in table), f"kelvara-calc differs on {row!r}"
print(f"window and kelvara-calc agree on {len(rows)} result rows")
EOF

echo "-- design-file type"
mime="$work/mime"
mkdir -p "$mime/mime/packages" "$work/files"
cp "$usr/share/mime/packages/$app_id.xml" "$mime/mime/packages/"
XDG_DATA_HOME="$mime" update-mime-database "$mime/mime"
type_of() { XDG_DATA_HOME="$mime" gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'; }
# Every one of the 23 design keys may begin a design file (the later keys,
# tdead, coss, ..., follow them and make no design file alone).
python3 - "$work/calc.json" "$work/files" <<'EOF'
import json, sys
keys = list(json.load(open(sys.argv[1], encoding="utf-8"))["inputs"].keys())[:23]
assert keys[0] == "core" and keys[-1] == "yes_d", keys
for i, key in enumerate(keys):
    for j, sep in enumerate(["\t= 1", " = 1", "=1"]):
        with open(f"{sys.argv[2]}/key{i}_{j}.sav", "wb") as f:
            f.write(b"\xff\xfe" + (key + sep + "\r\n").encode("utf-16-le"))
EOF
cp "$user_root/Kelvara/Пример.sav" "$work/files/"
designs=0
for f in "$work/files"/*.sav; do
    [ "$(type_of "$f")" = application/x-kelvara-design ] || fail "$(basename "$f") is not a design file"
    designs=$((designs + 1))
done
printf 'core = E 40\r\n' >"$work/other-utf8.sav"
printf '\xff\xfeX\x00=\x00' >"$work/other-utf16.sav"
printf '$FL2 a statistics file' >"$work/other-spss.sav"
for f in "$work"/other-*.sav; do
    [ "$(type_of "$f")" != application/x-kelvara-design ] || fail "$(basename "$f") taken for a design"
done
echo "$designs design files recognised, 3 other .sav files left alone"
echo "package check passed"
