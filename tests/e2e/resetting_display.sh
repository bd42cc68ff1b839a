# A start on an X server that resets itself whenever its last client leaves
# (Xvfb without -noreset, like a bare xinit session), its connections refused
# by tests/support/RefusingDisplay.cpp as a display coming up late (the first
# three) and a reset (any made while the game holds none) would refuse them:
# the game waits for the display, opens its window and ends with status 0.
# Arguments: <game-dir> <woodrun-shot> <the refusing display's library>.
# Runs its own server: no xvfb-run.
set -euo pipefail
exec 3< <(Xvfb -displayfd 4 -ac -screen 0 1024x768x24 4>&1 >/dev/null 2>&1 &
          echo "pid $!")
read -r _ server <&3
read -r number <&3 || number=""
trap 'kill "$server" 2>/dev/null || true' EXIT
[ -n "$number" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
refusing=$3
source "$(dirname "$0")/common.sh"
trap 'cleanup; kill "$server" 2>/dev/null || true' EXIT

# The sanitizers' runtime would have itself first among the libraries.
wr_launch "$RUN" env LD_PRELOAD="$refusing" WR_REFUSALS=3 \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}:verify_asan_link_order=0"
wr_wait_window 800 600 || fail "no window ($(game_errors))"
until wr_close 2>/dev/null; do sleep 0.05; done
wr_wait_exit 10
[ "$WR_STATUS" = 0 ] || fail "the game ended with status $WR_STATUS"
[ -z "$(game_errors)" ] || fail "unexpected standard error: $(game_errors)"
echo "resetting display: ok"
