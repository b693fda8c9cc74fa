#!/bin/bash
# Builds the release preset with the benchmarks and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake --preset release >/dev/null
cmake --build --preset release --target bench_floodfill bench_release
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
echo "== Flood fill (goal: whole empty area under 150 us)"
build-release/bench/bench_floodfill --benchmark_min_time=0.5
echo "== One release, handler plus repaint"
build-release/bench/bench_release --benchmark_min_time=0.5
