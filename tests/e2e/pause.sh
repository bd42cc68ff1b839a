# P pauses play with real keys: the picture stays, dimmed, with "Пауза" in its
# middle, however long D is held and Space pressed; P again resumes and the
# hero runs on. Escape leaves paused play for the menu.
source "$(dirname "$0")/common.sh"

grass="56 128 110 12" # the ground row's grass, as it is when not dimmed
cyan="0 255 255 40"   # "Пауза", in the colour of the menu's heading

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_click_menu play
wr_wait_play 20 || fail "no play screen"
wait_camera_settled 30 || fail "no hero standing still on the play screen"
hero_box "$RUN/standing.png"
standing_x=$(((left + right) / 2))

wr_tap_key p
wr_wait_pixels 10 300 250 230 300 140 $cyan || fail "no \"Пауза\" in the middle of paused play"
xdotool keydown d
sleep 0.3
wr_screenshot "$RUN/paused-1.png"
xdotool keydown space
sleep 1
xdotool keyup space
wr_screenshot "$RUN/paused-2.png"
cmp -s "$RUN/paused-1.png" "$RUN/paused-2.png" || fail "the picture changed while paused"
[ "$(count_pixels "$RUN/paused-2.png" 0 528 800 72 $grass)" -lt 50 ] || fail "paused play is not dimmed"

# D is still held: resumed, the hero runs right, ahead of the easing camera.
wr_tap_key p
ran_on() {
    wr_screenshot "$RUN/resumed.png"
    hero_box "$RUN/resumed.png"
    [ "${count:-0}" -gt 200 ] && [ $(((left + right) / 2)) -gt $((standing_x + 15)) ]
}
wr_await 10 ran_on || fail "the hero did not run on after P"
xdotool keyup d
wr_shows 300 250 230 300 140 $cyan && fail "\"Пауза\" stayed after P"

wr_tap_key p
wr_wait_pixels 10 300 250 230 300 140 $cyan || fail "P did not pause a second time"
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not leave paused play for the menu"
leave_through_exit
[ -z "$(game_errors)" ] || fail "unexpected standard error"
echo "pause: ok"
