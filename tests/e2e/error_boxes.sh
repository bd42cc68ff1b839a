# The Windows build, under Wine, shows its player what its standard error
# says: without its font, a box with the fatal error, which Enter dismisses,
# and the game ends with status 1; where settings.cfg cannot be written, a box
# at the first change, after which the game plays on. Wine's trace of the
# boxes (WINEDEBUG's msgbox channel) gives their text.
source "$(dirname "$0")/common.sh"
export WINEDEBUG=-all,trace+msgbox

# A text as Wine's traces write it: ASCII as it is, the rest as \xxxx.
wine_text() {
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-16BE | od -An -v -tx1 | tr -s ' \n' '\n\n' |
        grep . | paste -d ' ' - - | while read -r high low; do
        if [ "$high" = 00 ] && [ $((16#$low)) -lt 128 ]; then
            printf "\\x$low"
        else
            printf '\\%s%s' "$high" "$low"
        fi
    done
}

# Waits for the game's box saying $1, then dismisses it with Enter.
answer_box() {
    local expected box=""
    expected="L\"$(wine_text "$1")\""
    box_shown() {
        box=$(xdotool search --onlyvisible --name '^woodrun$' 2>/dev/null | head -n 1) && [ -n "$box" ]
    }
    wr_await 60 box_shown || fail "no box appeared for \"$1\""
    grep -q -F -e "$expected" "$RUN/stderr" || fail "the box does not say \"$1\""
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    wr_tap_key Return
    box_gone() { ! xdotool search --onlyvisible --name '^woodrun$' >/dev/null 2>&1; }
    wr_await 10 box_gone || fail "Enter did not dismiss the box saying \"$1\""
}

mv "$RUN/engo.ttf" "$RUN/engo.ttf.away"
wr_launch "$RUN"
answer_box "Не удалось загрузить шрифт"
wr_wait_exit 20
[ "$WR_STATUS" = 1 ] || fail "exit status $WR_STATUS without the font"
echo "missing font: the box said so, Enter dismissed it, status 1"

# A folder where settings.cfg would go: the game starts on its defaults and
# cannot replace it.
mv "$RUN/engo.ttf.away" "$RUN/engo.ttf"
mkdir "$RUN/settings.cfg"
: >"$RUN/stderr"
wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 60 || fail "the menu never showed"
choose_1280x720
answer_box "Не удалось сохранить настройки"
wr_wait_window 1280 720 || fail "the window is $(wr_window_size), not 1280x720"
[ "$(game_errors | grep -v -e '^[0-9a-f]*:trace:msgbox:')" = "Не удалось сохранить настройки" ] ||
    fail "standard error holds: $(game_errors)"
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"
leave_through_exit 1280 720
echo "settings not saved: the box said so once, Enter dismissed it, the game played on"
