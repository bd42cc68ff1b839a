#!/usr/bin/env bash
# Builds the game as players get it and runs the frame-time benchmark in a
# virtual 3840x2160 display. Usage: bench/run.sh [frames] [json-file] [starts]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-300}
starts=${3:-10}
json=$(realpath -m "${2:-$root/bench.json}")

"$root/tools/scripts/install-deps.sh" play
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DWOODRUN_TESTS=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" >/dev/null

run=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-bench.XXXXXX")
trap 'rm -rf "$run"' EXIT
cp -R "$root/build/game/." "$run/"
rm -f "$run/settings.cfg"
cd "$run"
# The game plays its sound into OpenAL's null output (unless told otherwise):
# mixed as on any device, heard by no one, the same on every machine.
export ALSOFT_CONF=${ALSOFT_CONF:-$root/tools/harness/null-audio.conf}
xvfb-run -a -s "-noreset -screen 0 3840x2160x24" "$root/build/bench/woodrun-bench" \
    --frames "$frames" --json "$json" --starts "$starts"
echo "figures written to $json"
