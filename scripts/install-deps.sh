#!/bin/bash
# Installs the Debian packages the game needs to build and run, and with --test
# those its test suite needs too. Only asks apt when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev qt6-qpa-plugins
    fonts-liberation2
    libsdl2-mixer-dev
    libfluidsynth-dev timgm6mb-soundfont
)
test_packages=(
    xvfb xauth xdotool imagemagick clang-format poppler-utils
    desktop-file-utils appstream dpkg-dev file groff-base
    clang-14 libclang-rt-14-dev
)
bench_packages=(
    libbenchmark-dev xvfb pulseaudio libxtst-dev
)
[ "${1:-}" = --test ] && packages+=("${test_packages[@]}")
[ "${1:-}" = --bench ] && packages+=("${bench_packages[@]}")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
