#!/usr/bin/env bash
# Builds woodrun and starts it. Without a display, it tours the game in a
# virtual one instead and saves screenshots under screenshots/.
set -euo pipefail
cd "$(dirname "$0")"

tools/scripts/install-deps.sh play
# Where the system has no SFML 2, the game is built against SFML 2.6.2 from its
# source, and this says where that is.
sfml_source=$(tools/scripts/sfml-source.sh --unless-installed)
read -r -a options <<<"$sfml_source"
cmake --preset debian "${options[@]}" >/dev/null
cmake --build --preset debian -j"$(nproc)"

if [ -n "${DISPLAY:-}" ]; then
    cd build/game
    exec ./woodrun
fi
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" tools/harness/tour.sh build screenshots
