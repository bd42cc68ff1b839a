#!/usr/bin/env bash
# Installs the Debian packages woodrun needs that are not there yet.
#   tools/scripts/install-deps.sh play   what building and playing needs
#   tools/scripts/install-deps.sh test   that, and what the tests need
set -euo pipefail

# Off Debian, nothing can be installed for the player: say what a build needs.
if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
    cat >&2 <<'EOF'
install-deps: this system has no apt-get, so ./play.sh and ./test.sh cannot install
what building woodrun needs. A build needs a C++17 compiler, CMake 3.21 or newer,
SFML 2.5 or 2.6 (or what building SFML 2.6.2 from its source needs: FreeType, Ogg,
Vorbis, FLAC, OpenGL, Xrandr, Xcursor and udev), OpenAL and X11 (with XTest for the
tests); see docs/building.md. The Linux archive, woodrun-<version>-linux-x86_64.tar.gz,
plays on this system with nothing of that installed.
EOF
    exit 1
fi

# Packages a release may not have (Debian testing is at times without Wine):
# where it has none, the tests that need them are reported skipped.
optional=()
packages=(cmake g++ make pkg-config libopenal-dev libx11-dev libxtst-dev fonts-dejavu-core
          xvfb xauth xdotool x11-apps)
# What building SFML 2.6.2 from its source takes, and git to fetch it where
# there is a network: the game is built so where the system has no SFML 2.
sfml_source=(git libfreetype-dev libgl-dev libogg-dev libvorbis-dev libflac-dev libxrandr-dev
             libxcursor-dev libudev-dev)
if [ "${1:-play}" = test ]; then
    packages+=(libgtest-dev clang libclang-rt-dev valgrind "${sfml_source[@]}")
    # The Windows build, cross-built and played under Wine, and its zip; a
    # window manager, without which Wine 10 passes no pointer to the game.
    packages+=(g++-mingw-w64-x86-64-posix zip unzip openbox)
    optional+=(wine wine64)
    # Building and checking the Debian package.
    packages+=(dpkg-dev file lintian desktop-file-utils appstream)
    # The desktops players have: a Wayland session with Xwayland, and the
    # sound servers, with ALSA's way to them.
    optional+=(sway xwayland x11-xserver-utils pulseaudio pulseaudio-utils pipewire pipewire-pulse
               wireplumber libasound2-plugins dbus)
fi

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}
missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
updated=no
update() {
    [ $updated = yes ] && return
    "${sudo[@]}" apt-get update -qq
    updated=yes
}

# Debian's SFML where it is SFML 2 (Debian 12 and 13); Debian testing has SFML
# 3, which the game is not written for, and so it builds 2.6.2 instead.
candidate() {
    apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p' | grep -v -x '(none)'
}
if ! installed libsfml-dev; then
    sfml=$(candidate libsfml-dev) || { update; sfml=$(candidate libsfml-dev) || true; }
    if [[ $sfml == 2.* ]]; then
        missing+=(libsfml-dev)
    else
        for package in "${sfml_source[@]}"; do
            installed "$package" || missing+=("$package")
        done
    fi
fi
for package in "${optional[@]}"; do
    installed "$package" && continue
    if candidate "$package" >/dev/null || { update; candidate "$package" >/dev/null; }; then
        missing+=("$package")
    else
        echo "install-deps: this release has no $package; the tests that need it will be skipped"
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
