# A long run of the real game under a seeded random stream of real mouse and
# keyboard input: clicks on the menu items and the settings widgets, picks and
# toggles, running and jumping, Escape, leaving and closing. It checks that the
# game never dies, that settings.cfg is complete and valid whenever it exists,
# that resident memory after warm-up grows by less than 5 MB, and that standard
# error holds only expected lines. SOAK_SECONDS sets the length (60 s),
# SOAK_SEED the input stream, SOAK_MEMORY=0 skips the memory check (for
# sanitizer builds, whose allocator keeps freed memory on purpose).
source "$(dirname "$0")/common.sh"

seconds=${SOAK_SECONDS:-60}
seed=${SOAK_SEED:-20261207}
check_memory=${SOAK_MEMORY:-1}
RANDOM=$seed
echo "soak: $seconds s, seed $seed"

screen=menu    # where the input believes the game is
list_open=0
size="800 600"
changes=0
applied=0
restarts=0
actions=0
rss_start=""
rss_end=""

# With SOAK_TRACE=1 every action is written to standard error.
trace() { [ "${SOAK_TRACE:-0}" = 1 ] && echo "soak: $*" >&2 || true; }

# A quick real click: press, three frames or so, release.
click() {
    xdotool mousemove --window "$WR_WINDOW" "$1" "$2" mousedown 1
    sleep 0.05
    xdotool mouseup 1
    sleep 0.05
}

# Clicks a menu item as wr_click_menu does, quickly.
click_item() {
    local cx=$(($2 / 2)) cy=$(($3 / 2))
    case $1 in
        play) click $((cx - 20)) $((cy - 75)) ;;
        settings) click $((cx - 40)) $((cy + 25)) ;;
        exit) click $((cx - 20)) $((cy + 125)) ;;
    esac
}

# 1 in $1.
chance() { [ $((RANDOM % $1)) -eq 0 ]; }

# settings.cfg, whenever it exists, is the three lines the game writes.
check_file() {
    [ -e "$RUN/settings.cfg" ] || return 0
    local text
    text=$(cat "$RUN/settings.cfg")
    [[ $text =~ ^width=[0-9]+$'\n'height=[0-9]+$'\n'fullscreen=[01]$ ]] ||
        fail "settings.cfg is not complete and valid: $(printf '%q' "$text")"
}

rss() { awk '/^VmRSS:/ {print $2}' "/proc/$WR_PID/status" 2>/dev/null; }

# Brings the game to one fixed state, the menu in a 1920x1080 window, and
# sets SETTLED_RSS to its resident memory there: memory depends on the
# window's size and the screen shown, so only such readings compare. (Call it
# directly, not in $(...): it changes what the script knows of the window.)
settled_rss() {
    local w h cx
    [ "$screen" = play ] && { xdotool key Escape; sleep 0.3; screen=menu; }
    read -r w h <<<"$size"
    if [ "$screen" = menu ]; then
        click_item settings "$w" "$h"
        screen=settings list_open=0
        sleep 0.3
    fi
    cx=$((w / 2))
    if grep -q '^fullscreen=1$' "$RUN/settings.cfg" 2>/dev/null; then
        [ $list_open -eq 1 ] && { click "$cx" 170; list_open=0; }
        click $((cx - 100)) 240
        window_remade "$(sed -n 's/^width=//p' "$RUN/settings.cfg") $(sed -n 's/^height=//p' "$RUN/settings.cfg")"
        read -r w h <<<"$size"
        cx=$((w / 2))
    fi
    if [ "$size" != "1920 1080" ]; then
        [ $list_open -eq 0 ] && click "$cx" 170
        click "$cx" $((195 + 30 * 3))
        list_open=0
        window_remade "1920 1080"
    fi
    xdotool key Escape
    screen=menu
    sleep 1.5
    SETTLED_RSS=$(rss)
}

# Our own lines and SFML's notice about vertical sync are all that may appear.
check_errors() {
    local unexpected
    unexpected=$(grep -v -e '^Setting vertical sync not supported$' "$RUN/stderr" || true)
    [ -z "$unexpected" ] || fail "unexpected standard error: $unexpected"
}

start_game() {
    : >"$RUN/stderr"
    wr_launch "$RUN"
    # The game opens at the size the settings file gives.
    local w=800 h=600
    if [ -e "$RUN/settings.cfg" ]; then
        if grep -q '^fullscreen=1$' "$RUN/settings.cfg"; then
            w=1920 h=1080
        else
            w=$(sed -n 's/^width=//p' "$RUN/settings.cfg")
            h=$(sed -n 's/^height=//p' "$RUN/settings.cfg")
        fi
    fi
    size="$w $h"
    wr_wait_window "$w" "$h" || fail "no ${w}x${h} window"
    screen=menu
    sleep 0.3
}

# The game ended on purpose: it must have ended well; then it starts again.
ended() {
    wr_wait_exit 15
    [ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS after $1"
    check_errors
    restarts=$((restarts + 1))
    start_game
}

alive() { kill -0 "$WR_PID" 2>/dev/null || fail "the game died (on the $screen screen, action $actions)"; }

# After a pick or a toggle the window is made again, at the new size.
window_remade() {
    sleep 0.3
    check_file
    local w h
    read -r w h <<<"$1"
    wr_wait_window "$w" "$h" || fail "the window did not become ${w}x${h} (it is $(wr_window_size))"
    size="$w $h"
    applied=$((applied + 1))
}

on_menu() {
    local w h
    read -r w h <<<"$size"
    local roll=$((RANDOM % 20))
    if [ $roll -lt 9 ]; then
        click_item play "$w" "$h" && screen=play
        changes=$((changes + 1))
        sleep 0.2
    elif [ $roll -lt 17 ]; then
        click_item settings "$w" "$h" && screen=settings list_open=0
        changes=$((changes + 1))
    else
        xdotool mousemove --window "$WR_WINDOW" $((RANDOM % w)) $((RANDOM % h))
    fi
}

on_settings() {
    local w h cx
    read -r w h <<<"$size"
    cx=$((w / 2))
    local roll=$((RANDOM % 20))
    if [ $list_open -eq 1 ] && [ $roll -lt 8 ]; then
        local option=$((RANDOM % 4))
        local presets=("1280 720" "1366 768" "1600 900" "1920 1080")
        click "$cx" $((195 + 30 * option))
        trace "pick ${presets[$option]} at $size"
        list_open=0
        local fullscreen=0
        grep -q '^fullscreen=1$' "$RUN/settings.cfg" 2>/dev/null && fullscreen=1
        if [ "${presets[$option]}" != "$size" ] && [ $fullscreen -eq 0 ]; then
            window_remade "${presets[$option]}"
        elif [ $fullscreen -eq 1 ]; then
            sleep 0.5
            check_file
            applied=$((applied + 1))
            wr_wait_window 1920 1080 || fail "the full-screen window went away"
        fi
    elif [ $roll -lt 11 ]; then
        click "$cx" 170
        list_open=$((1 - list_open))
        trace "list open: $list_open"
    elif [ $roll -lt 13 ] && [ $list_open -eq 0 ]; then
        # The full-screen switch: the window becomes the desktop, or goes back.
        click $((cx - 100)) 240
        trace "toggle full screen: $(tr '\n' ' ' <"$RUN/settings.cfg" 2>/dev/null)"
        if grep -q '^fullscreen=1$' "$RUN/settings.cfg" 2>/dev/null; then
            window_remade "1920 1080"
        else
            window_remade "$(sed -n 's/^width=//p' "$RUN/settings.cfg") $(sed -n 's/^height=//p' "$RUN/settings.cfg")"
        fi
    elif [ $roll -lt 16 ]; then
        xdotool key Escape
        sleep 0.05
        screen=menu
        changes=$((changes + 1))
    elif [ $roll -lt 18 ]; then
        click 100 $((h - 85)) # "Назад (Esc)"
        screen=menu
        changes=$((changes + 1))
    else
        if [ $list_open -eq 1 ]; then
            click "$cx" 170 # close the list first: it covers "Применить"
            list_open=0
        fi
        click "$cx" 325 # "Применить"
        screen=menu
        changes=$((changes + 1))
    fi
}

on_play() {
    local keys=(a d Left Right)
    local roll=$((RANDOM % 20))
    if [ $roll -lt 10 ]; then
        local key=${keys[$((RANDOM % 4))]}
        xdotool keydown "$key"
        chance 2 && xdotool keydown space
        sleep "0.$((RANDOM % 3 + 1))"
        xdotool keyup "$key" keyup space
    elif [ $roll -lt 13 ]; then
        xdotool keydown space
        sleep 0.1
        xdotool keyup space
    else
        xdotool key Escape
        screen=menu
        changes=$((changes + 1))
        sleep 0.05
    fi
}

started=$SECONDS
start_game
# Leave once through "Выход" and once by closing the window, early, before the
# memory is measured on the run that follows.
click_item exit 800 600
ended "the exit item"
changes=$((changes + 1))
wr_close
ended "closing the window"
changes=$((changes + 1))
while [ $((SECONDS - started)) -lt "$seconds" ]; do
    case $screen in
        menu) on_menu ;;
        settings) on_settings ;;
        play) on_play ;;
    esac
    actions=$((actions + 1))
    alive
    check_file
    if [ -z "$rss_start" ] && [ $((SECONDS - started)) -ge $((seconds / 4)) ]; then
        settled_rss
        rss_start=$SETTLED_RSS
    fi
done
settled_rss
rss_end=$SETTLED_RSS

[ "$screen" = play ] && { wr_tap_key Escape; sleep 0.2; }
wr_close
wr_wait_exit 15
[ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS after closing at the end"
check_errors
check_file

echo "soak: $actions actions, $changes screen changes, $applied settings applied, $restarts restarts"
echo "soak: resident memory, on the menu at 1920x1080: ${rss_start:-?} kB after warm-up, ${rss_end:-?} kB at the end"
if [ "$check_memory" = 1 ] && [ -n "$rss_start" ] && [ -n "$rss_end" ]; then
    [ $((rss_end - rss_start)) -lt 5120 ] ||
        fail "resident memory grew by $((rss_end - rss_start)) kB"
fi
echo "soak: ok"
