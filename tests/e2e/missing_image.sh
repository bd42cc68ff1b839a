# A missing forest image ends the game when "Играть" is chosen, with its path.
source "$(dirname "$0")/common.sh"

layer="parallax_demon_woods_pack/layers/parallax-demon-woods-mid-trees.png"
rm "$RUN/$layer"
wr_launch "$RUN"
wr_wait_window 800 600 || fail "no window"
wr_click 380 225
wr_wait_exit 20
[ "$WR_STATUS" = 1 ] || fail "exit status $WR_STATUS without $layer"
grep -q -x "Failed to load texture: $layer" "$RUN/stderr" || fail "no message naming the image"
if grep -q -e "terminate called" -e "Aborted" -e "Sanitizer" "$RUN/stderr"; then
    fail "the game did not end cleanly"
fi
echo "missing image: ok"
