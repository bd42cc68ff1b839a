# The Debian package ($3) unpacked into a scratch root and started through its
# launcher from /, in a fresh home, as a player would: the menu appears;
# picking 1280x720 in the settings writes ~/.config/woodrun/settings.cfg and
# nothing under the unpacked tree; the next start opens at 1280x720; another
# XDG_CONFIG_HOME is honoured, and a relative one ignored; a copy of the tree
# plays from its own files; --help and --version answer, other options are
# refused; without a config folder the game plays on its defaults and cannot
# save; without HOME it takes the user database's home, and without any home
# it ends with one line; without a display the launcher ends with the game's
# message and status 1.
# Arguments: <game-dir> <woodrun-shot> <package>; the game directory only
# gives the shared set-up its scratch directory, which holds the rest.
source "$(dirname "$0")/../e2e/common.sh"
DEB=$3
ROOT=$RUN/root
export HOME=$RUN/home
unset XDG_CONFIG_HOME XDG_CACHE_HOME
mkdir -p "$ROOT" "$HOME"
dpkg-deb -x "$DEB" "$ROOT"
LAUNCHER=$ROOT/usr/games/woodrun

# Every path under the tree with its kind, mode, size, time and link target,
# and every file's contents.
tree_state() {
    (cd "$ROOT" && find . -printf '%p %y %m %s %T@ %l\n' | sort && find . -type f -exec sha256sum {} + | sort)
}
before=$(tree_state)

# Starts the launcher from /, its sound going nowhere as in every session of
# the tests; arguments are more environment for it, or a command that runs it.
launch_installed() {
    (cd / && exec env ALSOFT_CONF="${WR_AUDIO_CONF:-$RUN/null-audio.conf}" "$@" "$LAUNCHER" \
        >"$RUN/stdout" 2>"$RUN/stderr") &
    WR_PID=$!
    WR_WINDOW=""
}

launch_installed
wr_wait_window 800 600 || fail "no window from the launcher"
wr_wait_menu 20 || fail "no menu in the window"
pick_1280x720
settings=$HOME/.config/woodrun/settings.cfg
[ "$(cat "$settings" 2>/dev/null)" = "$(printf 'width=1280\nheight=720\nfullscreen=0')" ] ||
    fail "$settings holds: $(cat "$settings" 2>&1)"
wr_point 640 400
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back"
leave_through_exit 1280 720
[ -z "$(game_errors)" ] || fail "unexpected standard error"
[ "$(tree_state)" = "$before" ] || fail "the unpacked tree changed: $(diff <(echo "$before") <(tree_state))"

launch_installed
wr_wait_window 1280 720 || fail "the second start opened at $(wr_window_size), not 1280x720"
wr_wait_menu 20 || fail "no menu at the second start"
leave_through_exit 1280 720

mkdir -p "$RUN/elsewhere/woodrun"
printf 'width=1024\nheight=768\nfullscreen=0\n' >"$RUN/elsewhere/woodrun/settings.cfg"
launch_installed XDG_CONFIG_HOME="$RUN/elsewhere"
wr_wait_window 1024 768 || fail "with XDG_CONFIG_HOME the start opened at $(wr_window_size)"
wr_wait_menu 20 || fail "no menu with XDG_CONFIG_HOME"
leave_through_exit 1024 768

# A relative one, which the base-directory rules say to ignore: from /, it would
# name the same folder.
launch_installed XDG_CONFIG_HOME="${RUN#/}/elsewhere"
wr_wait_window 1280 720 || fail "a relative XDG_CONFIG_HOME was taken: $(wr_window_size)"
wr_wait_menu 20 || fail "no menu with a relative XDG_CONFIG_HOME"
leave_through_exit 1280 720

# A second copy of the tree elsewhere, as another version installed under
# another prefix: its launcher links its own files, not the first tree's.
cp -a "$ROOT" "$RUN/copy"
LAUNCHER=$RUN/copy/usr/games/woodrun
launch_installed
wr_wait_window 1280 720 || fail "no window from the copied tree"
wr_wait_menu 20 || fail "no menu from the copied tree"
[ "$(readlink -f "$HOME/.cache/woodrun/Player")" = "$RUN/copy/usr/share/games/woodrun/Player" ] ||
    fail "the images are linked from $(readlink -f "$HOME/.cache/woodrun/Player")"
leave_through_exit 1280 720

# Its options: --help and --version answer and end; any other is refused.
"$LAUNCHER" --help | grep -q '^Usage: woodrun' || fail "--help printed: $("$LAUNCHER" --help 2>&1)"
[ "$("$LAUNCHER" --version)" = "woodrun $(dpkg-deb --field "$DEB" Version)" ] ||
    fail "--version printed: $("$LAUNCHER" --version 2>&1)"
status=0
"$LAUNCHER" --fullscreen >"$RUN/stdout" 2>"$RUN/stderr" || status=$?
[ "$status" = 2 ] && grep -q '^Usage: woodrun' "$RUN/stderr" && [ ! -s "$RUN/stdout" ] ||
    fail "an unknown option: status $status, standard error: $(cat "$RUN/stderr")"

# A config folder that cannot be made: the game starts on its defaults, and a
# new resolution takes effect but cannot be saved.
: >"$RUN/not-a-folder"
launch_installed XDG_CONFIG_HOME="$RUN/not-a-folder"
wr_wait_window 800 600 || fail "with no config folder the start opened at $(wr_window_size)"
wr_wait_menu 20 || fail "no menu without a config folder"
pick_1280x720
wr_point 640 400
wr_tap_key Escape
wr_wait_menu 10 || fail "Escape did not bring the menu back without a config folder"
leave_through_exit 1280 720
[ "$(game_errors)" = "Не удалось сохранить настройки" ] ||
    fail "standard error without a config folder: $(game_errors)"

# Without HOME, the user database's home: a stand-in for the database, first
# on PATH, names one of the test's own, and the game keeps its files there.
mkdir -p "$RUN/users/bin" "$RUN/users/home"
printf '#!/bin/sh\necho "player:x:%s:%s:Player:%s:/bin/sh"\n' "$(id -u)" "$(id -g)" \
    "$RUN/users/home" >"$RUN/users/bin/getent"
chmod +x "$RUN/users/bin/getent"
launch_installed env -u HOME PATH="$RUN/users/bin:$PATH"
wr_wait_window 800 600 || fail "no window without HOME"
[ -L "$RUN/users/home/.cache/woodrun/settings.cfg" ] ||
    fail "without HOME the game runs in $(readlink "/proc/$WR_PID/cwd")"
leave_through_exit

# For nobody, the database's home is /nonexistent, which cannot be made, so
# the game runs in a folder of its own on its defaults. A user the database
# does not know has no home at all: one line, status 1.
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$RUN"
    chmod a+w "$RUN/stdout" "$RUN/stderr"
    mkdir -m 1777 "$RUN/tmp"
    launch_installed TMPDIR="$RUN/tmp" env -u HOME setpriv --reuid=nobody --regid=nogroup --clear-groups
    wr_wait_window 800 600 || fail "without HOME the start opened at $(wr_window_size)"
    wr_wait_menu 20 || fail "no menu without HOME"
    leave_through_exit
    [ -z "$(game_errors)" ] || fail "standard error without HOME: $(game_errors)"
    status=0
    (cd / && exec env -u HOME setpriv --reuid=54321 --regid=54321 --clear-groups "$LAUNCHER") \
        >"$RUN/stdout" 2>"$RUN/stderr" || status=$?
    [ "$status" = 1 ] &&
        [ "$(cat "$RUN/stderr")" = "woodrun: no home folder: HOME is not set and the user database names none" ] ||
        fail "without any home: status $status, standard error: $(cat "$RUN/stderr")"
fi

status=0
(cd / && exec env -u DISPLAY "$LAUNCHER") >"$RUN/stdout" 2>"$RUN/stderr" || status=$?
[ "$status" = 1 ] || fail "exit status $status without a display"
[ "$(cat "$RUN/stderr")" = "Невозможно открыть окно без дисплея" ] ||
    fail "standard error without a display: $(cat "$RUN/stderr")"
[ "$(tree_state)" = "$before" ] || fail "the unpacked tree changed"
echo "package launcher: ok"
