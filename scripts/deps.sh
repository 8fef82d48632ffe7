#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kelvara need.
# Does nothing when they are already there. Sourced by run.sh and test.sh.
set -euo pipefail

kelvara_packages=(
    cmake ninja-build g++ clang pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev clang-format
    locales xvfb xauth fonts-dejavu-core fonts-liberation2 python3 poppler-utils
    # The installed-layout and package checks.
    desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin man-db groff-base
    dpkg-dev file lintian
    # The time-domain model's comparison with a circuit simulator.
    ngspice
)

# The Windows build: the mingw-w64 cross compiler, GoogleTest's sources to
# build with it, and Wine to run its tests (without the desktop packages Wine
# recommends: the tests need no display).
kelvara_windows_packages=(g++-mingw-w64-x86-64-posix googletest wine wine64)

kelvara_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

kelvara_install_deps() {
    local missing=()
    local p
    for p in "${kelvara_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        kelvara_sudo apt-get update -qq
        kelvara_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    fi
    missing=()
    for p in "${kelvara_windows_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$p")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        kelvara_sudo apt-get update -qq
        kelvara_sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    # The number-format tests run under a Russian locale.
    if ! locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$'; then
        echo "Generating the ru_RU.UTF-8 locale"
        kelvara_sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | kelvara_sudo tee -a /etc/locale.gen >/dev/null
        kelvara_sudo locale-gen >/dev/null
    fi
}
