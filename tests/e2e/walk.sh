# A player's walk through the game, for any build of it: the menu shows its
# heading and its items where the game's layout puts them; "Играть" shows the
# forest, and the run and jump keys move the knight; Escape brings the menu
# back; the settings apply 1280x720, the window made anew at that size and
# settings.cfg in the game's folder holding exactly the three lines; "Выход"
# ends the game with status 0. WR_GAME_COMMAND says how the game starts
# ("wine woodrun.exe" for the Windows build); WALK_FOLDER, when set, is a
# folder of the scratch copy the game is moved into first, and played from.
source "$(dirname "$0")/common.sh"

if [ -n "${WALK_FOLDER:-}" ]; then
    mkdir -p "$RUN/$WALK_FOLDER"
    find "$RUN" -mindepth 1 -maxdepth 1 ! -name "${WALK_FOLDER%%/*}" ! -name null-audio.conf \
        -exec mv {} "$RUN/$WALK_FOLDER/" \;
    # OpenAL Soft 1.18 for Windows opens its configuration by a path in the
    # system's ANSI code page, which has no Cyrillic: it stays outside.
    WR_AUDIO_CONF=${WR_AUDIO_CONF:-$RUN/null-audio.conf}
    RUN=$RUN/$WALK_FOLDER
fi

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 30 || fail "no menu"
# The heading centred at the top, and "Выход" lighting up under the pointer
# where the game's layout puts it (the pointer moves onto it).
read -r left top right bottom count < <(xwd -silent -id "$WR_WINDOW" >"$RUN/menu.xwd" &&
    "$WOODRUN_SHOT" box "$RUN/menu.xwd" 0 0 800 200 0 255 255 40)
[ $((left + right - 800)) -le 16 ] && [ $((800 - left - right)) -le 16 ] && [ "$top" -lt 80 ] ||
    fail "the heading is not centred at the top: $left $top $right $bottom"
wr_point 5 5
read -r x y < <(wr_menu_item_point exit)
wr_point "$x" "$y"
wr_wait_pixels 10 100 $((x - 60)) $((y - 35)) 200 60 0 255 0 40 ||
    fail "\"Выход\" does not light up where the layout puts it"

play_and_return

pick_1280x720
wait_settings_file 10 1280 720 0
wr_point 640 400
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back from the settings"
leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error: $(game_errors)"
echo "walk with ${WR_GAME_COMMAND}${WALK_FOLDER:+ from $WALK_FOLDER}: ok"
