# The Windows zip ($1) as a player gets it, unpacked into $2 (woodrun-assets,
# $3, lists the images the game loads): woodrun.exe and
# openal32.dll, every image, sound and the font at the paths the game loads,
# README.txt and the licences; the executable, a program for the desktop (no
# console), asks Windows for no DLL but its own system's and openal32.dll, and
# carries the knight's icon.
set -euo pipefail
zip=$1
unpacked=$2
assets=$3
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
top=("$unpacked"/*)
[ ${#top[@]} = 1 ] && [ -d "${top[0]}" ] || fail "the zip does not hold one folder: ${top[*]}"
game=${top[0]}
[ "$(basename "$game")" = "$(basename "$zip" .zip)" ] || fail "the folder is named $(basename "$game")"

listed=$("$assets" --list | cut -d' ' -f2-)
while IFS= read -r file; do
    [ -s "$game/$file" ] || fail "missing: $file"
done < <(printf '%s\n' woodrun.exe openal32.dll engo.ttf README.txt "$listed" \
    Sounds/tick.wav Music/menu.ogg Music/forest.ogg \
    licences/woodrun.txt licences/SFML.txt licences/OpenAL-Soft.txt licences/FreeType.txt \
    licences/Ogg.txt licences/Vorbis.txt licences/FLAC.txt licences/DejaVu.txt)
grep -q "openal-soft-1.18.1.tar.bz2" "$game/licences/OpenAL-Soft.txt" || fail "OpenAL Soft's source is not named"

headers=$(x86_64-w64-mingw32-objdump -p "$game/woodrun.exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "woodrun.exe is not a desktop program"
dlls=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
system='kernel32|user32|gdi32|advapi32|opengl32|winmm|msvcrt|shell32|ole32|imm32|version|ws2_32'
others=$(tr ' ' '\n' <<<"$dlls" | grep -v -x -E "($system|openal32)\.dll|" || true)
[ -z "$others" ] || fail "woodrun.exe needs $others"
x86_64-w64-mingw32-objdump -h "$game/woodrun.exe" | grep -q '\.rsrc' || fail "woodrun.exe carries no resources"
size=$(stat -c %s "$zip")
echo "windows zip: $(basename "$zip"), $((size / 1024)) KB; woodrun.exe needs $dlls: ok"
