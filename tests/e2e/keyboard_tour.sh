# The whole game by keys alone, with real key presses, the pointer resting in
# the window: down to "Настройки", a resolution picked from the list, back to
# the menu, play with running and jumping, back to the menu, and out through
# "Выход".
source "$(dirname "$0")/common.sh"

# Whether the rectangle ($1, $2, $3, $4) shows an item in the hover colour,
# the focus's.
lit() { wr_shows 100 "$@" 0 255 0 40; }

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 20 || fail "no menu"
! wr_shows 20 0 0 800 600 0 255 0 40 || fail "an item is lit before any key"
# The pointer comes to rest where the list's last entry, 1920x1080, will open
# (the entries' rows start at y 180, 30 px apart): it must take nothing there.
wr_point 400 285

# 1. Down, Down to "Настройки" ("Играть" at (330, 200), "Настройки" at (300, 300)), Enter.
wr_tap_key Down
wr_await 10 lit 320 195 200 60 || fail "Down did not light \"Играть\""
wr_tap_key Down
wr_await 10 lit 290 295 250 60 || fail "the second Down did not light \"Настройки\""
! lit 320 195 200 60 || fail "\"Играть\" stays lit"
wr_tap_key Return
wr_wait_settings 10 || fail "Enter on \"Настройки\" did not open the settings"
# Opened by a key, the focus is on the resolution box: its text is green.
wr_await 10 wr_shows 50 300 150 200 40 0 255 0 40 || fail "the resolution box does not hold the focus"

# 2. Enter opens the list, and Enter picks its first entry, 1280x720.
wr_tap_key Return
wr_await 10 wr_shows_list || fail "Enter did not open the list"
# Nothing is chosen at 800x600: the focus is on the first entry, not on the
# one under the resting pointer.
wr_await 10 lit 330 180 140 28 || fail "the list did not open on its first entry"
! lit 330 268 140 28 || fail "the entry under the resting pointer took the focus"
wr_tap_key Return
wr_wait_window 1280 720 || fail "the window is $(wr_window_size), not 1280x720"
wait_settings_file 10 1280 720 0

# 3. Escape: back to the menu, now laid out for 1280x720.
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not return to the menu"

# 4. Up from "Настройки" to "Играть", Enter: play; run and jump with keys.
wr_tap_key Up
wr_tap_key Return
wr_wait_play 20 || fail "Up and Enter did not start play"
run_and_jump 1280 720

# 5. Escape to the menu. 6. Nothing is focused on a new menu: Up goes to
# "Выход", and Enter leaves with status 0.
leave_play_by_keys
wait_settings_file 1 1280 720 0
echo "keyboard tour: ok"
