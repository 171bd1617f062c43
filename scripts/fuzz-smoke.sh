#!/usr/bin/env bash
# Builds the circuit-file fuzz target with clang and runs it on the seed corpus for
# a short while (FUZZ_SECONDS, default 60). Skipped when clang++-14 is missing;
# exits non-zero when the target finds a crash, a leak or a broken invariant.
# Usage: scripts/fuzz-smoke.sh [build-dir]
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

if ! command -v clang++-14 >/dev/null 2>&1; then
    echo "fuzz-smoke: clang++-14 is not installed; skipped"
    exit 0
fi

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTRA_FUZZ=ON -DLOTRA_DESKTOP=OFF \
      -DLOTRA_TESTS=OFF -DLOTRA_BENCH=OFF >"$build_dir.configure.log" 2>&1 ||
    { cat "$build_dir.configure.log"; exit 1; }
cmake --build "$build_dir" --target fuzz_circuit_file

# The fuzzer adds what it learns to its first folder: work on a copy of the seeds.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/fuzz/corpus/* "$work"/

ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build_dir/fuzz/fuzz_circuit_file" -max_total_time="$seconds" -max_len=16384 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build_dir/" "$work"
