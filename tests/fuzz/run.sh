#!/bin/bash
# Builds the fuzzers (sanitize preset, clang) and runs each for the given number
# of seconds, 600 unless told, one after another. Each keeps what it learns in
# build-sanitize/tests/fuzz/corpus/, so a later run goes on from there. Crashing
# inputs are left in build-sanitize/fuzz-findings/; keep each one in
# tests/fuzz/regressions/ once it is fixed.
#   tests/fuzz/run.sh [SECONDS] [description|picture|music ...]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(description picture music)

bash scripts/install-deps.sh --test
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target fuzz_seeds "${targets[@]/#/fuzz_}"

build=build-sanitize
findings=$build/fuzz-findings
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    echo "== fuzz_$target for $seconds s"
    corpus=$build/tests/fuzz/corpus/$target
    mkdir -p "$corpus"
    log=$findings/$target.log
    inputs=("$build/tests/fuzz/seeds/$target")
    [ -d "tests/fuzz/regressions/$target" ] && inputs+=("tests/fuzz/regressions/$target")
    options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
        -artifact_prefix="$findings/$target-")
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    status=0
    "$build/tests/fuzz/fuzz_$target" "${options[@]}" "$corpus" "${inputs[@]}" >"$log" 2>&1 ||
        status=$?
    # The last status line has the coverage reached; the final stats the executions.
    grep -E '^#[0-9]+.*(cov|DONE)' "$log" | tail -1
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log"
    echo "corpus: $(find "$corpus" -type f | wc -l) inputs"
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$target found a fault (exit $status); see $log"
        exit "$status"
    fi
done
