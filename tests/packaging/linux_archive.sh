# The Linux archive as a player on another system has it, unpacked in a bare
# Debian tree that holds only what a desktop has: started by its launcher as
# an unprivileged user, from a read-only folder. The menu theme is heard
# through the OpenAL Soft it carries; the settings take 1280x720; play runs
# and jumps; Escape and "Выход" end it with status 0 and nothing on standard
# error. The next start opens at 1280x720, read from the player's
# $XDG_CONFIG_HOME. Arguments: <tree> <the unpacked woodrun/ inside it, from
# the tree's root> <woodrun-shot>; the user 1000 must be there.
tree=$1
folder=$2
source "$(dirname "$0")/../e2e/common.sh" "$tree$folder/data" "$3"
home=$tree/home/player
config=$home/.config/woodrun
rm -rf "$home/.config" "$home/.cache" "$home/capture.wav"
printf '[general]\ndrivers=wave\n[wave]\nfile=/home/player/capture.wav\n' >"$home/wave.conf"
install -m 644 "$XAUTHORITY" "$tree/tmp/woodrun.xauth"
WR_GAME_COMMAND="chroot --userspec=1000:1000 $tree /usr/bin/env -i HOME=/home/player"
WR_GAME_COMMAND+=" LANG=C.UTF-8 PATH=/usr/bin:/bin DISPLAY=$DISPLAY XAUTHORITY=/tmp/woodrun.xauth"
WR_GAME_COMMAND+=" ALSOFT_CONF=/home/player/wave.conf $folder/woodrun"

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 30 || fail "no menu"
sleep 3
read -r _ correlation < <("$(dirname "$3")/woodrun-listen" find "$home/capture.wav" \
    "$RUN/Music/menu.ogg" 0 2 1.0 1.0)
awk -v c="$correlation" 'BEGIN { exit !(c > 0.9) }' ||
    fail "the menu theme is not heard (best match $correlation)"
play_and_return
pick_1280x720
RUN=$config wait_settings_file 10 1280 720 0
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back from the settings"
leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error: $(game_errors)"

wr_launch "$RUN"
wr_wait_window 1280 720 || fail "the next start is not at 1280x720: $(wr_window_size)"
wr_wait_menu 30 || fail "no menu at the next start"
leave_through_exit 1280 720
echo "the archive in $tree: ok"
