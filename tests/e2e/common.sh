# Shared set-up of the end-to-end tests: each runs the real game in its own
# virtual display with real input. Arguments: <game-dir> <woodrun-shot>.
set -euo pipefail
GAME_DIR=$1
export WOODRUN_SHOT=$2
# shellcheck source=../../tools/harness/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/harness/xsession.sh"

RUN=$(wr_scratch_copy "$GAME_DIR")
SCRATCH=$RUN
WR_PID=""
WR_WM_PID=""
cleanup() {
    if [ -n "$WR_PID" ]; then kill -9 "$WR_PID" 2>/dev/null || true; fi
    if [ -n "$WR_WM_PID" ]; then kill "$WR_WM_PID" 2>/dev/null || true; fi
    chmod -R u+w "$SCRATCH" 2>/dev/null || true
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

# With WR_OPENBOX=yes, openbox runs in the display first: Wine 10
# passes pointer moves and clicks to the game only under a window manager.
if [ "${WR_OPENBOX:-}" = yes ]; then
    openbox --startup "touch $RUN/wm-started" >/dev/null 2>&1 &
    WR_WM_PID=$!
    for _ in $(seq 100); do
        [ -e "$RUN/wm-started" ] && break
        sleep 0.1
    done
    [ -e "$RUN/wm-started" ] || { echo "FAIL: openbox did not start" >&2; exit 1; }
fi

fail() {
    echo "FAIL: $*" >&2
    for stream in stdout stderr; do
        if [ -s "$RUN/$stream" ]; then
            echo "--- game $stream:" >&2
            tail -n 20 "$RUN/$stream" >&2
        fi
    done
    exit 1
}

# Number of pixels of PNG $1 in the rectangle ($2,$3,$4,$5) within $9 of colour ($6,$7,$8).
count_pixels() {
    "$WOODRUN_SHOT" count "$@"
}

# Clicks "Выход" in a window of $1 x $2 (800 x 600 when not given) and expects
# the game to end with status 0.
leave_through_exit() {
    wr_click_menu exit "$@"
    wr_wait_exit 10
    [ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS after clicking the exit item"
}

# The game's standard error without the lines the graphics stack writes there
# on some systems (tests/support/driver-lines.ere), nor those matching
# WR_FOREIGN_ERRORS, an extended regular expression for what a runner of the
# game (Wine) writes there of its own. Lines end as on Linux (a Windows build
# ends them as Windows does).
game_errors() {
    local driver_lines
    driver_lines=$(grep -v '^#' "$(dirname "${BASH_SOURCE[0]}")/../support/driver-lines.ere")
    tr -d '\r' <"$RUN/stderr" | grep -v -E -e "$driver_lines" |
        grep -v -E "${WR_FOREIGN_ERRORS:-^$}" || true
}

# From the menu of an 800x600 window, opens the settings and clicks the
# list's first entry, "1280x720".
choose_1280x720() {
    wr_click_menu settings
    wr_wait_settings 10 || fail "the settings screen did not open"
    wr_click_settings box
    wr_await 10 wr_shows_list || fail "the resolution list did not open"
    wr_click_settings entry0
}

# The same, and waits for the window to become 1280x720.
pick_1280x720() {
    choose_1280x720
    wr_wait_window 1280 720 || fail "the window is $(wr_window_size), not 1280x720"
}

# Finds the hero (its red cape and plume) in the window of $1 x $2 now, or in
# the window dump $3, and sets HERO_X (its middle) and HERO_TOP; fails when it
# is not there.
find_hero() {
    local dump=${3:-$RUN/hero.xwd} left right bottom count
    [ $# -ge 3 ] || xwd -silent -id "$WR_WINDOW" >"$dump"
    read -r left HERO_TOP right bottom count < <("$WOODRUN_SHOT" box "$dump" 0 0 "$1" "$2" 186 40 48 12)
    [ "${count:-0}" -gt 200 ] || return 1
    HERO_X=$(((left + right) / 2))
}

# On a play screen of $1 x $2, waits for the easing camera to settle on the
# standing hero, then holds D, then Space as well, and fails unless the hero
# runs ahead of the camera and rises into the air: real keys reach the window
# and count as held. Nothing leans on the frame rate, which a loaded machine
# lowers.
run_and_jump() {
    local previous=-100 standing_x standing_top tries=0 shot
    while :; do
        find_hero "$1" "$2" || fail "no hero on the play screen"
        [ $((HERO_X - previous)) -le 2 ] && [ $((previous - HERO_X)) -le 2 ] && break
        previous=$HERO_X
        tries=$((tries + 1))
        [ $tries -lt 60 ] || fail "the camera does not settle on the hero"
        sleep 0.3
    done
    standing_x=$HERO_X
    standing_top=$HERO_TOP
    xdotool keydown d
    ran_right() { find_hero "$@" && [ "$HERO_X" -gt $((standing_x + 15)) ]; }
    wr_await 10 ran_right "$1" "$2" || fail "the hero did not run right"
    # A jump is over in under a second: the window is dumped ten times on
    # the way, and looked at afterwards.
    xdotool keydown space
    for shot in 0 1 2 3 4 5 6 7 8 9; do
        xwd -silent -id "$WR_WINDOW" >"$RUN/jump$shot.xwd"
        sleep 0.1
    done
    xdotool keyup space keyup d
    for shot in 0 1 2 3 4 5 6 7 8 9; do
        find_hero "$1" "$2" "$RUN/jump$shot.xwd" && [ "$HERO_TOP" -lt $((standing_top - 60)) ] &&
            return 0
    done
    fail "the hero did not jump (its top stayed near $standing_top)"
}

# From the menu of a window of $1 x $2 (800 x 600 when not given): "Играть",
# a run and a jump, and Escape back to the menu.
play_and_return() {
    wr_click_menu play "$@"
    wr_wait_play 30 || fail "\"Играть\" did not show the forest"
    run_and_jump "${1:-800}" "${2:-600}"
    wr_tap_key Escape
    wr_wait_menu 10 || fail "Escape did not bring the menu back"
}

# Waits up to $1 seconds until settings.cfg holds width $2, height $3 and
# fullscreen $4, line by line (a Windows build ends its lines as Windows does).
wait_settings_file() {
    local deadline=$((SECONDS + $1)) expected
    expected=$(printf 'width=%s\nheight=%s\nfullscreen=%s' "$2" "$3" "$4")
    while [ $SECONDS -lt "$deadline" ]; do
        [ "$(tr -d '\r' <"$RUN/settings.cfg" 2>/dev/null)" = "$expected" ] && return 0
        sleep 0.1
    done
    fail "settings.cfg holds $(cat "$RUN/settings.cfg" 2>/dev/null || echo nothing), not $2x$3 fullscreen=$4"
}

# From play, by keys: Escape to a new menu, where nothing holds the focus, Up
# to "Выход" and Enter. The game must end with status 0 and nothing on
# standard error.
leave_play_by_keys() {
    wr_tap_key Escape
    wr_wait_menu 10 || fail "Escape did not bring the menu back"
    wr_tap_key Up
    wr_tap_key Return
    wr_wait_exit 10
    [ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS after Up and Enter"
    [ -z "$(game_errors)" ] || fail "unexpected standard error: $(game_errors)"
}

# Reads the hero's box off screenshot $1 of an 800x600 window, by its red cape
# and plume, into left, top, right, bottom and count.
hero_box() {
    read -r left top right bottom count < <("$WOODRUN_SHOT" box "$1" 0 0 800 600 186 40 48 12)
}

# Waits up to $1 seconds until the camera has settled on the hero, which then
# stands 200 px left of the centre: two pictures a moment apart show it in the
# same place. The later one is left at $RUN/standing.png.
wait_camera_settled() {
    settled() {
        local was
        wr_screenshot "$RUN/before.png"
        sleep 0.3
        wr_screenshot "$RUN/standing.png"
        hero_box "$RUN/before.png"
        was=$(((left + right) / 2))
        hero_box "$RUN/standing.png"
        [ "${count:-0}" -gt 200 ] && [ $(((left + right) / 2 - was)) -le 2 ] &&
            [ $((was - (left + right) / 2)) -le 2 ]
    }
    wr_await "$1" settled
}

# The game's resident memory now, in kB.
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$WR_PID/status" 2>/dev/null; }

# Resident memory once it has settled: within 256 kB over one second. A window
# just made still takes memory for a while, more so on a busy machine.
settled_memory() {
    local last now deadline=$((SECONDS + 20))
    now=$(rss)
    while [ $SECONDS -lt $deadline ]; do
        last=$now
        sleep 1
        now=$(rss)
        [ $((now - last)) -gt 256 ] || [ $((last - now)) -gt 256 ] || break
    done
    echo "$now"
}
