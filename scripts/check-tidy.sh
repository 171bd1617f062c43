#!/usr/bin/env bash
# Runs clang-tidy (the repository's .clang-tidy, every warning an error) over every
# translation unit of ours in a configured build folder, or over the sources named:
#   scripts/check-tidy.sh [build-dir [source.cpp...]]
set -euo pipefail
build_dir=$(realpath "${1:-build}")
source_dir=$(realpath "$(dirname "$0")/..")
[ -f "$build_dir/compile_commands.json" ] ||
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# Qt's generated sources (moc, rcc) must exist before their includers can be read.
cmake --build "$build_dir" --target lotra_canvas_autogen lotra_dialogs_autogen \
    lotra_desktop_autogen >/dev/null 2>&1 || cmake --build "$build_dir" -j "$(nproc)" >/dev/null
sources=("^$source_dir/(?!build)(?!.*_autogen/).*\.cpp$")
if [ $# -gt 1 ]; then
    sources=()
    for source in "${@:2}"; do sources+=("$(realpath "$source")"); done
fi
run-clang-tidy-14 -p "$build_dir" -quiet -j "$(nproc)" "${sources[@]}"
