# Picking 1280x720 with real clicks re-creates the window at that size and
# saves it; back on the menu, the items sit where a 1280x720 window puts them,
# and the next start opens at 1280x720.
source "$(dirname "$0")/common.sh"

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 10 || fail "no menu"

pick_1280x720
[ "$(cat "$RUN/settings.cfg")" = "$(printf 'width=1280\nheight=720\nfullscreen=0')" ] ||
    fail "settings.cfg holds: $(cat "$RUN/settings.cfg")"

wr_point 640 400
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"
# "Выход" at (570, 460) in a 1280x720 window; at 800x600 nothing lies there.
# shellcheck disable=SC2046 # the point is two words
wr_point $(wr_menu_item_point exit 1280 720)
wr_wait_pixels 10 100 560 450 220 70 0 255 0 40 ||
    fail "no item lights up at its 1280x720 place"
wr_shows 300 660 40 300 100 0 255 255 40 || fail "the heading is not centred in 1280x720"

leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error"

wr_launch "$RUN"
wr_wait_window 1280 720 || fail "the second start opened at $(wr_window_size), not 1280x720"
leave_through_exit 1280 720
echo "settings resolution: ok"
