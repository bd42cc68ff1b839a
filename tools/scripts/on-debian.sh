#!/usr/bin/env bash
# Runs the two commands a new player runs, ./play.sh and then ./test.sh, from
# a fresh clone of this repository inside a Debian tree of the named release:
#   tools/scripts/on-debian.sh trixie      (or bookworm, testing, ...)
# The tree is made once with debootstrap and kept (tools/scripts/debian-tree.sh
# says where), and brought up to date on every run. Where no Debian mirror can
# be reached, it says so and ends with status 0: the release is not tried.
# Otherwise it ends with the status of the first command that fails. Needs
# root, for the chroot.
set -euo pipefail
[ $# = 1 ] || { echo "usage: tools/scripts/on-debian.sh RELEASE" >&2; exit 2; }
release=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
say() { echo "on-debian: $release: $*" >&2; }
# shellcheck source=debian-tree.sh
source "$root/tools/scripts/debian-tree.sh"
debian_require "$release"
tree=$(debian_tree "debian-$release" "$release")
debian_enter "$tree"
started=$SECONDS
debian_install "$tree"
say "the tree was brought up to date in $((SECONDS - started)) s"

debian_clone "$tree" "$root"

for command in play.sh test.sh; do
    started=$SECONDS
    status=0
    debian_inside "$tree" bash -c "cd /work/woodrun && ./$command" || status=$?
    say "./$command ended with status $status in $((SECONDS - started)) s"
    [ $status = 0 ] || exit $status
done
