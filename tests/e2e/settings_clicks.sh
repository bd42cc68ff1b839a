# Quick taps work on the menu and the settings screen, and the press on
# "Применить" that closes the settings (it lies over "Настройки" at 800x600)
# does not open them again while it is held. Nothing is saved.
source "$(dirname "$0")/common.sh"

# 1 when the menu's cyan heading shows, 0 when another screen does.
menu_shows() {
    wr_screenshot "$RUN/shot.png"
    [ "$(count_pixels "$RUN/shot.png" 0 40 800 100 0 255 255 40)" -gt 500 ] && echo 1 || echo 0
}

# A tap: press and release sent together, with no hold between them.
quick_click() {
    wr_point "$1" "$2"
    xdotool click 1
    sleep 0.4
}

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
sleep 0.5

quick_click 380 325
[ "$(menu_shows)" = 0 ] || fail "a tap on \"Настройки\" did not open the settings"
# "Назад (Esc)" at (50, 500).
quick_click 120 520
[ "$(menu_shows)" = 1 ] || fail "a tap on \"Назад (Esc)\" did not return to the menu"

wr_click_menu settings
[ "$(menu_shows)" = 0 ] || fail "a click on \"Настройки\" did not open the settings"
# "Применить": the box at (300, 300), 200 x 50, over "Настройки". Held a while.
wr_point 380 325
xdotool mousedown 1
sleep 0.4
[ "$(menu_shows)" = 1 ] || fail "the held press on \"Применить\" opened the settings again"
xdotool mouseup 1
sleep 0.3
[ "$(menu_shows)" = 1 ] || fail "the menu did not stay"

wr_tap_key Escape
leave_through_exit
[ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was written without a change"
[ -z "$(game_errors)" ] || fail "unexpected standard error"
echo "settings clicks: ok"
