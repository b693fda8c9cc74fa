#!/bin/bash
# The information window outlives the game's window: the program ends only once
# both are closed.
# Usage: info_window.sh GAME_BINARY DATA_FOLDER
source "$(dirname "$0")/lib.sh"

start_display
start_game "$1" "$2"
main=$(through_start_up_window)
click "$main" 31 324 # "Information"
info=$(wait_window "About Kelvaro")
click "$main" 31 388 # "Exit Kelvaro"
sleep 3 # the goodbye sound, if any
kill -0 "$GAME_PID" 2>/dev/null || fail "the program ended while the information window was open"
xdotool search --onlyvisible --name '^About Kelvaro$' >/dev/null || fail "the information window went with the game"
click "$info" 229 178 # "OK"
for _ in $(seq 40); do
    kill -0 "$GAME_PID" 2>/dev/null || { echo "the program ended once both windows were closed"; exit 0; }
    sleep 0.25
done
fail "the program kept running with no window open"
