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
    cp "$WR_NULL_AUDIO" "$scratch/null-audio.conf"
    echo "$scratch"
}

# The OpenAL configuration the game is started with. By default it is
# null-audio.conf, copied beside the game by wr_scratch_copy (where a game run
# as another user can read it too): the sound goes nowhere, whatever sound
# hardware the machine has. A test that listens points this at its own.
WR_AUDIO_CONF=${WR_AUDIO_CONF:-}
WR_NULL_AUDIO=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/null-audio.conf

# The command that starts the game in its directory: the game itself, or for
# the Windows build "wine woodrun.exe".
WR_GAME_COMMAND=${WR_GAME_COMMAND:-./woodrun}

# Starts the game in directory $1; its output goes to $1/stdout and $1/stderr.
# Further arguments are a command that runs the game (setpriv, valgrind...).
wr_launch() {
    WR_DIR=$1
    shift
    local game
    read -r -a game <<<"$WR_GAME_COMMAND"
    (cd "$WR_DIR" && export ALSOFT_CONF=${WR_AUDIO_CONF:-$WR_DIR/null-audio.conf} &&
        exec "$@" "${game[@]}" >stdout 2>stderr) &
    WR_PID=$!
    WR_WINDOW=""
}

# Waits for the game's window (and for the window's size, if given as $1x$2),
# moves it to the top-left corner and sets WR_WINDOW. It waits up to
# WR_WINDOW_SECONDS (20): a game under valgrind on a busy machine takes longer.
wr_wait_window() {
    local deadline=$((SECONDS + ${WR_WINDOW_SECONDS:-20}))
    while [ $SECONDS -lt $deadline ]; do
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

# Prints "x y": a point on main menu item $1 (play, settings or exit) in a
# window of $2 x $3 (800 x 600 when not given), where the game's own layout
# puts it: 50 px into its text and halfway down.
wr_menu_item_point() {
    local left top
    read -r left top < <("$WOODRUN_SHOT" menu-item "$1" "${2:-800}" "${3:-600}")
    echo "$((left + 50)) $((top + 25))"
}

# Prints "x y": a point well inside settings widget $1 (box, entry0 to entry3,
# fullscreen, apply or back) in a window of $2 x $3 (800 x 600 when not given),
# from the game's own layout.
wr_settings_point() {
    "$WOODRUN_SHOT" settings-item "$1" "${2:-800}" "${3:-600}"
}

# Clicks settings widget $1 in a window of $2 x $3 (800 x 600 when not given).
wr_click_settings() {
    # shellcheck disable=SC2046 # the point is two words
    wr_click $(wr_settings_point "$@")
}

# Clicks main menu item $1 in a window of $2 x $3 (800 x 600 when not given).
wr_click_menu() {
    # shellcheck disable=SC2046 # the point is two words
    wr_click $(wr_menu_item_point "$@")
}

# Whether the window shows, right now, at least $1 pixels within $9 of colour
# ($6, $7, $8) in the rectangle ($2, $3, $4, $5).
wr_shows() {
    local minimum=$1 dump count=0
    shift
    dump=$(mktemp --suffix=.xwd "${TMPDIR:-/tmp}/woodrun-look.XXXXXX")
    if xwd -silent -id "$WR_WINDOW" >"$dump" 2>/dev/null; then
        count=$("$WOODRUN_SHOT" count "$dump" "$@" 2>/dev/null || echo 0)
    fi
    rm -f "$dump"
    [ "$count" -ge "$minimum" ]
}

# Waits up to $1 seconds until the command that follows succeeds: the game's
# answer to an action, never assumed to have come by a given time.
wr_await() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Waits up to $1 seconds until the window shows at least $2 pixels within $10
# of colour ($7, $8, $9) in the rectangle ($3, $4, $5, $6).
wr_wait_pixels() {
    local seconds=$1
    shift
    wr_await "$seconds" wr_shows "$@"
}

wr_window_width() { wr_window_size | cut -dx -f1; }
wr_window_height() { wr_window_size | cut -dx -f2; }

# Whether the main menu shows: its cyan heading.
wr_shows_menu() {
    wr_shows 500 0 40 "$(wr_window_width)" 100 0 255 255 40
}

# Whether the settings screen shows: the grey of its resolution box, 200 x 40,
# 100 px left of the centre and 150 px from the top.
wr_shows_settings() {
    wr_shows 3000 $(($(wr_window_width) / 2 - 100)) 150 200 40 70 70 70 4
}

# Whether the settings screen's resolution list is open: its blue-grey
# background, 220 x 150, 110 px left of the centre and 180 px from the top.
wr_shows_list() {
    wr_shows 3000 $(($(wr_window_width) / 2 - 110)) 180 220 150 50 50 80 4
}

# Whether the play screen shows: the grass of its ground row.
wr_shows_play() {
    wr_shows 1000 0 $(($(wr_window_height) - 72)) "$(wr_window_width)" 72 56 128 110 12
}

# Wait up to $1 seconds for a screen.
wr_wait_menu() { wr_await "$1" wr_shows_menu; }
wr_wait_settings() { wr_await "$1" wr_shows_settings; }
wr_wait_play() { wr_await "$1" wr_shows_play; }

# Asks the game's window to close, as a window manager's close button does.
wr_close() {
    "$(dirname "$WOODRUN_SHOT")/woodrun-close" "$WR_WINDOW"
}
