#!/usr/bin/env bash
# Makes woodrun-<version>-linux-x86_64.tar.gz, the archive that runs on any
# desktop Linux with glibc 2.31 or newer, from what is committed here, and
# prints its path on its last line:
#   tools/scripts/linux-archive.sh      (the archive lands in build-linux/)
# It is built in a Debian 11 tree (kept as tools/scripts/debian-tree.sh keeps
# its trees): glibc 2.31 and GCC 10 set the floor of the systems it starts
# on. SFML 2.6.2 from its source and the libraries that read fonts, images and
# sounds are linked in, the C++ runtime too; OpenAL Soft, built once per tree
# from the source Debian 13 ships (Debian 11's 1.19 can pick PipeWire's JACK
# stand-in and play nothing), is carried in the archive's lib/. Where no
# Debian mirror can be reached, it says so and ends with status 0, printing
# no path; otherwise it ends with the status of a step that fails, and leaves
# no archive behind then. Needs root, for the chroot.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-linux
say() { echo "linux-archive: $*" >&2; }
# shellcheck source=debian-tree.sh
source "$root/tools/scripts/debian-tree.sh"
rm -f "$out"/woodrun-*-linux-x86_64.tar.gz
debian_require bullseye trixie
tree=$(debian_tree build-bullseye bullseye)
debian_enter "$tree"
started=$SECONDS
debian_install "$tree" g++ cmake make pkg-config git ca-certificates file dpkg-dev \
    fonts-dejavu-core libx11-dev libxrandr-dev libxcursor-dev libudev-dev libgl-dev \
    libfreetype-dev libogg-dev libvorbis-dev libflac-dev libasound2-dev libpulse-dev libxtst-dev
say "the Debian 11 tree was readied in $((SECONDS - started)) s"

openal=/opt/openal-soft
if [ ! -f "$tree$openal/.built" ]; then
    started=$SECONDS
    echo "deb-src $debian_mirror trixie main" >"$tree/etc/apt/sources.list.d/trixie-sources.list"
    # The mirror may hold the upstream archive without Debian's own files:
    # apt checks what it fetches against the signed index, and that is
    # all that is needed.
    # shellcheck disable=SC2016
    debian_inside "$tree" sh -c 'set -e
        rm -rf /src/openal-soft "$0" && mkdir -p /src/openal-soft && cd /src/openal-soft
        apt-get update -qq
        apt-get source -qq --download-only openal-soft/trixie >/dev/null 2>&1 || true
        tar -xf openal-soft_*.orig.tar.* --strip-components=1
        # CMake 3.18 knows C standards up to C11, which the library allows.
        sed -i "s/C_STANDARD 17)/C_STANDARD 11)/" CMakeLists.txt
        cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$0" \
            -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF -DALSOFT_INSTALL_CONFIG=OFF \
            -DALSOFT_INSTALL_HRTF_DATA=OFF -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF \
            -DALSOFT_STATIC_LIBGCC=ON -DALSOFT_STATIC_STDCXX=ON -DALSOFT_BACKEND_JACK=OFF \
            -DALSOFT_BACKEND_PORTAUDIO=OFF -DALSOFT_BACKEND_SNDIO=OFF \
            -DALSOFT_REQUIRE_PULSEAUDIO=ON -DALSOFT_REQUIRE_ALSA=ON >build.log 2>&1
        cmake --build build -j"$(nproc)" >>build.log 2>&1
        cmake --install build >>build.log
        cp COPYING "$0/COPYING"
        touch "$0/.built"' "$openal"
    say "OpenAL Soft was built in $((SECONDS - started)) s"
fi

debian_clone "$tree" "$root"
started=$SECONDS
# The libraries SFML reads files with are linked in from their static
# archives, with what those need after them; OpenGL is libGL, which every
# desktop has, not GLVND's libOpenGL.
# shellcheck disable=SC2016
debian_inside "$tree" bash -c 'set -euo pipefail
    cd /work/woodrun
    sfml=$(tools/scripts/sfml-source.sh)
    lib=/usr/lib/x86_64-linux-gnu
    cmake -S . -B build-linux -DCMAKE_BUILD_TYPE=Release -DWOODRUN_SFML=fetch $sfml \
        -DWOODRUN_TESTS=OFF -DWOODRUN_LINUX_ARCHIVE=ON -DOpenGL_GL_PREFERENCE=LEGACY \
        -DOPENAL_LIBRARY="$0/lib/libopenal.so" -DOPENAL_INCLUDE_DIR="$0/include/AL" \
        -DWOODRUN_OPENAL_LICENCE="$0/COPYING" \
        -DFREETYPE_LIBRARY=$lib/libfreetype.a -DOGG_LIBRARY=$lib/libogg.a \
        -DVORBIS_LIBRARY=$lib/libvorbis.a -DVORBISFILE_LIBRARY=$lib/libvorbisfile.a \
        -DVORBISENC_LIBRARY=$lib/libvorbisenc.a -DFLAC_LIBRARY=$lib/libFLAC.a \
        -DCMAKE_CXX_STANDARD_LIBRARIES="$lib/libpng16.a $lib/libz.a $lib/libbrotlidec.a $lib/libbrotlicommon.a" \
        -DCMAKE_EXE_LINKER_FLAGS="-static-libstdc++ -static-libgcc" >/dev/null
    cmake --build build-linux -j"$(nproc)" --target woodrun game_assets desktop_icons
    cd build-linux && cpack -G TGZ >/dev/null' "$openal"
say "the game was built in $((SECONDS - started)) s"

built=$(echo "$tree"/work/woodrun/build-linux/woodrun-*-linux-x86_64.tar.gz)
mkdir -p "$out"
cp "$built" "$out/.partial"
mv "$out/.partial" "$out/${built##*/}"
echo "$out/${built##*/}"
