# Checks the Debian package ($1) as a distribution would: lintian, pedantic and
# with its experimental checks, finds nothing at all but the one tag the
# package overrides (its game binary under /usr/lib/games, explained there);
# the dependencies hold the libraries and the font, and the desktop entry and
# the AppStream metainfo inside validate.
set -euo pipefail
deb=$1
tree=$(mktemp -d "${TMPDIR:-/tmp}/woodrun-lint.XXXXXX")
trap 'rm -rf "$tree"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

status=0
report=$(lintian --pedantic --display-experimental --display-info \
    --fail-on error,warning,info,pedantic,experimental "$deb" 2>&1) || status=$?
report=$(grep -v -x 'running with root privileges is not recommended!' <<<"$report" || true)
[ "$status" = 0 ] && [ -z "$report" ] || fail "lintian (status $status): $report"

dpkg-deb -x "$deb" "$tree"
depends=$(dpkg-deb --field "$deb" Depends)
# SFML's graphics library, or, where SFML is linked in (built from its source
# on a system without SFML 2), the font library it draws text with.
sfml=libfreetype6
readelf -d "$tree/usr/lib/games/woodrun/woodrun" | grep -q 'libsfml-graphics' && sfml=libsfml-graphics
for needed in fonts-dejavu-core "$sfml" libc6; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

entries=("$tree"/usr/share/applications/*.desktop)
[ ${#entries[@]} = 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
desktop-file-validate "${entries[0]}" || fail "desktop-file-validate: ${entries[0]}"
# The entry starts the launcher by the path the package installs it at.
launcher=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "${entries[0]}")
[ "$launcher" = /usr/games/woodrun ] && [ -x "$tree$launcher" ] ||
    fail "the menu entry starts '$launcher'"
metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} = 1 ] && [ -f "${metainfo[0]}" ] || fail "not one metainfo file: ${metainfo[*]}"
appstreamcli validate --no-net "${metainfo[0]}" || fail "appstreamcli: ${metainfo[0]}"
echo "package lint: ok"
