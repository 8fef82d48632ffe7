#!/usr/bin/env bash
# Installs the Debian packages that Kelvara needs, in two sets: what building
# and running the program needs (run.sh), and what its tests need on top
# (test.sh). Does nothing when they are already there. Sourced by both.
set -euo pipefail

# Building and running: the compiler and build tools, Qt 6, the command
# line's libraries, and the fonts the window's layout is measured with.
kelvara_run_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev qt6-l10n-tools qt6-tools-dev
    libcli11-dev nlohmann-json3-dev
    fonts-dejavu-core fonts-liberation2
)

# Testing: the test and benchmark frameworks, clang for the fuzzers, the
# format check, the Russian locale, a virtual display, the report and package
# checks, ngspice for the time-domain model's comparison, and NSIS for the
# Windows installer.
kelvara_test_packages=(
    clang libgtest-dev libgmock-dev libbenchmark-dev clang-format
    locales xvfb xauth python3 poppler-utils
    desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin man-db groff-base
    dpkg-dev file lintian nsis
    # The time-domain model's comparison with a circuit simulator.
    ngspice
)

# The Windows build: the mingw-w64 cross compiler, GoogleTest's sources to
# build with it, and Wine to run its tests with Wine's own fonts, which its
# menus and captions are drawn with (without the desktop packages Wine
# recommends: the window's tests run on Xvfb, above).
kelvara_windows_packages=(g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine)

kelvara_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages named that are missing; extra apt-get options first.
kelvara_install() {
    local options=()
    while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    shift
    local missing=()
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        kelvara_sudo apt-get update -qq
        kelvara_sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq "${options[@]}" "${missing[@]}"
    fi
}

kelvara_install_run_deps() {
    kelvara_install -- "${kelvara_run_packages[@]}"
}

kelvara_install_test_deps() {
    kelvara_install_run_deps
    kelvara_install -- "${kelvara_test_packages[@]}"
    kelvara_install --no-install-recommends -- "${kelvara_windows_packages[@]}"
    # The number-format tests run under a Russian locale.
    if ! locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$'; then
        echo "Generating the ru_RU.UTF-8 locale"
        kelvara_sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | kelvara_sudo tee -a /etc/locale.gen >/dev/null
        kelvara_sudo locale-gen >/dev/null
    fi
}
