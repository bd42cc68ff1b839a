# Sixteen starts on an X server that resets itself whenever its last client
# leaves (Xvfb without -noreset, like a bare xinit session): every one opens
# its window and ends with status 0 when the window is closed; none aborts for
# a display that refused the game in the middle of a reset.
# Arguments: <game-dir> <woodrun-shot>. Runs its own server: no xvfb-run.
set -euo pipefail
exec 3< <(Xvfb -displayfd 4 -ac -screen 0 1024x768x24 4>&1 >/dev/null 2>&1 &
          echo "pid $!")
read -r _ server <&3
read -r number <&3 || number=""
trap 'kill "$server" 2>/dev/null || true' EXIT
[ -n "$number" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
source "$(dirname "$0")/common.sh"
trap 'cleanup; kill "$server" 2>/dev/null || true' EXIT

statuses=()
for start in $(seq 16); do
    rm -f "$RUN/stderr"
    wr_launch "$RUN"
    wr_wait_window 800 600 || fail "start $start: no window ($(cat "$RUN/stderr" 2>/dev/null))"
    until wr_close 2>/dev/null; do sleep 0.05; done
    wr_wait_exit 10
    statuses+=("$WR_STATUS")
    [ "$WR_STATUS" = 0 ] || fail "start $start ended with status $WR_STATUS"
done
echo "resetting display: 16 starts, statuses ${statuses[*]}: ok"
