#!/usr/bin/env bash
# Installs the Debian packages that are missing. "run" installs what building and
# running the program needs; "test" adds what the tests need.
set -euo pipefail

build_packages=(cmake g++ make ninja-build qt6-base-dev qt6-svg-dev libgl-dev
                qt6-translations-l10n fonts-liberation fonts-dejavu-core)
test_packages=(libgtest-dev googletest libbenchmark-dev xvfb xauth xdotool imagemagick
               x11-utils jwm clang-14 clang-tidy-14 clang-format-14 libclang-rt-14-dev gtkwave
               desktop-file-utils dpkg-dev valgrind librsvg2-bin poppler-utils)

wanted=("${build_packages[@]}")
if [ "${1:-run}" = test ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
