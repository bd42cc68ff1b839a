# A long run of the real game under a seeded random stream of real mouse and
# keyboard input: clicks on the menu items and the settings widgets, picks and
# toggles, running and jumping, Escape, leaving and closing. It checks that the
# game never dies, that settings.cfg is complete and valid whenever it exists,
# that resident memory after warm-up grows by less than 5 MB, and that standard
# error holds only expected lines. SOAK_SECONDS sets the length (60 s),
# SOAK_SEED the input stream, SOAK_MEMORY=0 skips the memory check (for
# sanitizer builds, whose allocator keeps freed memory on purpose).
#
# The script never takes an answer for granted: after every action that changes
# the screen or the settings it waits, within a time limit, until the window
# (or settings.cfg) shows the game's answer, so a slow frame cannot make it
# read the state from before the action.
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
played=0
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
    # shellcheck disable=SC2046 # the point is two words
    click $(wr_menu_item_point "$@")
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


# Waits for the game's answer, the command that follows; fails after 15 s,
# saying what the window shows instead.
await() {
    wr_await 15 "$@" && return 0
    local shows="" look
    for look in menu settings list play; do
        "wr_shows_$look" && shows+=" $look"
    done
    fail "no answer from the game: $* (on the $screen screen, action $actions;" \
        "window $WR_WINDOW of $(wr_window_size) shows:${shows:- none of the screens};" \
        "windows: $(xdotool search --classname woodrun 2>/dev/null | tr '\n' ' '))"
}

# The settings the game last applied, "width height fullscreen": what
# settings.cfg says, or the defaults while there is no file. Read only when
# every earlier change has been answered.
applied_settings() {
    local w=800 h=600 f=0
    if [ -e "$RUN/settings.cfg" ]; then
        w=$(sed -n 's/^width=//p' "$RUN/settings.cfg")
        h=$(sed -n 's/^height=//p' "$RUN/settings.cfg")
        f=$(sed -n 's/^fullscreen=//p' "$RUN/settings.cfg")
    fi
    echo "$w $h $f"
}

settings_say() { [ "$(cat "$RUN/settings.cfg" 2>/dev/null)" = "$1" ]; }

# After a pick or a toggle the game saves $1 ("width height fullscreen") and
# makes its window again: windowed at that size, or full screen at the
# desktop's. Waits for both, then for the settings screen in the new window.
settings_applied() {
    local w h f old=$WR_WINDOW
    read -r w h f <<<"$1"
    await settings_say "$(printf 'width=%s\nheight=%s\nfullscreen=%s' "$w" "$h" "$f")"
    check_file
    [ "$f" = 1 ] && { w=1920 h=1080; }
    # The old window goes only after the file is written: wait for a new one.
    local deadline=$((SECONDS + 15))
    until wr_wait_window "$w" "$h" && [ "$WR_WINDOW" != "$old" ]; do
        [ $SECONDS -lt $deadline ] ||
            fail "no new ${w}x${h} window for $1 (the window is $(wr_window_size))"
        sleep 0.05
    done
    size="$w $h"
    applied=$((applied + 1))
    await wr_shows_settings
}

# The list opens or closes with a click on the resolution box.
toggle_list() {
    click $(wr_settings_point box "$1")
    list_open=$((1 - list_open))
    if [ $list_open -eq 1 ]; then await wr_shows_list; else await list_closed; fi
}
list_closed() { ! wr_shows_list; }

# The full-screen switch.
toggle_fullscreen() {
    local w h f
    read -r w h f <<<"$(applied_settings)"
    click $(wr_settings_point fullscreen "$1")
    trace "toggle full screen from $w $h $f"
    settings_applied "$w $h $((1 - f))"
}

# Picks preset $2 (0 to 3) from the open list in a window $1 wide; a preset
# that is already the applied resolution changes nothing.
pick() {
    local presets=("1280 720" "1366 768" "1600 900" "1920 1080") w h f
    read -r w h f <<<"$(applied_settings)"
    click $(wr_settings_point "entry$2" "$1")
    trace "pick ${presets[$2]} at $size"
    list_open=0
    # A new resolution makes the window again, with the list closed.
    [ "${presets[$2]}" = "$w $h" ] || settings_applied "${presets[$2]} $f"
    await list_closed
}

# Leaves the settings screen for the menu by $1: Escape, back or apply.
leave_settings() {
    local w h
    read -r w h <<<"$size"
    # The open list covers "Применить", and Escape would only close it.
    [ $list_open -eq 1 ] && toggle_list "$w"
    case $1 in
        escape) xdotool key Escape ;;
        back) click $(wr_settings_point back "$w" "$h") ;;
        apply) click $(wr_settings_point apply "$w" "$h") ;;
    esac
    screen=menu
    changes=$((changes + 1))
    await wr_shows_menu
}

enter_play() {
    click_item play "$@"
    screen=play played=1
    changes=$((changes + 1))
    await wr_shows_play
}

enter_settings() {
    click_item settings "$@"
    screen=settings list_open=0
    changes=$((changes + 1))
    await wr_shows_settings
}

# Brings the game to one fixed state, the menu in a 1920x1080 window, and
# sets SETTLED_RSS to its resident memory there: memory depends on the
# window's size and the screen shown, so only such readings compare. (Call it
# directly, not in $(...): it changes what the script knows of the window.)
settled_rss() {
    local w h
    # The forest's images stay loaded once play has shown them: play first.
    if [ $played -eq 0 ]; then
        [ "$screen" = settings ] && leave_settings escape
        read -r w h <<<"$size"
        [ "$screen" = menu ] && enter_play "$w" "$h"
    fi
    if [ "$screen" = play ]; then
        xdotool key Escape
        screen=menu
        await wr_shows_menu
    fi
    read -r w h <<<"$size"
    [ "$screen" = menu ] && enter_settings "$w" "$h"
    if [ "$(applied_settings | cut -d' ' -f3)" = 1 ]; then
        [ $list_open -eq 1 ] && toggle_list "$w"
        toggle_fullscreen "$w"
        read -r w h <<<"$size"
    fi
    if [ "$size" != "1920 1080" ]; then
        [ $list_open -eq 0 ] && toggle_list "$w"
        pick "$w" 3
    fi
    leave_settings escape
    sleep 1.5
    SETTLED_RSS=$(settled_memory)
}

# Nothing but what the graphics stack writes may appear.
check_errors() {
    local unexpected
    unexpected=$(game_errors)
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

on_menu() {
    local w h
    read -r w h <<<"$size"
    local roll=$((RANDOM % 20))
    if [ $roll -lt 9 ]; then
        enter_play "$w" "$h"
    elif [ $roll -lt 17 ]; then
        enter_settings "$w" "$h"
    else
        xdotool mousemove --window "$WR_WINDOW" $((RANDOM % w)) $((RANDOM % h))
    fi
}

on_settings() {
    local w h
    read -r w h <<<"$size"
    local roll=$((RANDOM % 20))
    if [ $list_open -eq 1 ] && [ $roll -lt 8 ]; then
        pick "$w" $((RANDOM % 4))
    elif [ $roll -lt 11 ]; then
        toggle_list "$w"
        trace "list open: $list_open"
    elif [ $roll -lt 13 ] && [ $list_open -eq 0 ]; then
        toggle_fullscreen "$w"
    elif [ $roll -lt 16 ]; then
        leave_settings escape
    elif [ $roll -lt 18 ]; then
        leave_settings back
    else
        leave_settings apply
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
        await wr_shows_menu
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
