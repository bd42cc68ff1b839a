#!/usr/bin/env bash
# Where SFML 2.6.2's source is to be had. A copy of its release archive is
# looked for beside the project (../shared/third_party/sfml-2.6.2-src.tar.gz),
# beside the repository a clone was made from, or where SFML_SOURCE_ARCHIVE
# names; found, it is checked and unpacked once into build-deps/, and this
# prints the CMake option that points FetchContent at it. Without one it
# prints nothing, and CMake fetches SFML from its repository; when that cannot
# be reached either, it says so and ends with status 3.
#   tools/scripts/sfml-source.sh                     for the builds against SFML 2.6.2
#   tools/scripts/sfml-source.sh --unless-installed  for the builds against the
#       system's SFML: nothing where it is SFML 2, the above where it is not
#   tools/scripts/sfml-source.sh --archive           only the copy's path, if any
set -euo pipefail
if [ "${1:-}" = --unless-installed ] &&
    dpkg-query -W -f='${Version}' libsfml-dev 2>/dev/null | grep -q '^2\.'; then
    exit 0
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
sha256=a721d8377bacc3a616714de8a6c1ac0e401561ec406168efcdd618ed3a56f0b9
source=$root/build-deps/SFML-2.6.2
name=shared/third_party/sfml-2.6.2-src.tar.gz

candidates=("${SFML_SOURCE_ARCHIVE:-}" "$root/../$name")
origin=$(git -C "$root" remote get-url origin 2>/dev/null || true)
[ -d "$origin" ] && candidates+=("$origin/../$name")
archive=""
for candidate in "${candidates[@]}"; do
    if [ -n "$candidate" ] && [ -f "$candidate" ]; then
        archive=$candidate
        break
    fi
done
if [ "${1:-}" = --archive ]; then
    [ -n "$archive" ] && realpath "$archive"
    exit 0
fi

if [ -z "$archive" ]; then
    timeout 20 git ls-remote --exit-code https://github.com/SFML/SFML.git 2.6.2 >/dev/null 2>&1 && exit 0
    echo "sfml-source: SFML 2.6.2 can be had neither from a copy of its source ($name)" \
        "nor from its repository" >&2
    exit 3
fi
if [ ! -f "$source/CMakeLists.txt" ]; then
    echo "$sha256  $archive" | sha256sum -c --quiet - >&2 ||
        { echo "sfml-source: $archive is not SFML 2.6.2's source as released" >&2; exit 1; }
    rm -rf "$source"
    mkdir -p "$root/build-deps"
    tar -xzf "$archive" -C "$root/build-deps"
fi
echo "-DFETCHCONTENT_SOURCE_DIR_SFML=$source"
