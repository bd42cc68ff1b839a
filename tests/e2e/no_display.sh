# Without a display, whether none is named or the one named cannot be opened,
# the game says that no window can be opened and ends with status 1.
source "$(dirname "$0")/common.sh"

for display in "" ":7319"; do
    status=0
    (cd "$RUN" && if [ -z "$display" ]; then exec env -u DISPLAY ./woodrun; else
        DISPLAY=$display exec ./woodrun; fi) >"$RUN/stdout" 2>"$RUN/stderr" || status=$?
    [ "$status" = 1 ] || fail "exit status $status with DISPLAY='$display'"
    [ "$(game_errors)" = "Невозможно открыть окно без дисплея" ] ||
        fail "standard error with DISPLAY='$display': $(game_errors)"
    [ ! -s "$RUN/stdout" ] || fail "standard output with DISPLAY='$display'"
    [ ! -e "$RUN/settings.cfg" ] || fail "settings.cfg was created"
done
echo "no display: ok"
