# Helpers for driving the real game under Xvfb with xdotool.
# Each test sources this file, calls start_display and start_game, and the
# EXIT trap tears everything down.

set -euo pipefail

E2E_WORK=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
    local status=$? pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    # A sanitizer build reports memory errors and leaks on the game's stderr.
    if grep -q -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_WORK/game.log" 2>/dev/null; then
        grep -A 20 -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$E2E_WORK/game.log" >&2
        status=1
    fi
    rm -rf "$E2E_WORK"
    exit $status
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        local keep=/tmp/kelvaro-e2e-failure-$$.png
        import -display "$DISPLAY" -window root "$keep" 2>/dev/null && echo "screen kept in $keep" >&2
    fi
    exit 1
}

# Starts a private X server on a free display number.
start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$E2E_WORK/display" \
        >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local tries=0
    until [ -s "$E2E_WORK/display" ]; do
        sleep 0.05
        tries=$((tries + 1))
        [ $tries -lt 200 ] || fail "Xvfb did not start"
    done
    export DISPLAY=":$(head -n1 "$E2E_WORK/display")"
    unset QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
}

# start_game BINARY FOLDER: runs the game with FOLDER as its working folder.
start_game() {
    (cd "$2" && exec "$1") >"$E2E_WORK/game.log" 2>&1 &
    E2E_PIDS+=($!)
    GAME_PID=$!
}

# wait_window TITLE: prints the id of the visible window with exactly that title.
wait_window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) ||
        fail "no window titled '$1'"
    echo "$id"
}

# click WINDOW X Y: left click at client coordinates of WINDOW.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# window_origin WINDOW: sets WX and WY to the window's top-left on the screen.
window_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WX=$X
    WY=$Y
}

screenshot() {
    import -display "$DISPLAY" -window root "$E2E_WORK/$1.png"
    echo "$E2E_WORK/$1.png"
}

# pixel FILE X Y: prints the colour at (X, Y) as RRGGBB.
pixel() {
    /usr/bin/convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1 | tr -d '#'
}

# wait_for_colour WINDOW X Y RRGGBB: waits (up to 20 s, for a wipe to end) until
# the pixel at client coordinates (X, Y) of WINDOW shows the colour and the
# window has stopped changing.
wait_for_colour() {
    local shot sum previous="" tries=0
    window_origin "$1"
    while :; do
        shot=$(screenshot waiting)
        sum=$(md5sum <"$shot")
        [ "$sum" = "$previous" ] && [ "$(pixel "$shot" $((WX + $2)) $((WY + $3)))" = "$4" ] && return 0
        previous=$sum
        tries=$((tries + 1))
        [ $tries -lt 80 ] || fail "($2, $3) never turned $4"
        sleep 0.25
    done
}

# open_first_picture WINDOW DATA: opens the chooser's first picture and waits
# for its first dot to show; sets FIRST to its file name.
open_first_picture() {
    click "$1" 31 36 # "Open New Picture"
    local chooser
    chooser=$(wait_window "Load Picture")
    click "$chooser" 40 16 # the first name of the list
    click "$chooser" 184 44 # OK
    FIRST=$(cd "$2" && ls *.kv | LC_ALL=C sort -f | head -n1)
    local x y
    IFS=, read -r x y _ < <(tr -d '\r' <"$2/$FIRST")
    wait_for_colour "$1" $((66 + x)) $((10 + y)) FF0000
}

# window_sized TITLE WIDTH: prints the id of the visible window with that title
# and client width, waiting up to 20 s for it.
window_sized() {
    local tries=0 id
    while :; do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            [ "$WIDTH" = "$2" ] && { echo "$id"; return 0; }
        done
        tries=$((tries + 1))
        [ $tries -lt 80 ] || fail "no window titled '$1' $2 pixels wide"
        sleep 0.25
    done
}

# through_start_up_window: waits for the start-up window, presses "Let's Play!"
# once it shows, and prints the main window's id.
through_start_up_window() {
    local splash
    splash=$(window_sized Kelvaro 287)
    # The button appears once the window is active.
    window_origin "$splash"
    local tries=0 shot
    until shot=$(screenshot splash) && [ "$(pixel "$shot" $((WX + 140)) $((WY + 300)))" != "$(pixel "$shot" $((WX + 20)) $((WY + 300)))" ]; do
        tries=$((tries + 1))
        [ $tries -lt 40 ] || fail "the start-up window shows no button"
        sleep 0.25
    done
    click "$splash" 143 304
    window_sized Kelvaro 559
}
