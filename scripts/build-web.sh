#!/usr/bin/env bash
# Builds the page with Emscripten into the folder given (default build-web):
# lotra.html, one file with everything inside, and the font's licence beside it.
set -euo pipefail
build_dir=${1:-build-web}
jobs=${2:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
# Debian's em++ finds its JavaScript tools (acorn) only through Debian's node path.
export NODE_PATH=/usr/share/nodejs
mkdir -p "$build_dir"
# Graphviz for the web comes into the page from npm, at the version web/page pins.
[ -f "$root/web/page/node_modules/@viz-js/viz/dist/viz-global.js" ] ||
    (cd "$root/web/page" && npm ci --no-audit --no-fund --silent)
emcmake cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLOTRA_DESKTOP=OFF -DLOTRA_TESTS=OFF -DLOTRA_BENCH=OFF \
    > "$build_dir/configure.log" 2>&1 || { cat "$build_dir/configure.log"; exit 1; }
cmake --build "$build_dir" -j "$jobs" --target lotra_page
ls -l "$build_dir/lotra.html"
