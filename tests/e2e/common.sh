# Shared set-up of the end-to-end tests: each runs the real game in its own
# virtual display with real input. Arguments: <game-dir> <woodrun-shot>.
set -euo pipefail
GAME_DIR=$1
export WOODRUN_SHOT=$2
# shellcheck source=../../tools/xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xsession.sh"

RUN=$(wr_scratch_copy "$GAME_DIR")
WR_PID=""
cleanup() {
    if [ -n "$WR_PID" ]; then kill -9 "$WR_PID" 2>/dev/null || true; fi
    chmod -R u+w "$RUN" 2>/dev/null || true
    rm -rf "$RUN"
}
trap cleanup EXIT

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

# The game's standard error without the lines SFML itself writes in a virtual display.
game_errors() {
    grep -v -e '^Setting vertical sync not supported' "$RUN/stderr" || true
}

# From the menu of an 800x600 window, opens the settings and picks 1280x720:
# "Настройки" at (300, 300), the resolution box at (300, 150), 200 x 40, and
# the list's first entry, "1280x720", 180 px from the top.
pick_1280x720() {
    wr_click_menu settings
    wr_wait_settings 10 || fail "the settings screen did not open"
    wr_click 400 170
    wr_await 10 wr_shows_list || fail "the resolution list did not open"
    wr_click 400 195
    wr_wait_window 1280 720 || fail "the window is $(wr_window_size), not 1280x720"
}
