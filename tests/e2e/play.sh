# "Играть" shows the forest and the level; the hero runs right with D and jumps
# with Space; Escape brings the menu back.
source "$(dirname "$0")/common.sh"

red="186 40 48 12"       # the hero's cape and plume
grass="56 128 110 12"    # the ground row's grass

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_click_menu play
wr_wait_play 20 || fail "no play screen"

wait_camera_settled 30 || fail "no hero standing still on the play screen"
hero_box "$RUN/standing.png"
standing_x=$(( (left + right) / 2 ))
standing_top=$top
grass_pixels=$(count_pixels "$RUN/standing.png" 0 528 800 72 $grass)
[ "$grass_pixels" -gt 1000 ] || fail "the ground row is not drawn ($grass_pixels grass pixels)"
above=$(count_pixels "$RUN/standing.png" 0 0 800 500 $grass)
[ "$above" -lt 50 ] || fail "grass above the ground row ($above pixels)"

xdotool keydown d
sleep 1
# The jump lasts about 0.7 s: look until a picture catches the hero in the air.
in_the_air() {
    wr_screenshot "$RUN/jumping.png"
    hero_box "$RUN/jumping.png"
    [ "${count:-0}" -gt 200 ] && [ "$top" -lt $((standing_top - 60)) ]
}
# On a busy machine a screenshot can take most of a jump: jump again, after
# landing, until one is caught.
caught=0
for jump in 1 2 3 4 5; do
    xdotool keydown space
    wr_await 2 in_the_air && { caught=1; break; }
    xdotool keyup space
    sleep 1
done
[ $caught = 1 ] || fail "the hero did not jump in 5 tries (top $top, standing $standing_top)"
xdotool keyup space keyup d
# Running right, the hero gets ahead of the easing camera.
[ $(( (left + right) / 2 )) -gt $((standing_x + 15)) ] || fail "the hero did not run right"

wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"

wr_click_menu exit
wr_wait_exit 10
[ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS"
[ -z "$(game_errors)" ] || fail "unexpected standard error"
echo "play: ok"

# Closing the window during play ends the game cleanly.
rm -f "$RUN/stderr"
wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window the second time"
wr_click_menu play
wr_wait_play 20 || fail "no play screen the second time"
wr_close
wr_wait_exit 10
[ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS after closing the window during play"
[ -z "$(game_errors)" ] || fail "unexpected standard error after closing the window"
echo "closing during play: ok"
