#!/usr/bin/env bash
# Builds the engine benchmark in the host tree and prints its figures: the
# time of one key-down through the keyboard hook (target: under 50 ns) and of
# one key of a word typed phonetically (target: at most 100 ns), the heap
# allocations on those paths (must be 0) and the time to load a layout file
# of 55 records. Arguments go to the benchmark, e.g. --benchmark_filter=Reph.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset host >/dev/null
cmake --build --preset host -j "$(nproc)" --target engine_bench >/dev/null
# The median of five runs, since the machine may be busy with other work.
build/host/bin/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_counters_tabular=true "$@" | grep -v -E '_(mean|stddev|cv) '
