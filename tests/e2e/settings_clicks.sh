# Quick taps work on the menu and the settings screen, and the press on
# "Применить" that closes the settings (it lies over "Настройки" at 800x600)
# does not open them again while it is held. Nothing is saved.
source "$(dirname "$0")/common.sh"

# A tap: press and release sent together, with no hold between them.
quick_click() {
    wr_point "$1" "$2"
    xdotool click 1
    sleep 0.4
}

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
# The window shows before the menu's first frame: tap once the menu is drawn.
wr_wait_menu 10 || fail "no menu"

# shellcheck disable=SC2046 # the point is two words
quick_click $(wr_menu_item_point settings)
wr_wait_settings 10 || fail "a tap on \"Настройки\" did not open the settings"
# shellcheck disable=SC2046 # the point is two words
quick_click $(wr_settings_point back)
wr_wait_menu 10 || fail "a tap on \"Назад (Esc)\" did not return to the menu"

wr_click_menu settings
wr_wait_settings 10 || fail "a click on \"Настройки\" did not open the settings"
# "Применить": the box at (300, 300), 200 x 50, over "Настройки". Held a while:
# the menu comes back and stays, though the press lies over "Настройки".
# shellcheck disable=SC2046 # the point is two words
wr_point $(wr_menu_item_point settings)
xdotool mousedown 1
wr_wait_menu 10 || fail "the press on \"Применить\" did not return to the menu"
sleep 0.4
wr_shows_menu || fail "the held press on \"Применить\" opened the settings again"
xdotool mouseup 1
sleep 0.3
wr_shows_menu || fail "the menu did not stay"

wr_tap_key Escape
leave_through_exit
[ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was written without a change"
[ -z "$(game_errors)" ] || fail "unexpected standard error"
echo "settings clicks: ok"
