# Debian trees made with debootstrap, kept between runs and entered with
# chroot, for the scripts that build or try woodrun in another release.
# Sourced; the script sets `say` first. The trees live under
# WOODRUN_DEBIAN_TREES (/var/cache/woodrun by default), outside the repository;
# their mirror is the one this system's apt uses, or WOODRUN_DEBIAN_MIRROR.
# Everything mounted for a chroot is unmounted again however the script ends.

debian_trees=${WOODRUN_DEBIAN_TREES:-/var/cache/woodrun}

# The mirror this system's apt names.
debian_mirror() {
    local mirror=${WOODRUN_DEBIAN_MIRROR:-}
    if [ -z "$mirror" ]; then
        mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
            /etc/apt/sources.list.d/*.list 2>/dev/null |
            grep -oE '(https?|ftp)://[^ ]*/debian/?( |$)' | head -n 1 | tr -d ' ' || true)
    fi
    echo "${mirror:-http://deb.debian.org/debian}"
}
debian_mirror=$(debian_mirror)

# Needs root, and debootstrap and wget (installed where missing). Ends the
# script with status 0, saying so, where the mirror cannot be reached: the
# release is then not tried.
debian_require() {
    [ "$(id -u)" = 0 ] || { say "run as root: it makes and enters a chroot"; exit 2; }
    command -v debootstrap >/dev/null && command -v wget >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap wget
    local release
    for release in "$@"; do
        if ! wget -q -T 20 -t 2 -O /dev/null "${debian_mirror%/}/dists/$release/Release"; then
            say "no Debian mirror can be reached at $debian_mirror: not tried"
            exit 0
        fi
    done
}

# Makes the tree $debian_trees/$1 of release $2, once, with only the packages
# debootstrap's minbase has; prints its path.
debian_tree() {
    local tree=$debian_trees/$1
    if [ ! -f "$tree/.made" ]; then
        say "making a Debian $2 tree in $tree"
        rm -rf "$tree.new"
        mkdir -p "$debian_trees"
        debootstrap --variant=minbase "$2" "$tree.new" "$debian_mirror" >"$tree.log" 2>&1 ||
            { say "debootstrap failed: see $tree.log"; exit 1; }
        rm -rf "$tree"
        mv "$tree.new" "$tree"
        touch "$tree/.made"
    fi
    echo "$tree"
}

debian_mounted=()
debian_unmount() {
    local i
    for ((i = ${#debian_mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${debian_mounted[i]}" 2>/dev/null || umount -Rl "${debian_mounted[i]}" || true
    done
    debian_mounted=()
}
trap debian_unmount EXIT

# Readies tree $1 for chroot: it sees the system's devices, processes and name
# service, and apt takes a Release file past its date (Debian testing's is, on
# some mirrors: these trees are for trying the game).
debian_enter() {
    local dir
    for dir in proc sys dev; do
        mount --rbind "/$dir" "$1/$dir"
        mount --make-rslave "$1/$dir"
        debian_mounted+=("$1/$dir")
    done
    cp -L /etc/resolv.conf "$1/etc/resolv.conf" 2>/dev/null || true
    echo 'Acquire::Check-Valid-Until "false";' >"$1/etc/apt/apt.conf.d/99woodrun"
}

# Runs a command in tree $1 as root, with a clean environment.
debian_inside() {
    local tree=$1
    shift
    chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# Puts a fresh clone of what is committed in repository $2 at /work/woodrun in
# tree $1, with SFML 2.6.2's source beside it as ../shared holds it, where
# this system has a copy.
debian_clone() {
    local archive
    rm -rf "$1/work"
    mkdir -p "$1/work"
    git clone -q "$2" "$1/work/woodrun"
    archive=$("$2/tools/scripts/sfml-source.sh" --archive)
    if [ -n "$archive" ]; then
        mkdir -p "$1/work/shared/third_party"
        cp "$archive" "$1/work/shared/third_party/"
    fi
}

# Brings tree $1 up to date and installs the packages named after it that it
# lacks.
debian_install() {
    local tree=$1
    shift
    debian_inside "$tree" sh -c 'apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get full-upgrade -y -qq >/dev/null &&
        { [ $# = 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
              --no-install-recommends "$@" >/dev/null; }' sh "$@"
}
