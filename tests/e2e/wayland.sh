# The game in a Wayland session, as the desktops of Debian 13, Ubuntu and
# Fedora run it: through Xwayland, under sway, as an unprivileged user. The
# menu takes keys and the pointer; the settings pick 1280x720, and F11 fills
# the output and gives the window back; play runs and jumps. Keys typed while
# another window has the focus move nothing, and count again once sway hands
# the focus back. Escape and "Выход" end it with status 0.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../../tools/harness/desktop.sh"
for tool in sway Xwayland xhost xlogo; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool on this system"; exit 77; }
done
trap 'wr_desktop_stop; cleanup' EXIT
wr_desktop_home "$RUN/desktop"
chown -R nobody:nogroup "$RUN"
wr_start_sway || fail "no Wayland session"

wr_launch_as_user "$RUN"
wr_wait_window 800 600 || fail "no window in the Wayland session"
wr_wait_menu 30 || fail "no menu"
wr_click 400 20 # into the new window, as a player does: sway 1.12 sends it keys only then
read -r x y < <(wr_menu_item_point play)
wr_tap_key Down
wr_wait_pixels 10 100 $((x - 60)) $((y - 35)) 200 60 0 255 0 40 || fail "Down did not light \"Играть\""
read -r x y < <(wr_menu_item_point exit)
wr_point 5 5
wr_point "$x" "$y"
wr_wait_pixels 10 100 $((x - 60)) $((y - 35)) 200 60 0 255 0 40 || fail "the pointer did not light \"Выход\""

pick_1280x720
wait_settings_file 10 1280 720 0
wr_tap_key F11
wr_wait_window 1920 1080 || fail "F11 did not fill the output: $(wr_window_size)"
wr_wait_settings 10 || fail "no settings screen in full screen"
wr_tap_key F11
wr_wait_window 1280 720 || fail "F11 again did not give back the window: $(wr_window_size)"
wr_wait_settings 10 || fail "the settings screen is not right after full screen"
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"

wr_click_menu play 1280 720
wr_wait_play 30 || fail "\"Играть\" did not show the forest"
run_and_jump 1280 720
# Another window takes the focus, and the game pauses: D and Space typed
# there change nothing in its picture.
wr_swaymsg exec xlogo >/dev/null
wr_await 10 sh -c '[ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = xlogo ]' ||
    fail "xlogo did not take the focus"
sleep 0.5
xwd -silent -id "$WR_WINDOW" >"$RUN/before.xwd"
wr_hold_key d 0.5
wr_hold_key space 0.5
xwd -silent -id "$WR_WINDOW" >"$RUN/after.xwd"
cmp -s "$RUN/before.xwd" "$RUN/after.xwd" || fail "keys typed into another window moved the game"
# Back to the game, which does not resume by itself: P does.
wr_swaymsg "[instance=\"woodrun\"] focus" >/dev/null
wr_await 10 sh -c "[ \"\$(xdotool getwindowfocus)\" = $WR_WINDOW ]" || fail "sway did not give the focus back"
wr_tap_key p
run_and_jump 1280 720

wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"
leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error: $(game_errors)"
echo "wayland: ok"
