#!/bin/sh
# Sets up what is missing on a Debian/Ubuntu machine, builds Kavrel and then
#   ./kavrel.sh run [STANDFILE]   starts the program (with a sample stand when none is given)
#   ./kavrel.sh test              runs every test
#   ./kavrel.sh test-asan         runs every test under AddressSanitizer/UndefinedBehaviorSanitizer
#   ./kavrel.sh build             only builds
# KAVREL_WERROR=ON turns compiler warnings into errors.
set -eu

cd "$(dirname "$0")"

PACKAGES="cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools \
qt6-l10n-tools libgl-dev python3 xvfb xauth libnanoflann-dev qt6-translations-l10n"

install_missing_packages() {
    missing=""
    for package in $PACKAGES; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

build() {
    preset="$1"
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR="${KAVREL_WERROR:-OFF}" >/dev/null
    cmake --build --preset "$preset"
}

command="${1:-run}"
[ $# -gt 0 ] && shift
install_missing_packages

case "$command" in
    build)
        build debug ;;
    run)
        build debug
        stand="${1:-build/debug/bin/Data/sample12.txt}"
        exec build/debug/bin/kavrelapp "$stand" ;;
    test)
        build debug
        cd build/debug && ctest --output-on-failure --no-tests=error ;;
    test-asan)
        build asan
        cd build/asan && ctest --output-on-failure --no-tests=error ;;
    *)
        echo "usage: $0 run [STANDFILE] | test | test-asan | build" >&2
        exit 2 ;;
esac
