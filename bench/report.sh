#!/bin/bash
# The performance report: builds the release preset, measures the game on a
# private Xvfb, with no audio device and with music playing into a PulseAudio
# null sink, and prints every figure beside its goal. Takes about three minutes.
#   bench/report.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake --preset release >/dev/null
cmake --build --preset release --target kelvaro content \
    bench_floodfill bench_release bench_wipe bench_startup >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# A black root window, and the screen kept in a file the start-up timer reads.
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -fbdir "$work" -nolisten tcp 3>"$work/display" \
    >/dev/null 2>&1 &
pids+=($!)
pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" >/dev/null 2>&1 &
pids+=($!)
until [ -s "$work/display" ] && [ -S "$work/pulse" ]; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

summary=()
# row WHAT FIGURE UNIT GOAL: one line of the summary, the figure checked
# against its goal (at most).
row() {
    local verdict
    verdict=$(awk -v f="$2" -v g="$4" 'BEGIN { print (f <= g) ? "met" : "MISSED" }')
    summary+=("$(printf '%-46s %9s %-3s %9s %-3s  %s' "$1" "$2" "$3" "$4" "$3" "$verdict")")
}
# figure LABEL FILE: the number after LABEL in FILE.
figure() { grep -F "$1" "$2" | grep -o '[0-9]\+\.[0-9]\+' | head -n1; }

session() { # LABEL: starts, play and idle figures for one audio setting
    echo "== $1: 10 starts, then 30 s idle on the main window"
    build-release/bench/bench_startup "$PWD/build-release/src/kelvaro" "$PWD/build-release/data" \
        "$work/Xvfb_screen0" 10 30 | tee "$work/session.txt"
    row "start-up window painted, $1" "$(figure 'median start-up' "$work/session.txt")" ms 200
    row "\"Let's Play!\" to main window, $1" "$(figure 'median "Let' "$work/session.txt")" ms 100
}

unset PULSE_SERVER
session "no audio device"
row "idle CPU, no audio device" "$(figure 'idle CPU' "$work/session.txt")" % 0.5
export PULSE_SERVER=unix:$work/pulse
session "music playing"
row "idle CPU, music playing" "$(figure 'idle CPU' "$work/session.txt")" % 2
row "resident memory, main window, music playing" "$(figure 'resident' "$work/session.txt")" MB 60
unset PULSE_SERVER

echo "== Flood fill"
build-release/bench/bench_floodfill --benchmark_min_time=0.5 | tee "$work/fill.txt"
row "flood fill, whole empty area" "$(awk '/^WholeEmptyArea/ { print $2 }' "$work/fill.txt")" us 150
echo "== One release, handler plus repaint"
build-release/bench/bench_release --benchmark_min_time=0.5 | tee "$work/release.txt"
# A click should be answered within one frame at 60 Hz.
row "joining release" "$(awk '/^JoiningRelease/ { print $2 }' "$work/release.txt")" us 16667
row "colouring release of the whole area" \
    "$(awk '/^ColouringRelease/ { print $2 }' "$work/release.txt")" us 16667
echo "== Wipe pacing, each effect's wall time over its ideal"
build-release/bench/bench_wipe 2>/dev/null | tee "$work/wipe.txt"
row "wipe pacing, worst effect (wall / ideal)" "$(figure 'worst ratio' "$work/wipe.txt")" x 1.10

echo
printf '%-46s %13s %13s  %s\n' "What" "Measured" "Goal (most)" "Verdict"
printf '%s\n' "${summary[@]}"
