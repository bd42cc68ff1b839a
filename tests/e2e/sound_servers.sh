# The players' build through the sound servers players have, each playing into
# a null sink whose monitor is recorded: PulseAudio, and PipeWire with its
# PulseAudio service and WirePlumber. The menu theme is heard at the level the
# game plays it, and a jump in play. The server killed during play, the frame
# rate holds and no core spins; started again, the sound is back within 2 s,
# and stays muted through a loss if the player muted it. With no server at the
# start, the sound comes once one does, where ALSA's default leads to it.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../../tools/harness/desktop.sh"
for tool in pulseaudio pipewire pipewire-pulse wireplumber pactl parec dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool on this system"; exit 77; }
done
[ -e /usr/share/alsa/alsa.conf.d/50-pulseaudio.conf ] || { echo "skipped: no ALSA plugin for PulseAudio"; exit 77; }
trap 'wr_desktop_stop; cleanup' EXIT
listen() { "$(dirname "$WOODRUN_SHOT")/woodrun-listen" "$@"; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
wr_desktop_home "$RUN/desktop"
chown -R nobody:nogroup "$RUN"
: >"$RUN/default.conf" # OpenAL's own choice of output, as a player's
WR_AUDIO_CONF=$RUN/default.conf
# Whether recording $1 has reached $2 seconds.
reaches() { listen frames "$1" | awk -v t="$2" '{ exit !($3 >= t) }'; }
# Space in play: the jump is heard within half a second.
jump_heard() {
    wr_record "$RUN/jump.wav"
    pressed=$(listen press space "$RUN/jump.wav")
    sleep 1
    xdotool keyup space
    # PipeWire may hand the recording over in bursts: the stretch must be in.
    wr_await 5 reaches "$RUN/jump.wav" "$(awk -v p="$pressed" 'BEGIN { print p + 0.6 }')"
    read -r _ match < <(listen find "$RUN/jump.wav" "$RUN/Sounds/jump.wav" "$pressed" \
        "$(awk -v p="$pressed" 'BEGIN { print p + 0.5 }')")
    wr_stop_recording
    above "$match" 0.5 || fail "$server${1:-}: no jump sound after Space (match $match)"
}

for server in pulseaudio pipewire; do
    wr_start_sound $server || fail "$server did not start"
    wr_launch_as_user "$RUN"
    wr_wait_window 800 600 && wr_wait_menu 30 || fail "no menu ($server)"
    sleep 1
    level=$(wr_level_heard 3 "$RUN/theme.wav")
    read -r _ match < <(listen find "$RUN/theme.wav" "$RUN/Music/menu.ogg" 0 2.5 1.0 1.0)
    above "$match" 0.5 && above "$level" 0.05 && above 0.12 "$level" ||
        fail "$server: the menu theme is not heard as the game plays it (level $level, match $match)"
    wr_click_menu play
    wr_wait_play 30 || fail "no play screen ($server)"
    jump_heard

    playing=$(wr_cpu_ticks_in 3)
    wr_stop_sound
    lost=$(wr_cpu_ticks_in 3)
    [ "$lost" -le $((playing * 3 / 2 + 30)) ] && [ "$(wr_fps)" -ge 50 ] ||
        fail "$server gone: $lost CPU ticks in 3 s against $playing, $(wr_fps) frames a second"
    wr_start_sound $server
    back=$(wr_level_heard 2 "$RUN/back.wav")
    above "$back" 0.02 || fail "$server back: level $back within 2 s"
    echo "$server: the theme at level $level; gone, $lost CPU ticks in 3 s against $playing; back at $back"
    jump_heard " back"
    wr_tap_key m
    wr_stop_sound
    wr_start_sound $server
    muted=$(wr_level_heard 2.5 "$RUN/muted.wav")
    above 0.0005 "$muted" || fail "$server back: the muted game is heard (level $muted)"
    wr_tap_key Escape
    wr_wait_menu 10 || fail "Escape did not bring the menu back ($server)"
    leave_through_exit
    [ -z "$(game_errors)" ] || fail "$server: unexpected standard error: $(game_errors)"
    wr_stop_sound
done

# No server at the start, where ALSA's default leads to one (as PipeWire's
# ALSA plugin makes it): OpenAL falls back on ALSA then.
printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$WR_DESKTOP/home/.asoundrc"
: >"$RUN/stderr"
wr_launch_as_user "$RUN"
wr_wait_window 800 600 && wr_wait_menu 30 || fail "no menu without a server"
sleep 1
wr_start_sound pipewire
level=$(wr_level_heard 2 "$RUN/appeared.wav")
above "$level" 0.02 || fail "a server started after the game: no sound within 2 s (level $level)"
leave_through_exit
[ "$(game_errors)" = "Звук выключен: не удалось открыть звуковое устройство" ] ||
    fail "without a server at the start, standard error holds: $(game_errors)"
echo "sound servers: ok"
