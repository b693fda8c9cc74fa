#!/bin/bash
# Opens the first picture of the chooser in the real game and finds its red
# dots on screen where its description file puts them.
# Usage: open_picture.sh GAME_BINARY DATA_FOLDER
source "$(dirname "$0")/lib.sh"

game=$1
data=$2
start_display
start_game "$game" "$data"
main=$(through_start_up_window)

open_first_picture "$main" "$data"
first=$FIRST
window_origin "$main"
shot=$(screenshot opened)
surface_x=$((WX + 64 + 2))
surface_y=$((WY + 8 + 2))
count=0
while IFS=, read -r dx dy _ _; do
    colour=$(pixel "$shot" $((surface_x + dx)) $((surface_y + dy)))
    [ "$colour" = FF0000 ] || fail "dot $((count + 1)) of $first at ($dx, $dy) shows $colour, not red"
    count=$((count + 1))
done < <(tr -d '\r' <"$data/$first")
[ $count -gt 0 ] || fail "$first has no dots"
# The surface's white margin is untouched by the dots.
[ "$(pixel "$shot" $((surface_x + 484)) $((surface_y + 340)))" = FFFFFF ] ||
    fail "the bottom-right corner of the surface is not white"
echo "found all $count dots of $first"
