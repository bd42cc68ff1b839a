#!/usr/bin/env bash
# Fuzzes the settings reader with libFuzzer (clang, with the address and
# undefined-behaviour sanitizers). Usage: tools/scripts/fuzz-settings.sh [seconds]
# (default 600). Inputs that grow coverage collect in build-fuzz/corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-600}
out=$root/build-fuzz
mkdir -p "$out/corpus"

fuzzer=$out/settings_fuzzer
sources=("$root/tests/fuzz/SettingsFuzzer.cpp" "$root/src/settings/Settings.cpp")
if [ ! -x "$fuzzer" ] || [ -n "$(find "${sources[@]}" "$root/src/settings/Settings.hpp" -newer "$fuzzer")" ]; then
    clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -I "$root/src" "${sources[@]}" -o "$fuzzer"
fi

cd "$out"
exec "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
    -dict="$root/tests/fuzz/settings.dict" "$out/corpus" "$root/tests/fuzz/settings_corpus"
