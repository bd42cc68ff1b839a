# Applying settings in a working directory the game may not write: the window
# still changes, settings.cfg stays as it was, and one line says the settings
# could not be saved. (Root writes anywhere, so as root the game runs as nobody.)
source "$(dirname "$0")/common.sh"

printf 'width=800\nheight=600\nfullscreen=0\n' >"$RUN/settings.cfg"
before=$(sha256sum <"$RUN/settings.cfg")
: >"$RUN/stdout"
: >"$RUN/stderr"
as_other=()
if [ "$(id -u)" -eq 0 ]; then
    chmod -R a+rX "$RUN"
    chmod a+w "$RUN/stdout" "$RUN/stderr"
    chmod 755 "$RUN"
    as_other=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod a-w "$RUN"
fi

wr_launch "$RUN" "${as_other[@]}"
wr_wait_window 800 600 || fail "no window"
wr_wait_menu 10 || fail "no menu"
pick_1280x720
chmod u+w "$RUN"
[ "$(sha256sum <"$RUN/settings.cfg")" = "$before" ] || fail "settings.cfg changed"
[ ! -e "$RUN/settings.cfg.tmp" ] || fail "a temporary file was left behind"

wr_tap_key Escape
leave_through_exit 1280 720
[ "$(game_errors)" = "Не удалось сохранить настройки" ] ||
    fail "standard error holds: $(game_errors)"
echo "read-only directory: the window changed, settings.cfg kept, \"$(game_errors)\""
