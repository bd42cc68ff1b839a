#!/usr/bin/env bash
# Plays through the game's screens in the current X display with real input and
# saves a screenshot of each. Usage: tools/tour.sh <build-dir> <screenshot-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
shots=$(cd "$2" && pwd)
export WOODRUN_SHOT="$build/tools/woodrun-shot"
# shellcheck source=tools/xsession.sh
source "$here/xsession.sh"

run=$(wr_scratch_copy "$build/game")
trap 'kill "$WR_PID" 2>/dev/null || true; rm -rf "$run"' EXIT

wr_launch "$run"
wr_wait_window 800 600
# Long enough for the falling shapes to spread down the window.
sleep 2.5
wr_screenshot "$shots/menu.png"
echo "$shots/menu.png"

# "Настройки" sits 100 px left of the centre, at its height; the resolution box
# 100 px left of the centre, 150 px from the top. Nothing is applied here.
wr_click_menu settings
wr_click 400 170
sleep 0.3
wr_screenshot "$shots/settings.png"
echo "$shots/settings.png"
wr_tap_key Escape
sleep 0.3

# "Играть": its left edge sits 70 px left of the centre, its top 100 px above it.
wr_click_menu play
sleep 1.5
# Run right for a second, then jump; the picture is taken in the air.
xdotool keydown d
sleep 1
xdotool keydown space
sleep 0.25
wr_screenshot "$shots/play.png"
xdotool keyup space keyup d
echo "$shots/play.png"
wr_tap_key Escape
sleep 0.5

# "Выход": its left edge sits 70 px left of the centre, its top 100 px below it.
wr_click_menu exit
wr_wait_exit 10
if [ "$WR_STATUS" != 0 ]; then
    echo "woodrun did not leave through the exit item (status $WR_STATUS)" >&2
    cat "$run/stderr" >&2
    exit 1
fi
