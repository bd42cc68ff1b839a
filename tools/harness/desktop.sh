# The desktops players have, run headless for the game to be tried in: a
# Wayland session (sway, its headless backend, with Xwayland) and a sound
# server (PulseAudio, or PipeWire with its PulseAudio service and WirePlumber)
# playing into a null sink, each as an unprivileged user, as sway insists.
# Sourced after xsession.sh, as root; wr_desktop_stop ends whatever was started.

WR_DESKTOP_USER=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
WR_SWAY_PID=""
WR_SOUND_PID=""
WR_RECORD_PID=""

# Starts a command as the user in a session of its own, in the background, so
# that it and all it starts can be ended at once; sets WR_STARTED to its pid.
wr_start_as_user() {
    setsid "${WR_DESKTOP_USER[@]}" env HOME="$WR_DESKTOP/home" XDG_RUNTIME_DIR="$WR_DESKTOP/run" "$@" &
    WR_STARTED=$!
    disown "$WR_STARTED"
}

# Ends the session begun with process $1 at once, as a crash does.
wr_end_session() {
    if [ -n "$1" ]; then kill -9 -- "-$1" 2>/dev/null || true; fi
}

# Makes directory $1 the user's: its home and its runtime directory (mode
# 0700, as a login session has it). Clients never start a sound server of
# their own: a test that stops the server must find it stopped. PipeWire
# makes the null sink "v" as it starts, before any client is let in, as it
# does a desktop's sound card.
wr_desktop_home() {
    WR_DESKTOP=$1
    mkdir -p "$1/home/.config/pulse" "$1/home/.config/pipewire/pipewire.conf.d" "$1/run"
    echo 'autospawn = no' >"$1/home/.config/pulse/client.conf"
    cat >"$1/home/.config/pipewire/pipewire.conf.d/v.conf" <<'EOF'
context.objects = [
    { factory = adapter
      args = { factory.name = support.null-audio-sink node.name = v node.description = v
               media.class = Audio/Sink audio.position = [ FL FR ] monitor.channel-volumes = true } }
]
EOF
    chmod 700 "$1/run"
    chown -R nobody:nogroup "$1"
}

# Runs a command as the user, in its session.
wr_as_user() {
    "${WR_DESKTOP_USER[@]}" env HOME="$WR_DESKTOP/home" XDG_RUNTIME_DIR="$WR_DESKTOP/run" "$@"
}

# What the user's sound server tells of itself.
wr_pactl() { wr_as_user pactl "$@"; }

# Starts sway with Xwayland on a 1920x1080 output, the game's window floating
# at the size it asks for (as a stacking desktop shows it), and points DISPLAY
# at its Xwayland, which lets root's tools in.
wr_start_sway() {
    cat >"$WR_DESKTOP/sway.conf" <<'EOF'
xwayland force
output HEADLESS-1 resolution 1920x1080
for_window [instance="woodrun"] floating enable
EOF
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        wr_start_as_user sway -c "$WR_DESKTOP/sway.conf" >"$WR_DESKTOP/sway.log" 2>&1
    WR_SWAY_PID=$WR_STARTED
    local tries
    for tries in $(seq 100); do
        SWAYSOCK=$(ls "$WR_DESKTOP"/run/sway-ipc.*.sock 2>/dev/null || true)
        [ -n "$SWAYSOCK" ] && wr_swaymsg exec "echo \$DISPLAY >$WR_DESKTOP/display" >/dev/null &&
            [ -s "$WR_DESKTOP/display" ] && break
        sleep 0.1
    done
    [ -s "$WR_DESKTOP/display" ] || { echo "sway did not start: $(tail -n 5 "$WR_DESKTOP/sway.log")" >&2; return 1; }
    DISPLAY=$(cat "$WR_DESKTOP/display")
    export DISPLAY
    wr_await 10 wr_as_user env DISPLAY="$DISPLAY" xhost +si:localuser:root >/dev/null
}

# Asks sway to do $@.
wr_swaymsg() { wr_as_user env SWAYSOCK="$SWAYSOCK" swaymsg "$@"; }

# Starts sound server $1 (pulseaudio or pipewire) with the null sink "v" as
# its default; its monitor hears what the game plays.
wr_start_sound() {
    case $1 in
        pulseaudio)
            wr_start_as_user pulseaudio --daemonize=no --exit-idle-time=-1 -n \
                --load="module-null-sink sink_name=v" --load=module-native-protocol-unix \
                >"$WR_DESKTOP/sound.log" 2>&1
            ;;
        pipewire)
            wr_start_as_user dbus-run-session -- \
                sh -c 'pipewire & sleep 0.3; wireplumber & pipewire-pulse & wait' \
                >"$WR_DESKTOP/sound.log" 2>&1
            ;;
    esac
    WR_SOUND_PID=$WR_STARTED
    wr_await 10 wr_pactl info >/dev/null 2>&1 || { echo "$1 did not start" >&2; return 1; }
    wr_await 10 wr_pactl set-default-sink v 2>/dev/null
}

# Kills the sound server and all it started, as a crash or an update does.
wr_stop_sound() {
    [ -n "$WR_SOUND_PID" ] || return 0
    wr_end_session "$WR_SOUND_PID"
    wr_await 5 sh -c "! kill -0 -- -$WR_SOUND_PID 2>/dev/null"
    WR_SOUND_PID=""
}

# Records what the null sink plays into WAV file $1 from now on, until
# wr_stop_recording; woodrun-listen reads it as it grows. A small latency
# makes the server hand the samples over as they come; the first have come
# when this returns.
wr_record() {
    rm -f "$1"
    wr_as_user parec -d v.monitor --file-format=wav --format=s16le --rate=44100 --channels=2 \
        --latency-msec=50 "$1" 2>>"$WR_DESKTOP/record.log" &
    WR_RECORD_PID=$!
    wr_await 5 sh -c "\"\$0\" frames \"\$1\" 2>/dev/null | awk '\$3 > 0.2 { ok = 1 } END { exit !ok }'" \
        "$(dirname "$WOODRUN_SHOT")/woodrun-listen" "$1"
}
wr_stop_recording() { kill "$WR_RECORD_PID" 2>/dev/null || true; }

# Starts the game in directory $1 (see wr_launch) as the user, in its session.
wr_launch_as_user() {
    wr_launch "$1" "${WR_DESKTOP_USER[@]}" env HOME="$WR_DESKTOP/home" XDG_RUNTIME_DIR="$WR_DESKTOP/run"
}

# Records the null sink for $1 seconds into WAV file $2, and prints the RMS
# level (0 to 1) heard from 0.2 s in to 0.2 s before the end.
wr_level_heard() {
    wr_record "$2" || return 1
    sleep "$1"
    "$(dirname "$WOODRUN_SHOT")/woodrun-listen" level "$2" 0.2 "$(awk -v s="$1" 'BEGIN { print s - 0.4 }')"
    wr_stop_recording
}

# The CPU time the game takes in the next $1 seconds, in clock ticks.
wr_cpu_ticks_in() {
    local before
    before=$(awk '{ print $14 + $15 }' "/proc/$WR_PID/stat")
    sleep "$1"
    awk -v b="$before" '{ print $14 + $15 - b }' "/proc/$WR_PID/stat"
}

# The frames the game showed in the last second, as it said last.
wr_fps() { tail -n 1 "$WR_DIR/stdout" | sed -n 's/^FPS: //p'; }

wr_desktop_stop() {
    wr_stop_recording
    wr_end_session "$WR_SOUND_PID"
    wr_end_session "$WR_SWAY_PID"
}
