#!/usr/bin/env bash
# Installs the Debian packages that are missing. "run" installs what building and
# running the program needs; "test" adds what the tests need; "web" what building
# the web page needs (Emscripten, and Chromium with node for its browser test).
set -euo pipefail

build_packages=(cmake g++ make ninja-build qt6-base-dev qt6-svg-dev libgl-dev libgraphviz-dev
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

# The npm packages of a folder, as its package-lock.json pins them, unless the one
# named is there already.
install_npm_folder() {
    local folder
    folder="$(cd "$(dirname "$0")/.." && pwd)/$1"
    [ -d "$folder/node_modules/$2" ] && return 0
    echo "Installing $2 and what it needs into $1"
    npm ci --prefix "$folder" --no-audit --no-fund --silent
}

# The browser test drives Chromium with puppeteer-core; the page's modules are
# type-checked with TypeScript and linted with ESLint (scripts/check-page.sh).
install_npm_packages() {
    install_npm_folder tests/web puppeteer-core
    install_npm_folder web/page typescript
}

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    [ "${1:-run}" = test ] && install_npm_packages
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
[ "${1:-run}" = test ] && install_npm_packages
exit 0
