#!/bin/bash
# The game's cost while it idles on its main window: CPU over 30 s and resident
# memory, once with no audio device and once with music playing into a
# PulseAudio null sink. Builds the release preset first.
# Usage: bench/idle_cost.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-deps.sh --bench
cmake --preset release >/dev/null
cmake --build --preset release --target kelvaro content >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb :92 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:92 XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
sleep 1

ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }

measure() { # LABEL: starts the game, waits for it to settle, measures
    (cd build-release/data && exec ../src/kelvaro) >"$work/game.log" 2>&1 &
    local game=$!
    sleep 3
    local before after rss
    before=$(ticks_of $game)
    sleep "$seconds"
    after=$(ticks_of $game)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$game/status")
    kill $game
    wait $game 2>/dev/null || true
    awk -v label="$1" -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v rss="$rss" \
        'BEGIN { printf "%-34s CPU %5.2f%% of a core   resident %5.1f MB\n", label, 100 * t / hz / s, rss / 1024 }'
}

unset PULSE_SERVER
measure "no audio device (silent music)"

pulseaudio --daemonize=no --exit-idle-time=-1 --use-pid-file=no -n \
    --load="module-null-sink sink_name=nullsink" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" >/dev/null 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$work/pulse
sleep 1
measure "music into a PulseAudio null sink"
echo "goals: at most 2% of a core and 60 MB while music plays"
