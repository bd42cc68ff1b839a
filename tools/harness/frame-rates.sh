#!/usr/bin/env bash
# The figures of one build of the game in this display: how long from its
# start until the menu shows, and the frame rates it prints on the menu and in
# play, in windows of 800x600 and 1920x1080. WR_GAME_COMMAND says how it
# starts ("wine woodrun.exe" for the Windows build, with WINEPREFIX set).
#   tools/harness/frame-rates.sh <game-dir> <woodrun-shot>
# Run it in a display of at least 1920x1080, for instance with
#   xvfb-run -a -s "-ac -noreset -screen 0 1920x1080x24" tools/harness/frame-rates.sh build/game build/tools/woodrun-shot
set -euo pipefail
export WOODRUN_SHOT=$2
# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
run=$(wr_scratch_copy "$1")
trap 'kill -9 "$WR_PID" 2>/dev/null || true; rm -rf "$run"' EXIT

# The frame rate the game prints once two more lines have come.
rate() {
    local lines
    lines=$(grep -c '^FPS: ' "$run/stdout" || true)
    until [ "$(grep -c '^FPS: ' "$run/stdout" || true)" -ge $((lines + 2)) ]; do sleep 0.1; done
    grep '^FPS: ' "$run/stdout" | tail -n 1 | tr -d '\r' | cut -d' ' -f2
}

for size in 800x600 1920x1080; do
    width=${size%x*} height=${size#*x}
    printf 'width=%s\nheight=%s\nfullscreen=0\n' "$width" "$height" >"$run/settings.cfg"
    started=$(date +%s%N)
    wr_launch "$run"
    until WR_WINDOW=$(xdotool search --onlyvisible --classname woodrun 2>/dev/null | tail -n 1) &&
        [ -n "$WR_WINDOW" ] && wr_shows_menu; do
        sleep 0.01
    done
    shown=$(date +%s%N)
    xdotool windowmove "$WR_WINDOW" 0 0
    menu=$(rate)
    wr_click_menu play "$width" "$height"
    wr_await 30 wr_shows_play
    play=$(rate)
    echo "$size: the menu shown $(((shown - started) / 1000000)) ms after the start;" \
        "$menu frames a second on the menu, $play in play"
    wr_close
    wr_wait_exit 15
done
