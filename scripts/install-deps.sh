#!/usr/bin/env bash
# Installs the Debian packages that are missing. "run" installs what building and
# running the program needs; "test" adds what the tests need; "web" what building
# the web page needs (Emscripten, and Chromium with node for its browser test).
set -euo pipefail

build_packages=(cmake g++ make ninja-build qt6-base-dev qt6-svg-dev libgl-dev
                qt6-translations-l10n fonts-liberation fonts-dejavu-core)
test_packages=(libgtest-dev googletest libbenchmark-dev xvfb xauth xdotool imagemagick
               x11-utils jwm clang-14 clang-tidy-14 clang-format-14 libclang-rt-14-dev gtkwave
               desktop-file-utils dpkg-dev valgrind librsvg2-bin poppler-utils)
web_packages=(emscripten python3 chromium nodejs)

wanted=("${build_packages[@]}")
case "${1:-run}" in
    test) wanted+=("${test_packages[@]}" "${web_packages[@]}") ;;
    web) wanted=(ninja-build cmake fonts-liberation "${web_packages[@]}") ;;
esac

# The browser test drives Chromium with puppeteer-core from npm.
install_browser_driver() {
    local folder
    folder="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
    [ -d "$folder/node_modules/puppeteer-core" ] && return 0
    echo "Installing puppeteer-core into tests/web"
    npm ci --prefix "$folder" --no-audit --no-fund --silent
}

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    [ "${1:-run}" = test ] && install_browser_driver
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
[ "${1:-run}" = test ] && install_browser_driver
exit 0
