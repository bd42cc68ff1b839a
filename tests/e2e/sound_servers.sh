# The game's sound through the sound servers players have, each playing into
# a null sink whose monitor is recorded: PulseAudio, and PipeWire with its
# PulseAudio service and WirePlumber. The menu theme is heard at the level the
# game plays it, and a jump in play. Then the server is killed as play goes
# on: the frame rate holds and no core spins; started again, the sound is
# back within 2 seconds, muted if the player had muted it. And with no server
# at all at the start, the sound comes once one does, where ALSA's default
# leads to it (as PipeWire's ALSA plugin has it). SOUND_SERVERS names those
# to try.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../../tools/harness/desktop.sh"
for tool in pulseaudio pipewire pipewire-pulse wireplumber pactl parec dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool on this system"; exit 77; }
done
trap 'wr_desktop_stop; cleanup' EXIT
listen() { "$(dirname "$WOODRUN_SHOT")/woodrun-listen" "$@"; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
wr_desktop_home "$RUN/desktop"
chown -R nobody:nogroup "$RUN"
: >"$RUN/default.conf" # OpenAL's own choice of output, as a player has it
WR_AUDIO_CONF=$RUN/default.conf

# Records for $1 seconds into $RUN/$2.wav, and prints the level heard.
heard() {
    wr_record "$RUN/$2.wav" || fail "nothing recorded ($2)"
    sleep "$1"
    listen level "$RUN/$2.wav" 0.2 "$(awk -v s="$1" 'BEGIN { print s - 0.4 }')"
    wr_stop_recording
}
# Frames shown in the last second, as the game said last.
fps() { tail -n 1 "$RUN/stdout" | sed -n 's/^FPS: //p'; }
# The CPU ticks the game takes in 3 seconds.
cpu_in_3s() {
    local before
    before=$(wr_cpu_ticks)
    sleep 3
    echo $(($(wr_cpu_ticks) - before))
}

for server in ${SOUND_SERVERS:-pulseaudio pipewire}; do
    wr_start_sound "$server" || fail "$server did not start"
    rm -f "$RUN/settings.cfg"
    wr_launch "$RUN" "${WR_DESKTOP_USER[@]}" env HOME="$WR_DESKTOP/home" XDG_RUNTIME_DIR="$WR_DESKTOP/run"
    wr_wait_window 800 600 || fail "no window ($server)"
    wr_wait_menu 30 || fail "no menu ($server)"
    sleep 1
    wr_record "$RUN/theme.wav"
    sleep 3
    read -r _ correlation < <(listen find "$RUN/theme.wav" "$RUN/Music/menu.ogg" 0 2.5 1.0 1.0)
    level=$(listen level "$RUN/theme.wav" 0.5 2)
    wr_stop_recording
    above "$correlation" 0.8 && above "$level" 0.05 && above 0.12 "$level" ||
        fail "$server: the menu theme is not heard as the game plays it (level $level, match $correlation)"
    echo "$server: the menu theme at $(awk -v l="$level" 'BEGIN { printf "%.1f", 20 * log(l) / log(10) }') dBFS"

    wr_click_menu play
    wr_wait_play 30 || fail "no play screen ($server)"
    sleep 1
    wr_record "$RUN/jump.wav"
    pressed=$(listen press space "$RUN/jump.wav")
    sleep 0.3
    xdotool keyup space
    sleep 1
    read -r _ correlation < <(listen find "$RUN/jump.wav" "$RUN/Sounds/jump.wav" \
        "$(awk -v p="$pressed" 'BEGIN { print p - 0.05 }')" "$(awk -v p="$pressed" 'BEGIN { print p + 0.5 }')")
    wr_stop_recording
    above "$correlation" 0.5 || fail "$server: no jump sound after Space (match $correlation)"

    # The server goes away during play, and comes back.
    playing=$(cpu_in_3s)
    wr_stop_sound
    sleep 1
    lost=$(cpu_in_3s)
    [ "$lost" -le $((playing * 3 / 2 + 30)) ] ||
        fail "$server gone: the game took $lost CPU ticks in 3 s, against $playing while it played"
    [ "$(fps)" -ge 50 ] || fail "$server gone: the game shows $(fps) frames a second"
    wr_start_sound "$server"
    level=$(heard 2 back)
    above "$level" 0.02 || fail "$server back: no sound within 2 s (level $level)"
    echo "$server: killed during play, CPU $lost ticks in 3 s against $playing; back, level $level"

    # Muted, the sound stays so through another loss, and M brings it back.
    wr_tap_key m
    wr_stop_sound
    wr_start_sound "$server"
    sleep 1
    level=$(heard 1.5 muted)
    above 0.0005 "$level" || fail "$server back: the muted game is heard (level $level)"
    wr_tap_key m
    level=$(heard 1.5 unmuted)
    above "$level" 0.02 || fail "$server back: M does not bring the sound back (level $level)"

    wr_tap_key Escape
    wr_wait_menu 10 || fail "Escape did not bring the menu back ($server)"
    leave_through_exit
    [ -z "$(game_errors)" ] || fail "$server: unexpected standard error: $(game_errors)"
    wr_stop_sound
done

# No sound server at the start: sound comes when one does.
if [ -e /usr/share/alsa/alsa.conf.d/50-pulseaudio.conf ]; then
    printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$WR_DESKTOP/home/.asoundrc"
    : >"$RUN/stderr"
    wr_launch "$RUN" "${WR_DESKTOP_USER[@]}" env HOME="$WR_DESKTOP/home" XDG_RUNTIME_DIR="$WR_DESKTOP/run"
    wr_wait_window 800 600 || fail "no window without a server"
    wr_wait_menu 30 || fail "no menu without a server"
    sleep 1
    wr_start_sound "${server:-pipewire}"
    level=$(heard 2 appeared)
    above "$level" 0.02 || fail "a server started after the game: no sound within 2 s (level $level)"
    leave_through_exit
    [ "$(game_errors)" = "Звук выключен: не удалось открыть звуковое устройство" ] ||
        fail "without a server at the start, standard error holds: $(game_errors)"
    echo "no server at the start: the sound came with $server (level $level)"
else
    echo "no server at the start: not tried, ALSA's PulseAudio plugin is not installed"
fi
echo "sound servers: ok"
