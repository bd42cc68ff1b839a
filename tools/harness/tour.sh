#!/usr/bin/env bash
# Plays through the game's screens in the current X display with real input and
# saves a screenshot of each. Usage: tools/harness/tour.sh <build-dir> <screenshot-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
shots=$(cd "$2" && pwd)
export WOODRUN_SHOT="$build/tools/woodrun-shot"
# shellcheck source=tools/harness/xsession.sh
source "$here/xsession.sh"

run=$(wr_scratch_copy "$build/game")
trap 'kill "$WR_PID" 2>/dev/null || true; rm -rf "$run"' EXIT

wr_launch "$run"
wr_wait_window 800 600
# Long enough for the falling shapes to spread down the window.
sleep 2.5
wr_screenshot "$shots/menu.png"
echo "$shots/menu.png"

# Nothing is applied here.
wr_click_menu settings
wr_wait_settings 10
wr_click_settings box
wr_await 10 wr_shows_list
wr_screenshot "$shots/settings.png"
echo "$shots/settings.png"
# Escape closes the list, then the settings.
wr_tap_key Escape
wr_tap_key Escape
wr_wait_menu 10

# Play: run, and jump until a picture catches the hero in the air while the
# skeleton walks in (closing on the hero, where between its attacks it would
# stand). The hero shows by its red cape, the skeleton by its bones. The runs
# go right and left by turns, to stay on the level's ground.
wr_click_menu play
wr_wait_play 10
# Prints "hero-top gap" of a screenshot (the gap between the two characters'
# centres), or nothing.
figures() {
    local hero skeleton
    hero=$("$WOODRUN_SHOT" box "$1" 0 0 800 600 186 40 48 12)
    skeleton=$("$WOODRUN_SHOT" box "$1" 0 0 800 600 238 230 206 8)
    [ "$hero" != none ] && [ "$skeleton" != none ] || return 0
    local hero_left top hero_right left right gap
    read -r hero_left top hero_right _ _ <<<"$hero"
    read -r left _ right _ _ <<<"$skeleton"
    gap=$(((hero_left + hero_right) / 2 - (left + right) / 2))
    echo "$top ${gap#-}"
}
for attempt in 1 2 3 4 5 6 7 8 9 10 11 12; do
    direction=d
    [ $((attempt % 2)) -eq 0 ] && direction=a
    xdotool keydown "$direction"
    sleep 0.5
    xdotool keydown space
    sleep 0.1
    wr_screenshot "$run/before.png"
    wr_screenshot "$shots/play.png"
    xdotool keyup space
    sleep 0.4
    xdotool keyup "$direction"
    read -r _ was < <(figures "$run/before.png") || true
    read -r top now < <(figures "$shots/play.png") || true
    # The hero stands with its cape top near 420; in the air it is well above.
    if [ -n "${was:-}" ] && [ -n "${now:-}" ] && [ "$now" -lt "$was" ] && [ "$top" -lt 360 ]; then
        break
    fi
done
echo "$shots/play.png"
wr_tap_key Escape
wr_wait_menu 10

# "Выход": its left edge sits 70 px left of the centre, its top 100 px below it.
wr_click_menu exit
wr_wait_exit 10
if [ "$WR_STATUS" != 0 ]; then
    echo "woodrun did not leave through the exit item (status $WR_STATUS)" >&2
    cat "$run/stderr" >&2
    exit 1
fi
