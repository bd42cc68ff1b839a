# Whatever settings.cfg holds, or whatever stands in its place, the game starts
# windowed at a size it can use, never writes the file by itself, and leaves
# through "Выход" with status 0.
source "$(dirname "$0")/common.sh"

# Starts the game with the settings file as the caller left it, checks the
# window size ($1x$2) and that nothing went to standard error; $3 "exit" leaves
# through the exit item, anything else only ends the process.
start_and_check() {
    local width=$1 height=$2 how=$3
    shift 3
    rm -f "$RUN/stdout" "$RUN/stderr"
    wr_launch "$RUN" "$@"
    wr_wait_window "$width" "$height" || fail "no ${width}x${height} window for $case_name"
    if [ "$how" = exit ]; then
        wr_wait_menu 10 || fail "no menu for $case_name"
        wr_click_menu exit "$width" "$height"
        wr_wait_exit 10
        [ "$WR_STATUS" = 0 ] || fail "exit status $WR_STATUS for $case_name"
    else
        # Too small a window to show the menu: the first frame rate tells that
        # the game runs.
        printed_rate() { grep -q '^FPS: ' "$RUN/stdout"; }
        wr_await 10 printed_rate || fail "the game does not run for $case_name"
        kill "$WR_PID"
        wr_wait_exit 10
    fi
    [ -z "$(game_errors)" ] || fail "standard error for $case_name: $(game_errors)"
    echo "$case_name: ${width}x${height}, nothing on standard error"
}

# A file written before the run must be exactly as it was after it.
start_with_file() {
    case_name=$1
    local before
    before=$(sha256sum "$RUN/settings.cfg")
    start_and_check "${@:2}"
    [ "$(sha256sum "$RUN/settings.cfg")" = "$before" ] || fail "$case_name: settings.cfg changed"
}

case_name="no settings.cfg"
start_and_check 800 600 exit
[ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was created"

: >"$RUN/settings.cfg"
start_with_file "an empty settings.cfg" 800 600 exit

head -c 10485760 /dev/urandom >"$RUN/settings.cfg"
start_with_file "10 MB of random bytes" 800 600 exit

{ printf 'width='; head -c 1048576 /dev/zero | tr '\0' '7'; printf '\nheight=720\n'; } >"$RUN/settings.cfg"
start_with_file "a 1 MB line" 800 720 exit

for value in 0 -1 99999999999 0x500; do
    printf 'width=%s\nheight=%s\nfullscreen=0\n' "$value" "$value" >"$RUN/settings.cfg"
    start_with_file "width and height of $value" 800 600 exit
done

# Read like a C string-to-integer conversion, 1e3 is 1: a window 1 px square.
printf 'width=1e3\nheight=1e3\n' >"$RUN/settings.cfg"
start_with_file "width and height of 1e3" 1 1 kill

rm "$RUN/settings.cfg"
mkdir "$RUN/settings.cfg"
case_name="settings.cfg as a directory"
start_and_check 800 600 exit
[ -d "$RUN/settings.cfg" ] || fail "the directory in the file's place was touched"
rmdir "$RUN/settings.cfg"

# Unreadable: for root every file is readable, so the game runs as nobody then.
printf 'width=1280\nheight=720\n' >"$RUN/settings.cfg"
chmod 000 "$RUN/settings.cfg"
as_other=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$RUN"
    chmod -R a+rX "$RUN"
    chmod 000 "$RUN/settings.cfg"
    chmod a+w "$RUN/stdout" "$RUN/stderr" 2>/dev/null || true
    as_other=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
start_with_file "an unreadable settings.cfg" 800 600 exit "${as_other[@]}"
