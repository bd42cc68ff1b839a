# Drives a running woodrun in an X display with real mouse and keyboard input.
# Sourced by the screenshot tour and the end-to-end tests; needs DISPLAY set,
# xdotool, xwd and woodrun-shot (its path in WOODRUN_SHOT).

# Makes a throwaway working directory that holds the built game ($1), so runs
# do not touch the player's settings.cfg. Prints its path.
wr_scratch_copy() {
    local scratch
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-run.XXXXXX")
    cp -R "$1"/. "$scratch"/
    rm -f "$scratch/settings.cfg"
    echo "$scratch"
}

# Starts the game in directory $1; its output goes to $1/stdout and $1/stderr.
# Further arguments are a command that runs the game (setpriv, valgrind...).
wr_launch() {
    WR_DIR=$1
    shift
    (cd "$WR_DIR" && exec "$@" ./woodrun >stdout 2>stderr) &
    WR_PID=$!
    WR_WINDOW=""
}

# Waits for the game's window (and for the window's size, if given as $1x$2),
# moves it to the top-left corner and sets WR_WINDOW.
wr_wait_window() {
    local tries=0
    while [ $tries -lt 200 ]; do
        if ! kill -0 "$WR_PID" 2>/dev/null; then
            echo "woodrun ended before its window appeared" >&2
            return 1
        fi
        WR_WINDOW=$(xdotool search --onlyvisible --classname woodrun 2>/dev/null | tail -n 1 || true)
        if [ -n "$WR_WINDOW" ]; then
            if [ $# -lt 2 ] || [ "$(wr_window_size)" = "$1x$2" ]; then
                xdotool windowmove "$WR_WINDOW" 0 0 2>/dev/null || true
                sleep 0.3
                return 0
            fi
        fi
        sleep 0.05
        tries=$((tries + 1))
    done
    echo "no woodrun window appeared (windows: $(xdotool search --classname woodrun 2>/dev/null | tr '\n' ' '), size of the last: $(wr_window_size))" >&2
    return 1
}

# The window's size as WIDTHxHEIGHT.
wr_window_size() {
    xdotool getwindowgeometry "$WR_WINDOW" 2>/dev/null | sed -n 's/^ *Geometry: //p'
}

# Moves the mouse to ($1, $2) in window coordinates.
wr_point() {
    xdotool mousemove --window "$WR_WINDOW" "$1" "$2"
    sleep 0.1
}

# A real click at ($1, $2): press, a short hold, release.
wr_click() {
    wr_point "$1" "$2"
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
    sleep 0.2
}

# Holds key $1 for $2 seconds.
wr_hold_key() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}

# A short press of key $1.
wr_tap_key() {
    xdotool keydown "$1"
    sleep 0.1
    xdotool keyup "$1"
    sleep 0.1
}

# Saves the window's picture as a PNG at $1.
wr_screenshot() {
    local dump
    dump=$(mktemp "${TMPDIR:-/tmp}/woodrun-shot.XXXXXX")
    xwd -silent -id "$WR_WINDOW" >"$dump"
    "$WOODRUN_SHOT" png "$dump" "$1"
    rm -f "$dump"
}

# Waits up to $1 seconds for the game to end and sets WR_STATUS to its exit
# status, or to "running" (after killing it) when it did not end in time.
# Call it directly, not in $(...): only this shell can wait for the game.
wr_wait_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$WR_PID" 2>/dev/null && [ $SECONDS -lt "$deadline" ]; do
        sleep 0.1
    done
    if kill -0 "$WR_PID" 2>/dev/null; then
        kill -9 "$WR_PID" 2>/dev/null || true
        wait "$WR_PID" 2>/dev/null || true
        WR_STATUS=running
        return
    fi
    WR_STATUS=0
    wait "$WR_PID" || WR_STATUS=$?
}

# Clicks a main menu item: play, settings or exit, laid out for a window of
# $2 x $3 (800 x 600 when not given). The items' left edges sit at fixed offsets
# from the window's centre.
wr_click_menu() {
    local cx=$(( ${2:-800} / 2 )) cy=$(( ${3:-600} / 2 ))
    case $1 in
        play) wr_click $((cx - 20)) $((cy - 75)) ;;
        settings) wr_click $((cx - 40)) $((cy + 25)) ;;
        exit) wr_click $((cx - 20)) $((cy + 125)) ;;
    esac
}

# Waits up to $1 seconds until the window shows at least $2 pixels within $10
# of colour ($7, $8, $9) in the rectangle ($3, $4, $5, $6).
wr_wait_pixels() {
    local deadline=$((SECONDS + $1)) minimum=$2 shot
    shift 2
    shot=$(mktemp --suffix=.png "${TMPDIR:-/tmp}/woodrun-wait.XXXXXX")
    while [ $SECONDS -lt "$deadline" ]; do
        if wr_screenshot "$shot" 2>/dev/null &&
            [ "$("$WOODRUN_SHOT" count "$shot" "$@" 2>/dev/null || echo 0)" -ge "$minimum" ]; then
            rm -f "$shot"
            return 0
        fi
        sleep 0.2
    done
    rm -f "$shot"
    return 1
}

# Waits up to $1 seconds for the main menu's cyan heading.
wr_wait_menu() {
    wr_wait_pixels "$1" 500 0 40 "$(wr_window_size | cut -dx -f1)" 100 0 255 255 40
}

# Waits up to $1 seconds for the play screen's ground row (its grass).
wr_wait_play() {
    local height
    height=$(wr_window_size | cut -dx -f2)
    wr_wait_pixels "$1" 1000 0 $((height - 72)) "$(wr_window_size | cut -dx -f1)" 72 56 128 110 12
}

# Asks the game's window to close, as a window manager's close button does.
wr_close() {
    "$(dirname "$WOODRUN_SHOT")/woodrun-close" "$WR_WINDOW"
}
