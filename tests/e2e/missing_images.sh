# Each image missing in turn: a character or forest image ends the game with
# its path and status 1 when "Играть" first needs it; without the tileset, play
# goes on over an invisible floor.
source "$(dirname "$0")/common.sh"

# The game's own list of its images: every sheet and forest layer is fatal.
fatal=()
tileset=""
while read -r kind image; do
    if [ "$kind" = tileset ]; then tileset=$image; else fatal+=("$image"); fi
done < <("$(dirname "$WOODRUN_SHOT")/generators/assetgen/woodrun-assets" --list)
[ ${#fatal[@]} -gt 0 ] && [ -n "$tileset" ] || fail "woodrun-assets --list listed no images"

# Our lines on standard error, without SFML's own report of the file it could not open.
our_errors() {
    game_errors | grep -v -e '^Failed to load image "' || true
}

for image in "${fatal[@]}"; do
    mv "$RUN/$image" "$RUN/$image.away"
    rm -f "$RUN/stderr"
    wr_launch "$RUN"
    wr_wait_window 800 600 || fail "no window without $image"
    wr_wait_menu 10 || fail "the menu needed $image"
    wr_click_menu play
    wr_wait_exit 20
    [ "$WR_STATUS" = 1 ] || fail "exit status $WR_STATUS without $image"
    [ "$(our_errors)" = "Failed to load texture: $image" ] || fail "wrong message without $image"
    echo "without $image: status 1, \"$(our_errors)\""
    mv "$RUN/$image.away" "$RUN/$image"
done

rm "$RUN/$tileset"
rm -f "$RUN/stderr"
wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window without the tileset"
wr_wait_menu 10 || fail "no menu without the tileset"
wr_click_menu play
# No ground row shows without its tiles: the menu's going tells that play began.
menu_gone() { ! wr_shows_menu; }
wr_await 20 menu_gone || fail "play did not begin without the tileset"
hero_shown() { find_hero 800 600; }
wr_await 10 hero_shown || fail "no hero in play without the tileset"
kill -0 "$WR_PID" 2>/dev/null || fail "play ended without the tileset"
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back without the tileset"
wr_click_menu exit
wr_wait_exit 10
[ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS without the tileset"
[ "$(our_errors)" = "Не удалось загрузить тайлмап!" ] || fail "wrong message without the tileset"
echo "without $tileset: play went on, status 0, \"$(our_errors)\""
