#!/usr/bin/env bash
# Plays a short session of the game under valgrind's memcheck in the current X
# display (menu, play, back to the menu, quit) and fails when valgrind reports
# an error or a definite leak whose first frame outside the C library's
# allocation and string functions is the game's own code.
# Usage: tools/harness/memcheck.sh <game-dir> <woodrun-shot>   (a build without sanitizers)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WOODRUN_SHOT=$2
# shellcheck source=tools/harness/xsession.sh
source "$here/xsession.sh"

run=$(wr_scratch_copy "$1")
trap 'kill -9 "$WR_PID" 2>/dev/null || true; cp "$log" "${MEMCHECK_LOG:-/dev/null}" 2>/dev/null; rm -rf "$run"' EXIT
log=$run/valgrind.log

wr_launch "$run" valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
    --num-callers=40 --smc-check=all-non-file --log-file="$log"
# Under valgrind the window takes some 5 s to appear, and over 13 s when the
# machine is busy.
WR_WINDOW_SECONDS=120 wr_wait_window 800 600 || exit 1
wr_wait_menu 120 || { echo "the menu never showed" >&2; exit 1; }
wr_click_menu play
wr_wait_play 180 || { echo "the play screen never showed" >&2; exit 1; }
xdotool keydown d
sleep 3
xdotool keydown space
sleep 2
xdotool keyup space keyup d
wr_tap_key Escape
wr_wait_menu 120 || { echo "Escape did not bring the menu back" >&2; exit 1; }
wr_click_menu exit
wr_wait_exit 300
[ "$WR_STATUS" = 0 ] || { echo "the game ended with $WR_STATUS" >&2; exit 1; }

# Each report is a block of lines; blame our code when the first frame past the
# allocator and the C string functions lies in the game's binary.
ours=$(awk '
    /definitely lost in loss record/ ||
    (/^==[0-9]+== [A-Z]/ && !/^==[0-9]+== (HEAP|LEAK|ERROR|FILE|Memcheck|Copyright|Using|Command|Parent|Process|All heap|For lists|Use --|Reachable|To see)/) {
        inblock = 1; head = $0; decided = 0; next
    }
    inblock && /^==[0-9]+== *$/ { inblock = 0; next }
    inblock && !decided && /(at|by) 0x/ {
        if ($0 ~ /vgpreload|(malloc|calloc|realloc|operator new|free|operator delete|memcpy|memmove|memset|strlen|strcmp|strncmp|bcmp|memcmp)[ (]/) next
        decided = 1
        if ($0 ~ /\(in [^)]*\/woodrun\)|\/src\//) print head
    }
' "$log")
summary=$(grep -E "ERROR SUMMARY" "$log" | tail -n 1)
echo "valgrind: ${summary#*== }"
if [ -n "$ours" ]; then
    echo "errors in the game's own code:" >&2
    echo "$ours" >&2
    exit 1
fi
echo "no errors in the game's own code"
