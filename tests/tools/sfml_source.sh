# The script that finds SFML 2.6.2's source, run from a scratch copy of it:
# with neither a copy nor the repository to reach it ends with status 3, which
# ./test.sh takes for "skip those builds"; a damaged archive is refused on
# every run and never unpacked; the released archive, where there is a copy,
# passes its check and is unpacked, as in a fresh clone.
# Argument: the project's root.
set -euo pipefail
root=$1
archive=$("$root/tools/scripts/sfml-source.sh" --archive)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-sfml-source.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
script=$scratch/project/tools/scripts/sfml-source.sh
unpacked=$scratch/project/build-deps/SFML-2.6.2
mkdir -p "${script%/*}" "$scratch/bin" "$scratch/bad/SFML-2.6.2"
cp "$root/tools/scripts/sfml-source.sh" "$script"
fail() { echo "FAIL: $*" >&2; exit 1; }

# A git that reaches no repository.
printf '#!/bin/sh\nexit 128\n' >"$scratch/bin/git"
chmod +x "$scratch/bin/git"
status=0
PATH=$scratch/bin:$PATH SFML_SOURCE_ARCHIVE="" "$script" >/dev/null 2>&1 || status=$?
[ "$status" = 3 ] || fail "with neither a copy nor the repository: status $status"

: >"$scratch/bad/SFML-2.6.2/CMakeLists.txt"
tar -czf "$scratch/bad.tar.gz" -C "$scratch/bad" SFML-2.6.2
for run in first second; do
    status=0
    SFML_SOURCE_ARCHIVE=$scratch/bad.tar.gz "$script" >/dev/null 2>&1 || status=$?
    [ "$status" = 1 ] || fail "a damaged archive, $run run: status $status"
    [ ! -e "$unpacked" ] || fail "a damaged archive was unpacked on the $run run"
done

if [ -z "$archive" ]; then
    echo "sfml source: no copy of SFML 2.6.2's source here to check: ok"
    exit 0
fi
[ "$(SFML_SOURCE_ARCHIVE=$archive "$script")" = "-DFETCHCONTENT_SOURCE_DIR_SFML=$unpacked" ] ||
    fail "the released archive was refused"
[ -f "$unpacked/CMakeLists.txt" ] || fail "the released archive was not unpacked"
echo "sfml source: ok"
