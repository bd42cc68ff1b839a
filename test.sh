#!/usr/bin/env bash
# Builds woodrun every way it ships, each with its CMake preset, and runs every
# test in a virtual display: the players' build against Debian's SFML
# (build/), the same with the sanitizers and all the tests (build-tests/), the
# game against SFML 2.6.2 built from its source (build-sfml26/), and the
# Windows build cross-built with MinGW-w64 (build-windows/), played under Wine.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh test
# SFML 2.6.2's source, from the copy beside the project where there is one.
sfml_source=$(tools/sfml-source.sh)
for preset in debian sfml26 windows tests; do
    options=()
    case $preset in
        sfml26 | windows) read -r -a options <<<"$sfml_source" ;;
    esac
    started=$SECONDS
    cmake --preset "$preset" "${options[@]}" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
    echo "test.sh: the $preset build took $((SECONDS - started)) s"
done

cd build-tests
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)"
