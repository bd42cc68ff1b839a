#!/usr/bin/env bash
# Checks the Linux archive (tools/scripts/linux-archive.sh makes it) as a
# player on another system would meet it:
#   tools/scripts/check-linux-archive.sh ARCHIVE [RELEASE...]
# First, what it asks of a system: no glibc symbol newer than 2.31, no C++
# runtime symbol newer than GCC 10's, and every library it needs either
# carried in woodrun/lib/ or among those every desktop has. Then, in a bare
# Debian tree of each release (bullseye, bookworm, trixie and testing by
# default), holding only OpenGL, X11 and udev, every library is found, and the
# game is walked through, heard and started again from a read-only folder
# (tests/packaging/linux_archive.sh). The trees are kept as
# tools/scripts/debian-tree.sh keeps them. Needs root, and the tools of this
# system's ./test.sh build in build/. Where no Debian mirror can be reached,
# it says so and ends with status 0 after the first check.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: tools/scripts/check-linux-archive.sh ARCHIVE [RELEASE...]" >&2; exit 2; }
archive=$(realpath "$1")
shift
releases=("$@")
[ ${#releases[@]} -gt 0 ] || releases=(bullseye bookworm trixie testing)
root=$(cd "$(dirname "$0")/../.." && pwd)
say() { echo "check-linux-archive: $*" >&2; }
fail() { say "FAIL: $*"; exit 1; }

# What every desktop has and a game must never carry.
system_libraries="libc.so.6 libm.so.6 libdl.so.2 libpthread.so.0 librt.so.1 ld-linux-x86-64.so.2
libGL.so.1 libX11.so.6 libXrandr.so.2 libXcursor.so.1 libudev.so.1"
# shellcheck source=debian-tree.sh
source "$root/tools/scripts/debian-tree.sh"
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-archive.XXXXXX")
trap 'debian_unmount; rm -rf "$unpacked"' EXIT
tar -xzf "$archive" -C "$unpacked"
[ "$(ls "$unpacked")" = woodrun ] || fail "the archive holds $(ls "$unpacked"), not one folder woodrun/"
newest() { { grep -oE "$1[0-9.]+" || true; } | sed "s/$1//" | sort -uV | tail -n 1; }
for binary in "$unpacked"/woodrun/lib/*; do
    name=${binary#"$unpacked/"}
    symbols=$(objdump -T "$binary")
    glibc=$(newest GLIBC_ <<<"$symbols")
    cxx=$(newest GLIBCXX_ <<<"$symbols")
    abi=$(newest CXXABI_ <<<"$symbols")
    needed=$(objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }')
    say "$name: glibc ${glibc:-none}, libstdc++ ${cxx:-none}, C++ ABI ${abi:-none}; needs" $needed
    [ "$(printf '%s\n' "$glibc" 2.31 | sort -V | tail -n 1)" = 2.31 ] || fail "$name needs glibc $glibc"
    [ "$(printf '%s\n' "${cxx:-0}" 3.4.28 | sort -V | tail -n 1)" = 3.4.28 ] ||
        fail "$name needs GLIBCXX_$cxx, newer than GCC 10's"
    [ "$(printf '%s\n' "${abi:-0}" 1.3.12 | sort -V | tail -n 1)" = 1.3.12 ] ||
        fail "$name needs CXXABI_$abi, newer than GCC 10's"
    for library in $needed; do
        [ -e "$unpacked/woodrun/lib/$library" ] || grep -qw -- "$library" <<<"$system_libraries" ||
            fail "$name needs $library, which is neither carried nor on every desktop"
    done
done
grep -qE 'R(UN)?PATH +\$ORIGIN$' <<<"$(objdump -p "$unpacked/woodrun/lib/woodrun")" ||
    fail "the game does not find its libraries through \$ORIGIN"

debian_require "${releases[@]}"
for release in "${releases[@]}"; do
    started=$SECONDS
    tree=$(debian_tree "bare-$release" "$release")
    debian_enter "$tree"
    debian_install "$tree" libgl1 libgl1-mesa-dri libx11-6 libxrandr2 libxcursor1 libudev1
    carried=$(debian_inside "$tree" dpkg-query -W -f='${Package}\n' |
        grep -E '^lib(sfml|openal|freetype|vorbis|flac|ogg|asound|pulse|pipewire)' || true)
    [ -z "$carried" ] || fail "the $release tree is not bare: it has" $carried
    debian_inside "$tree" sh -c 'id -u player >/dev/null 2>&1 || useradd -m -u 1000 player'
    rm -rf "$tree/opt/archive"
    mkdir -p "$tree/opt/archive"
    tar -xzf "$archive" -C "$tree/opt/archive"
    chmod -R a-w "$tree/opt/archive"
    missing=$(debian_inside "$tree" ldd /opt/archive/woodrun/lib/woodrun | grep 'not found' || true)
    [ -z "$missing" ] || fail "in $release: $missing"
    xvfb-run -a -s "-noreset -screen 0 1920x1080x24" bash "$root/tests/packaging/linux_archive.sh" \
        "$tree" /opt/archive/woodrun "$root/build/tools/woodrun-shot" ||
        fail "the walk in $release failed"
    debian_unmount
    say "$release: ok in $((SECONDS - started)) s"
done
