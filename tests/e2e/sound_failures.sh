# The game without sound: no audio device at all, and sound files missing or
# damaged. Play goes on through every screen; standard error holds one line
# of ours for each trouble, and none of the audio libraries' own.
source "$(dirname "$0")/common.sh"

# A session through every screen: the menu, a new resolution, play with
# running and jumping, back, and "Выход".
session() {
    : >"$RUN/stderr"
    rm -f "$RUN/settings.cfg"
    wr_launch "$RUN"
    wr_wait_window 800 600 || fail "no window ($1)"
    wr_wait_menu 10 || fail "no menu ($1)"
    pick_1280x720
    wr_tap_key Escape
    wr_wait_menu 10 || fail "no menu after the settings ($1)"
    wr_click_menu play 1280 720
    wr_wait_play 20 || fail "no play screen ($1)"
    xdotool keydown d
    sleep 0.5
    xdotool keydown space
    sleep 0.3
    xdotool keyup space keyup d
    wr_tap_key m
    wr_tap_key Escape
    wr_wait_menu 10 || fail "no menu after play ($1)"
    wr_click_menu play 1280 720
    wr_wait_play 20 || fail "no play screen the second time ($1)"
    wr_tap_key Escape
    wr_wait_menu 10 || fail "no menu after play the second time ($1)"
    leave_through_exit 1280 720
}

# OpenAL finds no output it can use (ALSA, asked for a device that exists on
# no machine, complains at length): one line says that sound is off.
printf '[general]\ndrivers=alsa\n[alsa]\ndevice=woodrun-no-such-device\n' >"$RUN/no-device.conf"
WR_AUDIO_CONF=$RUN/no-device.conf
session "no device"
[ "$(game_errors)" = "Звук выключен: не удалось открыть звуковое устройство" ] ||
    fail "without a device, standard error holds: $(game_errors)"
echo "no audio device: the whole session ran, one line: $(game_errors)"

# A device, but the jump's sound missing and the forest's music damaged: each
# is named once, however often play starts, and play goes on without them.
WR_AUDIO_CONF="" # the null output again
rm "$RUN/Sounds/jump.wav"
head -c 5000 /dev/urandom >"$RUN/Music/forest.ogg"
session "files missing"
expected=$(printf '%s\n%s' "Не удалось загрузить звук: Sounds/jump.wav" \
    "Не удалось загрузить музыку: Music/forest.ogg")
[ "$(game_errors)" = "$expected" ] || fail "with sound files missing, standard error holds: $(game_errors)"
echo "sound files missing: play went on, one line each"
echo "sound failures: ok"
