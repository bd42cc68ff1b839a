# The scripts CI leans on, run from a scratch copy with stand-ins first on the
# PATH for debootstrap, chroot, mount, umount, wget and git: an unreachable
# mirror is no failure; a failing ./play.sh or ./test.sh in a Debian tree ends
# on-debian.sh with its status, and a failing build ends linux-archive.sh so,
# with no archive left; nothing stays mounted. Off Debian, ./play.sh and
# ./test.sh end at once with status 1. Argument: the project's root.
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-ci-scripts.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
project=$scratch/project
mkdir -p "$project/tools" "$scratch/bin" "$project/build-linux"
cp -R "$1/tools/scripts" "$project/tools/"
fail() { echo "FAIL: $*" >&2; exit 1; }
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$scratch/bin/$1" && chmod +x "$scratch/bin/$1"; }
stand_in debootstrap 'mkdir -p "$3/etc/apt/apt.conf.d" "$3/etc/apt/sources.list.d"'
stand_in wget 'exit "${FAKE_WGET:-0}"'
stand_in git 'exit 0'
stand_in mount '[ "$1" = --rbind ] && echo "$3" >>"$MOUNTS"; exit 0'
stand_in umount 'grep -v -x -F "$2" "$MOUNTS" >"$MOUNTS.new"; mv "$MOUNTS.new" "$MOUNTS"'
# In the tree, the command that names a script or the build ends with its status.
stand_in chroot 'case "$*" in
    *play.sh*) exit "${FAKE_PLAY:-0}" ;; *test.sh*) exit "${FAKE_TEST:-0}" ;;
    *cpack*) exit "${FAKE_BUILD:-0}" ;; *) exit 0 ;; esac'
export MOUNTS=$scratch/mounts WOODRUN_DEBIAN_TREES=$scratch/trees PATH=$scratch/bin:$PATH
: >"$MOUNTS"

# Each row: what is tried, the script and its argument, the stand-ins' statuses,
# and the status it must end with.
while IFS='|' read -r what script argument fakes expected; do
    : >"$project/build-linux/woodrun-0.0.0-linux-x86_64.tar.gz" # an earlier run's
    status=0
    env $fakes "$project/tools/scripts/$script" $argument >/dev/null 2>"$scratch/said" || status=$?
    [ "$status" = "$expected" ] || fail "$what: status $status, not $expected: $(cat "$scratch/said")"
    [ ! -s "$MOUNTS" ] || fail "$what: still mounted: $(cat "$MOUNTS")"
done <<'ROWS'
on-debian, no mirror|on-debian.sh|trixie|FAKE_WGET=4|0
on-debian, ./play.sh fails|on-debian.sh|trixie|FAKE_PLAY=3|3
on-debian, ./test.sh fails|on-debian.sh|trixie|FAKE_TEST=8|8
on-debian, both pass|on-debian.sh|trixie|FAKE_PLAY=0|0
the archive, its build fails|linux-archive.sh||FAKE_BUILD=5|5
ROWS
grep -q 'no Debian mirror can be reached' <(FAKE_WGET=4 "$project/tools/scripts/on-debian.sh" trixie 2>&1) ||
    fail "on-debian does not say why it tried nothing"
[ -z "$(ls "$project/build-linux")" ] || fail "a failed build left $(ls "$project/build-linux")"

mkdir "$scratch/off-debian"
for tool in bash cat dirname; do ln -s "$(command -v $tool)" "$scratch/off-debian/"; done
for command in play.sh test.sh; do
    status=0
    PATH=$scratch/off-debian bash "$1/$command" >/dev/null 2>"$scratch/said" || status=$?
    [ "$status" = 1 ] && grep -q 'Linux archive' "$scratch/said" ||
        fail "./$command without apt-get: status $status, $(cat "$scratch/said")"
done
echo "ci scripts: ok"
