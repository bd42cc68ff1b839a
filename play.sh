#!/usr/bin/env bash
# Builds woodrun and starts it. Without a display, it tours the game in a
# virtual one instead and saves screenshots under screenshots/.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh play
cmake --preset debian >/dev/null
cmake --build --preset debian -j"$(nproc)"

if [ -n "${DISPLAY:-}" ]; then
    cd build/game
    exec ./woodrun
fi
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" tools/tour.sh build screenshots
