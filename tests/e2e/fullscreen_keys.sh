# F11 and Alt+Enter switch full screen from the menu and during play, with real
# keys: the window is made anew at the desktop's size or the stored one, and
# settings.cfg is written; play goes on, stretched over the new window, and
# held keys still run the hero there.
source "$(dirname "$0")/common.sh"

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 20 || fail "no menu"

wr_tap_key F11
wr_wait_window 1920 1080 || fail "F11 on the menu: the window is $(wr_window_size)"
wait_settings_file 5 800 600 1
# The heading is centred in the full-screen window.
wr_await 10 wr_shows 300 810 40 300 100 0 255 255 40 || fail "the menu is not laid out for 1920x1080"
wr_tap_key F11
wr_wait_window 800 600 || fail "F11 again: the window is $(wr_window_size)"
wait_settings_file 5 800 600 0
wr_wait_menu 10 || fail "no menu after leaving full screen"

wr_tap_key Down
wr_tap_key KP_Enter # the keypad's Enter chooses too
wr_wait_play 20 || fail "Down and keypad Enter did not start play"
wr_tap_key F11
wr_wait_window 1920 1080 || fail "F11 in play: the window is $(wr_window_size)"
wait_settings_file 5 800 600 1
wr_await 10 find_hero 1920 1080 || fail "play did not go on in full screen"
run_and_jump 1920 1080

wr_tap_key alt+Return
wr_wait_window 800 600 || fail "Alt+Enter in play: the window is $(wr_window_size)"
wait_settings_file 5 800 600 0
wr_await 10 find_hero 800 600 || fail "play did not go on in the window"

leave_play_by_keys
echo "full screen by keys: ok"
