#!/bin/bash
# Plays the first picture of the chooser in the real game: clicks, a miss, the
# hint with clicks made while it blinks, an "a", the completion, then two fills.
# Usage: play_picture.sh GAME_BINARY DATA_FOLDER
source "$(dirname "$0")/lib.sh"

game=$1
data=$2
start_display
start_game "$game" "$data"
main=$(through_start_up_window)
open_first_picture "$main" "$data"
first=$FIRST
mapfile -t dots < <(tr -d '\r' <"$data/$first" | cut -d, -f1,2)
count=${#dots[@]}
window_origin "$main"

# dot N: sets DX, DY to the centre of dot N (from 1) in surface pixels.
dot() { IFS=, read -r DX DY <<<"${dots[$(($1 - 1))]}"; }
click_surface() { click "$main" $((66 + $1)) $((10 + $2)); }
screen_colour() { pixel "$1" $((WX + 66 + $2)) $((WY + 10 + $3)); }
expect_dot() { # SHOT N COLOUR WHAT: the dot's centre has COLOUR
    dot "$2"
    local colour
    colour=$(screen_colour "$1" "$DX" "$DY")
    [ "$colour" = "$3" ] || fail "$4: dot $2 at ($DX, $DY) shows $colour, expected $3"
}
expect_joined() { # SHOT N WHAT: most of the ring around the centre is black
    # (the red joining lines cross the black disc, so the centre may be red)
    dot "$2"
    local black=0 d
    for d in -2,-2 0,-2 2,-2 -2,0 2,0 -2,2 0,2 2,2; do
        IFS=, read -r ox oy <<<"$d"
        [ "$(screen_colour "$1" $((DX + ox)) $((DY + oy)))" = 000000 ] && black=$((black + 1))
    done
    [ $black -ge 5 ] || fail "$3: dot $2 at ($DX, $DY) is not joined"
}

dot 1
click_surface "$DX" "$DY"
click_surface 2 2 # a miss in the corner
shot=$(screenshot after-miss)
expect_joined "$shot" 1 "a hit"
expect_dot "$shot" 2 FF0000 "a miss"

# Clicks made while the hint blinks wait for it, then count in order.
click "$main" 31 108
dot 2
click_surface "$DX" "$DY"
dot 3
click_surface "$DX" "$DY"
shot=$(screenshot during-hint)
dot 2
[ "$(screen_colour "$shot" $((DX - 2)) $((DY - 2)))" != 000000 ] || fail "a click was handled during the hint"
sleep 2.5
shot=$(screenshot after-hint)
expect_joined "$shot" 2 "a click made during the hint"
expect_joined "$shot" 3 "the second click made during the hint"

xdotool key --window "$main" a
sleep 0.3
shot=$(screenshot after-a)
expect_joined "$shot" 4 "the a key"
expect_dot "$shot" 5 FF0000 "the a key"

for ((k = 5; k <= count; k++)); do
    dot "$k"
    click_surface "$DX" "$DY"
done
sleep 0.5
shot=$(screenshot finished)
# The finished drawing has replaced the dots: dot 1's place shows the outline.
expect_dot "$shot" 1 000000 "the finished drawing"
[ "$(pixel "$shot" $((WX + 80 + 8 + 16)) $((WY + 360 + 16 + 16)))" = 0000FF ] ||
    fail "the colour bar is not shown with blue first"

inside_x=$(grep '^area ' "$(dirname "$0")/../../content/pictures/${first%.kv}.dots" | head -n1 |
    cut -d' ' -f2) || true
[ -n "$inside_x" ] || fail "the picture source names no point inside the drawing"
IFS=, read -r IX IY <<<"$inside_x"
click "$main" $((80 + 8 + 40 * 3 + 16)) $((360 + 16 + 16)) # yellow
click_surface "$IX" "$IY"
click "$main" $((80 + 8 + 40 * 2 + 16)) $((360 + 16 + 16)) # red
click_surface 2 2
shot=$(screenshot coloured)
[ "$(screen_colour "$shot" "$IX" "$IY")" = FFFF00 ] || fail "the inside was not coloured yellow"
[ "$(screen_colour "$shot" 2 2)" = FF0000 ] || fail "the outside was not coloured red"
echo "played $first through its $count dots and coloured it"
