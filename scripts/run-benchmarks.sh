#!/usr/bin/env bash
# Runs every benchmark with repetitions and prints the medians.
set -euo pipefail
build_dir=${1:-build}
ran=0
# Only the programs: the bench folder also holds CMake's own folders (bench_*_autogen).
for bench in "$build_dir"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.05 | grep -E 'median|^Benchmark|^-'
    ran=$((ran + 1))
done
if [ "$ran" = 0 ]; then
    echo "no benchmarks in $build_dir/bench (configure with -DLOTRA_BENCH=ON and build)" >&2
    exit 1
fi
