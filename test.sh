#!/usr/bin/env bash
# Builds woodrun every way it ships, each with its CMake preset, and runs every
# test in a virtual display: the players' build against Debian's SFML
# (build/), the same with the sanitizers and all the tests (build-tests/), the
# game against SFML 2.6.2 built from its source (build-sfml26/), and the
# Windows build cross-built with MinGW-w64 (build-windows/), played under Wine.
set -euo pipefail
cd "$(dirname "$0")"

tools/scripts/install-deps.sh test
# SFML 2.6.2's source, from a copy where there is one. Where it can be had
# neither from a copy nor from its repository, the builds against it are left
# out, and CTest reports their tests as skipped.
presets=(debian sfml26 windows tests)
status=0
sfml_source=$(tools/scripts/sfml-source.sh) || status=$?
[ $status = 3 ] && presets=(debian tests)
[ $status = 0 ] || [ $status = 3 ] || exit $status
# The builds against the system's SFML build 2.6.2 too where it has no SFML 2.
system_sfml=$(tools/scripts/sfml-source.sh --unless-installed)
for preset in "${presets[@]}"; do
    options=()
    case $preset in
        sfml26 | windows) read -r -a options <<<"$sfml_source" ;;
        *) read -r -a options <<<"$system_sfml" ;;
    esac
    started=$SECONDS
    cmake --preset "$preset" "${options[@]}" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)"
    echo "test.sh: the $preset build took $((SECONDS - started)) s"
done

cd build-tests
exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" ctest --output-on-failure -j"$(nproc)"
