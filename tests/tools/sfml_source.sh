# The script that finds SFML 2.6.2's source, run from a scratch copy: with
# neither a copy nor a repository to reach it ends with 3 (./test.sh then skips
# those builds); a damaged archive is refused on every run and never unpacked;
# the released one, where there is a copy, is checked and unpacked.
# Argument: the project's root.
set -euo pipefail
archive=$("$1/tools/scripts/sfml-source.sh" --archive)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-sfml-source.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
script=$scratch/project/tools/scripts/sfml-source.sh
unpacked=$scratch/project/build-deps/SFML-2.6.2
mkdir -p "${script%/*}" "$scratch/bin" "$scratch/bad/SFML-2.6.2"
cp "$1/tools/scripts/sfml-source.sh" "$script"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf '#!/bin/sh\nexit 128\n' >"$scratch/bin/git" # reaches no repository
chmod +x "$scratch/bin/git"
status=0
PATH=$scratch/bin:$PATH SFML_SOURCE_ARCHIVE="" "$script" 2>/dev/null || status=$?
[ "$status" = 3 ] || fail "with no source to be had: status $status"

: >"$scratch/bad/SFML-2.6.2/CMakeLists.txt"
tar -czf "$scratch/bad.tar.gz" -C "$scratch/bad" SFML-2.6.2
for run in first second; do
    status=0
    SFML_SOURCE_ARCHIVE=$scratch/bad.tar.gz "$script" >/dev/null 2>&1 || status=$?
    [ "$status" = 1 ] && [ ! -e "$unpacked" ] || fail "a damaged archive, $run run: status $status"
done

[ -n "$archive" ] || { echo "no copy of SFML 2.6.2's source to check"; exit 0; }
[ "$(SFML_SOURCE_ARCHIVE=$archive "$script")" = "-DFETCHCONTENT_SOURCE_DIR_SFML=$unpacked" ] &&
    [ -f "$unpacked/CMakeLists.txt" ] || fail "the released archive was refused"
echo "sfml source: ok"
