#!/bin/bash
# Builds the release preset with the benchmarks and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake --preset release >/dev/null
cmake --build --preset release --target bench_floodfill bench_release bench_wipe
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
echo "== Flood fill (goal: whole empty area under 150 us)"
build-release/bench/bench_floodfill --benchmark_min_time=0.5
echo "== One release, handler plus repaint"
build-release/bench/bench_release --benchmark_min_time=0.5
echo "== Wipe pacing under Xvfb"
Xvfb :91 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=:91 build-release/bench/bench_wipe 2>/dev/null
