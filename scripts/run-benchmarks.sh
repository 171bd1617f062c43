#!/usr/bin/env bash
# Runs every benchmark with repetitions and prints the medians.
set -euo pipefail
build_dir=${1:-build}
for bench in "$build_dir"/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.05 | grep -E 'median|^Benchmark|^-'
done
