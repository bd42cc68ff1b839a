# The menu shows its heading, lights an item under the mouse, prints the frame
# rate each second, and "Выход" ends the game with status 0.
source "$(dirname "$0")/common.sh"

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 10 || fail "the cyan heading is missing"
# White shapes fall in above the heading, at their opacities over the background.
wr_wait_pixels 10 20 0 0 800 40 220 220 225 40 || fail "no falling shapes behind the menu"
# "Выход" sits at (330, 400).
# shellcheck disable=SC2046 # the point is two words
wr_point $(wr_menu_item_point exit)
wr_wait_pixels 10 100 320 395 200 60 0 255 0 40 ||
    fail "the exit item does not light up under the mouse"

# The rate is printed once a second; the picture can be ready sooner than that.
printed_rate() { grep -q -E '^FPS: [0-9]+$' "$RUN/stdout"; }
wr_await 10 printed_rate || fail "no FPS line on standard output"
leave_through_exit
grep -q -E '^FPS: [0-9]+$' "$RUN/stdout" || fail "no FPS line on standard output"
if grep -v -q -E '^FPS: [0-9]+$' "$RUN/stdout"; then fail "unexpected standard output"; fi
[ -z "$(game_errors)" ] || fail "unexpected standard error"
[ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was created without a change"
echo "menu and exit: ok"
