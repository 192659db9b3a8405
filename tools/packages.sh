# Sourced by ./run and ./test: installs the Debian packages the build needs, once.
# dpkg -s first, so a machine that has everything installs nothing and pays seconds.

RIBAKU_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev
    libfluidsynth-dev timgm6mb-soundfont
    libjpeg-dev libsimpleini-dev libx11-dev libxrandr-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # the .deb (dpkg-shlibdeps) and the checks of the desktop entry and metainfo
    dpkg-dev desktop-file-utils appstream
)

ribaku_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

ribaku_configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir"
}
