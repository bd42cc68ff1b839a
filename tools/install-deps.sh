#!/usr/bin/env bash
# Installs the Debian packages woodrun needs that are not there yet.
#   tools/install-deps.sh play   what building and playing needs
#   tools/install-deps.sh test   that, and what the tests need
set -euo pipefail

packages=(cmake g++ make pkg-config libsfml-dev libopenal-dev libx11-dev libxtst-dev fonts-dejavu-core
          xvfb xauth xdotool x11-apps)
if [ "${1:-play}" = test ]; then
    packages+=(libgtest-dev clang libclang-rt-dev valgrind)
    # SFML 2.6.2 built from its source: the libraries it builds on, and git
    # to fetch it where there is a network.
    packages+=(git libfreetype-dev libgl-dev libogg-dev libvorbis-dev libflac-dev libxrandr-dev
               libxcursor-dev libudev-dev)
    # The Windows build, cross-built and played under Wine, and its zip.
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 zip unzip)
    # Building and checking the Debian package.
    packages+=(dpkg-dev file lintian desktop-file-utils appstream)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
