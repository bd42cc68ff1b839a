#!/usr/bin/env bash
# Builds woodrun twice, as players get it (build/) and with the address and
# undefined-behaviour sanitizers (build-tests/), and runs every test in a
# virtual display: unit tests, end-to-end runs of the sanitized game, the
# settings fuzzer, and a memcheck session of the players' build.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DWOODRUN_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DWOODRUN_SANITIZE=ON \
    -DWOODRUN_PLAIN_BUILD="$PWD/build" >/dev/null
cmake --build build-tests -j"$(nproc)"

cd build-tests
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)"
