# What the game plays, heard through the real audio stack: OpenAL Soft writes
# its output into a WAV file instead of a device, in real time, and
# woodrun-listen measures it. The menu theme plays; picking a resolution
# re-creates the window without a break in the music; Space in play is
# followed within 100 ms by the jump; M silences everything and M again brings
# it back. SOUND_CHECKS=theme checks the menu theme alone.
source "$(dirname "$0")/common.sh"

listen() { "$(dirname "$WOODRUN_SHOT")/woodrun-listen" "$@"; }
capture=$RUN/capture.wav
printf '[general]\ndrivers=wave\n[wave]\nfile=%s\n' "$capture" >"$RUN/wave.conf"
WR_AUDIO_CONF=$RUN/wave.conf

# Where the capture has got to, in seconds: the file grows in real time, so its
# end is now (give or take the output's own buffering, which only makes the
# latency measured below longer than it is).
now() { listen frames "$capture" | cut -d' ' -f3; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
below() { above "$2" "$1"; }

wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
sleep 3

# The menu theme: a stretch of it, from 1 s in, turns up whole in the capture.
read -r found correlation < <(listen find "$capture" "$RUN/Music/menu.ogg" 0 2 1.0 1.0)
above "$correlation" 0.9 || fail "the menu theme does not play (best match $correlation)"
theme_start=$(awk -v f="$found" 'BEGIN { print f - 1.0 }')
echo "the menu theme started ${theme_start} s into the capture"
# SOUND_CHECKS=theme stops here (the Windows build under Wine).
if [ "${SOUND_CHECKS:-all}" = theme ]; then
    leave_through_exit
    echo "sound: the menu theme heard: ok"
    exit 0
fi

# A new resolution re-creates the window; the music flows on through it, with
# no quiet moment and not a sample lost: long after, the theme is exactly
# where it would be had nothing happened.
before_pick=$(now)
pick_1280x720
sleep 1.5
after_pick=$(now)
quietest=$(listen quietest "$capture" "$before_pick" "$after_pick" 0.05)
above "$quietest" 0.005 || fail "the music broke off around the new window (level $quietest)"
check=$(awk -v n="$after_pick" 'BEGIN { print n - 0.6 }')
# The theme's file holds its 30 s loop between margins of half a second.
position=$(awk -v c="$check" -v s="$theme_start" \
    'BEGIN { p = c - s; if (p >= 30.5) p = 0.5 + (p - 0.5) - 30 * int((p - 0.5) / 30); print p }')
read -r found correlation < <(listen find "$capture" "$RUN/Music/menu.ogg" \
    "$(awk -v c="$check" 'BEGIN { print c - 0.1 }')" "$(awk -v c="$check" 'BEGIN { print c + 0.1 }')" \
    "$position" 0.4)
above "$correlation" 0.9 || fail "the menu theme is not where it should be after the new window ($correlation)"
drift=$(awk -v f="$found" -v c="$check" 'BEGIN { d = (f - c) * 1000; print d < 0 ? -d : d }')
below "$drift" 2 || fail "the menu theme moved by $drift ms across the new window"
echo "resolution changed: the music went on (quietest 50 ms: $quietest, off by $drift ms)"

wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"
wr_click_menu play 1280 720
wr_wait_play 20 || fail "no play screen"
sleep 1.5

# Space: the jump's sound starts within 100 ms. Five jumps; a single one may
# be held up by whatever else the machine is doing, so the middle one counts.
latencies=()
for jump in 1 2 3 4 5; do
    pressed=$(listen press space "$capture")
    sleep 0.2
    xdotool keyup space
    sleep 1.1
    read -r onset correlation < <(listen find "$capture" "$RUN/Sounds/jump.wav" \
        "$(awk -v p="$pressed" 'BEGIN { print p - 0.05 }')" \
        "$(awk -v p="$pressed" 'BEGIN { print p + 0.5 }')")
    above "$correlation" 0.5 || fail "no jump sound after Space (best match $correlation)"
    latency=$(awk -v o="$onset" -v p="$pressed" 'BEGIN { printf "%.0f", (o - p) * 1000 }')
    echo "jump $jump: the sound starts $latency ms after Space (match $correlation)"
    # The output mixes in blocks of some 20 ms and places a sound at its
    # block's start, so it may show a little before the press; never much.
    [ "$latency" -gt -50 ] || fail "a jump sound $latency ms before Space: not this press's"
    latencies+=("$latency")
done
median=$(printf '%s\n' "${latencies[@]}" | sort -n | sed -n 3p)
[ "$median" -lt 100 ] || fail "the jump sound came $median ms after Space (the middle of five)"
echo "jump onset latency: ${latencies[*]} ms, middle $median ms"

# M: silence from the next frame on; M again: sound again.
pressed=$(now)
wr_tap_key m
sleep 1.2
level=$(listen level "$capture" "$(awk -v p="$pressed" 'BEGIN { print p + 0.2 }')" 0.8)
below "$level" 0.0005 || fail "M did not silence the game (level $level)"
pressed=$(now)
wr_tap_key m
sleep 1.2
level=$(listen level "$capture" "$(awk -v p="$pressed" 'BEGIN { print p + 0.2 }')" 0.8)
above "$level" 0.01 || fail "M again did not bring the sound back (level $level)"
echo "M: silent, then back (level $level)"

wr_tap_key Escape
leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error"
echo "sound: ok"
