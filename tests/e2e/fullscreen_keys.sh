# F11 and Alt+Enter switch full screen from the menu and during play, with real
# keys: the window is made anew at the desktop's size or the stored one, and
# settings.cfg is written. Play goes on, laid out for the new window as play
# entered at its size is: the ground row along the bottom, the hero at its own
# size, and held keys still run the hero there. The frame rate after the
# switch is printed beside that of play entered at the same size.
source "$(dirname "$0")/common.sh"

grass="56 128 110 12"

# The frame rate the game last printed, once two more lines have come.
frame_rate() {
    local lines
    lines=$(grep -c '^FPS: ' "$RUN/stdout" || true)
    more_lines() { [ "$(grep -c '^FPS: ' "$RUN/stdout" || true)" -ge $((lines + 2)) ]; }
    wr_await 10 more_lines || fail "no frame rate printed"
    grep '^FPS: ' "$RUN/stdout" | tail -n 1 | cut -d' ' -f2
}

# Checks play in a window of $1 x $2, seen one to one: the ground row fills
# the bottom 72 rows across the whole width, with no grass above it, and the
# hero (its cape and plume) is as wide as it was at 800x600, give or take what
# its animation changes.
laid_out_for() {
    local dump=$RUN/laid-out.xwd bottom above left top right lowest count
    laid_out() {
        xwd -silent -id "$WR_WINDOW" >"$dump"
        bottom=$(count_pixels "$dump" 0 $(($2 - 72)) "$1" 72 $grass)
        above=$(count_pixels "$dump" 0 0 "$1" $(($2 - 80)) $grass)
        read -r left top right lowest count < <("$WOODRUN_SHOT" box "$dump" 0 0 "$1" "$2" 186 40 48 12)
        [ "$bottom" -gt $(($1 * 2)) ] && [ "$above" -lt 50 ] && [ "${count:-0}" -gt 200 ] &&
            [ $(((right - left) * 10)) -le $((hero_width * 13)) ] &&
            [ $(((right - left) * 10)) -ge $((hero_width * 7)) ]
    }
    wr_await 10 laid_out "$1" "$2" ||
        fail "play is not laid out for $1x$2: $bottom grass pixels along the bottom, $above above," \
            "the hero $((right - left)) px wide (at 800x600: $hero_width)"
}

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 20 || fail "no menu"

wr_tap_key F11
wr_wait_window 1920 1080 || fail "F11 on the menu: the window is $(wr_window_size)"
wait_settings_file 5 800 600 1
# The heading is centred in the full-screen window.
wr_await 10 wr_shows 300 810 40 300 100 0 255 255 40 || fail "the menu is not laid out for 1920x1080"
# Play entered in full screen, for its frame rate.
wr_tap_key Down
wr_tap_key Return
wr_wait_play 20 || fail "no play in full screen"
entered_rate=$(frame_rate)
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back in full screen"
wr_tap_key F11
wr_wait_window 800 600 || fail "F11 again: the window is $(wr_window_size)"
wait_settings_file 5 800 600 0
wr_wait_menu 10 || fail "no menu after leaving full screen"

wr_tap_key Down
wr_tap_key KP_Enter # the keypad's Enter chooses too
wr_wait_play 20 || fail "Down and keypad Enter did not start play"
wait_camera_settled 30 || fail "no hero standing still at 800x600"
hero_box "$RUN/standing.png"
hero_width=$((right - left))
window_rate=$(frame_rate)

wr_tap_key F11
wr_wait_window 1920 1080 || fail "F11 in play: the window is $(wr_window_size)"
wait_settings_file 5 800 600 1
laid_out_for 1920 1080
switched_rate=$(frame_rate)
run_and_jump 1920 1080
echo "frame rate in play: $window_rate at 800x600, $switched_rate after F11 to 1920x1080," \
    "$entered_rate entered at 1920x1080"

wr_tap_key alt+Return
wr_wait_window 800 600 || fail "Alt+Enter in play: the window is $(wr_window_size)"
wait_settings_file 5 800 600 0
laid_out_for 800 600

leave_play_by_keys
echo "full screen by keys: ok"
