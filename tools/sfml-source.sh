#!/usr/bin/env bash
# Where SFML 2.6.2's source is to be found without a network. When the copy
# beside the project (../shared/third_party/sfml-2.6.2-src.tar.gz, or the one
# SFML_SOURCE_ARCHIVE names) is there, it is checked and unpacked once into
# build-deps/, and this prints the CMake option that points FetchContent at
# it. Otherwise it prints nothing, and CMake fetches SFML from its repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
archive=${SFML_SOURCE_ARCHIVE:-$root/../shared/third_party/sfml-2.6.2-src.tar.gz}
sha256=a721d8377bacc3a616714de8a6c1ac0e401561ec406168efcdd618ed3a56f0b9
source=$root/build-deps/SFML-2.6.2

[ -f "$archive" ] || exit 0
if [ ! -f "$source/CMakeLists.txt" ]; then
    echo "$sha256  $archive" | sha256sum -c --quiet - >&2 ||
        { echo "sfml-source: $archive is not SFML 2.6.2's source as released" >&2; exit 1; }
    rm -rf "$source"
    mkdir -p "$root/build-deps"
    tar -xzf "$archive" -C "$root/build-deps"
fi
echo "-DFETCHCONTENT_SOURCE_DIR_SFML=$source"
