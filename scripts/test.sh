#!/usr/bin/env bash
# Builds and runs the whole test suite twice (a normal build, and one under
# AddressSanitizer and UndefinedBehaviorSanitizer), then runs each fuzzer for a
# bounded time, and last builds the Windows programs and runs their tests under
# Wine. Fails when any of them fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kelvara_install_test_deps

jobs=$(nproc)

echo "== code format and layers =="
# Every C++ source follows .clang-format; the layers include only downwards.
find calc refdata designs session window ui ui_win32 cli tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 \
    | xargs -0 clang-format --dry-run -Werror
./scripts/check_layers.sh

echo "== every text outside the Qt windows has its English entry =="
python3 scripts/check_translations.py

echo "== shipped data and help text match their sources =="
python3 tools/generate_data.py --check
python3 tools/make_help.py --check

fuzz_seconds=${KELVARA_FUZZ_SECONDS:-20}

echo "== normal build (warnings are errors) =="
cmake --preset default -DKELVARA_WERROR=ON >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

echo "== the design report: HTML balanced, SVG well-formed, every result text in it =="
report_dir=$(mktemp -d)
calc="$PWD/build/default/cli/kelvara-calc"
cp -r data "$report_dir/data"
(cd "$report_dir/data/Kelvara" \
    && "$calc" --report "$report_dir/report.html" Пример.sav >/dev/null \
    && "$calc" --json Пример.sav >"$report_dir/results.json")
python3 tests/tools/check_report.py "$report_dir/report.html" "$report_dir/results.json"
rm -rf "$report_dir"

echo "== the Windows icon matches its SVG =="
icon_dir=$(mktemp -d)
QT_QPA_PLATFORM=offscreen build/default/tools/icon/kelvara-icon resources/kelvara.svg \
    "$icon_dir/kelvara.ico" 2>/dev/null
cmp resources/kelvara.ico "$icon_dir/kelvara.ico" \
    || { echo "resources/kelvara.ico is not its SVG's: run build/default/tools/icon/kelvara-icon resources/kelvara.svg resources/kelvara.ico"; exit 1; }
rm -rf "$icon_dir"

echo "== installed layout: install rules, desktop files, Debian package, unpacked programs =="
./scripts/check_package.sh build/default

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== fuzzers (${fuzz_seconds} s each) =="
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fuzzers=0
for f in build/fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    seeds=fuzz/corpus/"${name#fuzz_}"
    if [ -z "$(ls -A "$seeds" 2>/dev/null)" ]; then
        echo "$name has no seed corpus in $seeds"
        exit 1
    fi
    fuzzers=$((fuzzers + 1))
    corpus=$(mktemp -d)
    cp "$seeds"/* "$corpus"/
    echo "-- $name"
    "$f" -max_total_time="$fuzz_seconds" -max_len=65536 -rss_limit_mb=2048 "$corpus" 2>"$corpus.log" \
        || { tail -50 "$corpus.log"; echo "$name found a fault"; exit 1; }
    grep -E '^(#[0-9]+ +DONE|Done)' "$corpus.log" | tail -1 || true
    rm -rf "$corpus" "$corpus.log"
done
if [ "$fuzzers" -eq 0 ]; then
    echo "no fuzzer was built"
    exit 1
fi

echo "== Windows build (mingw-w64): plain layers, kelvara-calc, the window and their tests under Wine =="
# Wine runs the plain layers' tests without a display, quietly, in a prefix of
# its own in the build folder, which its first start makes without asking
# anything; the window's tests run on a virtual display in a second prefix
# (tests/ui_win32/run_on_display.sh).
(
    export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY WAYLAND_DISPLAY
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j "$jobs"
    mkdir -p "$WINEPREFIX"
    wineserver -k 2>/dev/null || true  # one left by an interrupted run
    wineserver -w
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1
        wineserver -w
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    trap 'wineserver -k || true' EXIT
    # Wine's own services start with the first program and outlive it; started
    # here they hold no test's output open (ctest would wait for them).
    wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1
    ctest --preset windows -j "$jobs"
)

echo "== Windows packages; the window under Wine against the Linux window; installer =="
cmake --build --preset windows --target windows_packages
./scripts/check_windows_window.sh build/default build/windows
echo "All test runs passed."
