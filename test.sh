#!/usr/bin/env bash
# Builds woodrun with the address and undefined-behaviour sanitizers and runs
# every test in a virtual display.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DWOODRUN_SANITIZE=ON >/dev/null
cmake --build build-tests -j"$(nproc)"

cd build-tests
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)"
