#!/usr/bin/env bash
# Regenerates the screenshots in docs/ that README.md shows: the headless tour
# of the game, run in a virtual display, with its pictures saved there.
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DWOODRUN_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
xvfb-run -a -s "-noreset -screen 0 1920x1080x24" tools/harness/tour.sh build docs
