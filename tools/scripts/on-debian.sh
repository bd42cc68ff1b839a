#!/usr/bin/env bash
# Runs the two commands a new player runs, ./play.sh and then ./test.sh, from
# a fresh clone of this repository inside a Debian tree of the named release:
#   tools/scripts/on-debian.sh trixie      (or bookworm, testing, ...)
# The tree is made once with debootstrap, kept outside the repository under
# WOODRUN_DEBIAN_TREES (/var/cache/woodrun by default) and brought up to date
# on every run. Its Debian mirror is the one this system's apt uses, or
# WOODRUN_DEBIAN_MIRROR. Where no mirror can be reached, it says so and ends
# with status 0: the release is not tried. Needs root, for the chroot.
set -euo pipefail
[ $# = 1 ] || { echo "usage: tools/scripts/on-debian.sh RELEASE" >&2; exit 2; }
release=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
say() { echo "on-debian: $release: $*" >&2; }
[ "$(id -u)" = 0 ] || { say "run as root: it makes and enters a chroot"; exit 2; }

mirror=${WOODRUN_DEBIAN_MIRROR:-}
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
        /etc/apt/sources.list.d/*.list 2>/dev/null |
        grep -oE '(https?|ftp)://[^ ]*/debian/?( |$)' | head -n 1 | tr -d ' ' || true)
    mirror=${mirror:-http://deb.debian.org/debian}
fi
command -v debootstrap >/dev/null && command -v wget >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap wget
if ! wget -q -T 20 -t 2 -O /dev/null "${mirror%/}/dists/$release/Release"; then
    say "no Debian mirror can be reached at $mirror: not tried"
    exit 0
fi

trees=${WOODRUN_DEBIAN_TREES:-/var/cache/woodrun}
tree=$trees/debian-$release
if [ ! -f "$tree/.made" ]; then
    say "making a Debian tree in $tree"
    rm -rf "$tree.new"
    mkdir -p "$trees"
    debootstrap --variant=minbase "$release" "$tree.new" "$mirror" >"$trees/debootstrap-$release.log" ||
        { say "debootstrap failed: see $trees/debootstrap-$release.log"; exit 1; }
    rm -rf "$tree"
    mv "$tree.new" "$tree"
    touch "$tree/.made"
fi

# The chroot sees the system's devices, processes and name service; all that
# is mounted goes again however this ends.
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${mounted[i]}" 2>/dev/null || umount -Rl "${mounted[i]}" || true
    done
}
trap cleanup EXIT
for dir in proc sys dev; do
    mount --rbind "/$dir" "$tree/$dir"
    mount --make-rslave "$tree/$dir"
    mounted+=("$tree/$dir")
done
cp -L /etc/resolv.conf "$tree/etc/resolv.conf" 2>/dev/null || true
# Debian testing's Release file on some mirrors is past its date; these trees
# are for testing the game, and apt is told to take it all the same.
echo 'Acquire::Check-Valid-Until "false";' >"$tree/etc/apt/apt.conf.d/99woodrun"

inside() {
    chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
started=$SECONDS
inside sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq >/dev/null'
say "the tree was brought up to date in $((SECONDS - started)) s"

# A fresh clone of what is committed here, with SFML 2.6.2's source beside it
# as ../shared holds it, where this system has a copy.
rm -rf "$tree/work"
mkdir -p "$tree/work"
git clone -q "$root" "$tree/work/woodrun"
archive=$("$root/tools/scripts/sfml-source.sh" --archive)
if [ -n "$archive" ]; then
    mkdir -p "$tree/work/shared/third_party"
    cp "$archive" "$tree/work/shared/third_party/"
fi

for command in play.sh test.sh; do
    started=$SECONDS
    status=0
    inside bash -c "cd /work/woodrun && ./$command" || status=$?
    say "./$command ended with status $status in $((SECONDS - started)) s"
    [ $status = 0 ] || exit $status
done
