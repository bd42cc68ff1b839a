# Without its font the game says so and ends with status 1, without an abort.
source "$(dirname "$0")/common.sh"

rm "$RUN/engo.ttf"
wr_launch "$RUN"
wr_wait_exit 20
[ "$WR_STATUS" = 1 ] || fail "exit status $WR_STATUS without the font"
grep -q -x "Ошибка загрузки шрифта" "$RUN/stderr" || fail "no font message"
grep -q -x "Не удалось загрузить шрифт" "$RUN/stderr" || fail "the error did not reach standard error"
if grep -q -e "terminate called" -e "Aborted" -e "Sanitizer" "$RUN/stderr"; then
    fail "the game did not end cleanly"
fi
echo "missing font: ok"
