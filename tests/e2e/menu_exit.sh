# The menu shows its heading, lights an item under the mouse, prints the frame
# rate each second, and "Выход" ends the game with status 0.
source "$(dirname "$0")/common.sh"

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
sleep 1.5

# "Выход" sits at (330, 400); the heading is cyan.
wr_point 380 425
sleep 0.3
wr_screenshot "$RUN/menu.png"
cyan=$(count_pixels "$RUN/menu.png" 0 40 800 100 0 255 255 40)
[ "$cyan" -gt 500 ] || fail "the cyan heading is missing ($cyan pixels)"
# White shapes fall above the heading, at their opacities over the background.
shapes=$(count_pixels "$RUN/menu.png" 0 0 800 40 220 220 225 40)
[ "$shapes" -gt 20 ] || fail "no falling shapes behind the menu ($shapes pixels)"
green=$(count_pixels "$RUN/menu.png" 320 395 200 60 0 255 0 40)
[ "$green" -gt 100 ] || fail "the exit item does not light up under the mouse ($green pixels)"

leave_through_exit
grep -q -E '^FPS: [0-9]+$' "$RUN/stdout" || fail "no FPS line on standard output"
if grep -v -q -E '^FPS: [0-9]+$' "$RUN/stdout"; then fail "unexpected standard output"; fi
[ -z "$(game_errors)" ] || fail "unexpected standard error"
[ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was created without a change"
echo "menu and exit: ok"
