#!/bin/sh
# Sets up what is missing on a Debian/Ubuntu machine, builds Kavrel and then
#   ./kavrel.sh run [STANDFILE]   starts the program (with a sample stand when none is given)
#   ./kavrel.sh test              runs every test
#   ./kavrel.sh test-asan         runs every test under AddressSanitizer/UndefinedBehaviorSanitizer
#   ./kavrel.sh build             only builds
#   ./kavrel.sh fuzz [SECONDS]    runs each fuzz target (fuzz/) for SECONDS (default 30) under the
#                                 sanitizers, built with clang in build/fuzz; fails on any finding
#   ./kavrel.sh package           builds the Debian package build/package/kavrel_<version>_<arch>.deb
#                                 (from build/release; KAVREL_PACKAGE_PRESET=debug packs build/debug)
# KAVREL_WERROR=ON turns compiler warnings into errors.
set -eu

cd "$(dirname "$0")"

PACKAGES="cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools \
qt6-l10n-tools libgl-dev python3 xvfb xauth \
libssl-dev openssl qt6-translations-l10n libnanoflann-dev"

# Only the fuzz command needs clang and its libFuzzer runtime.
FUZZ_PACKAGES="clang libclang-rt-14-dev"

# What building and checking the Debian package needs besides.
PACKAGING_PACKAGES="dpkg-dev file lintian desktop-file-utils appstream man-db"

install_missing_packages() {
    missing=""
    for package in $PACKAGES "$@"; do
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

fuzz() {
    seconds="${1:-30}"
    cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_COMPILE_WARNING_AS_ERROR="${KAVREL_WERROR:-OFF}" >/dev/null
    cmake --build build/fuzz
    for target in fuzz_standfile fuzz_httpresponse; do
        seeds="fuzz/corpus/${target#fuzz_}"
        # New inputs go to a working corpus in the build tree; the seeds in
        # the repository stay as they are.
        work="build/fuzz/corpus/${target#fuzz_}"
        mkdir -p "$work"
        echo "Fuzzing $target for $seconds s"
        ASAN_OPTIONS="detect_leaks=1:abort_on_error=0" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
            "build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" "$work" "$seeds"
    done
}

package() {
    preset="${KAVREL_PACKAGE_PRESET:-release}"
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR="${KAVREL_WERROR:-OFF}" \
        -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
    cmake --build --preset "$preset"
    cpack --config "build/$preset/CPackConfig.cmake" -B build/package
}

command="${1:-run}"
[ $# -gt 0 ] && shift
case "$command" in
    fuzz) install_missing_packages $FUZZ_PACKAGES ;;
    package) install_missing_packages $PACKAGING_PACKAGES ;;
    *) install_missing_packages ;;
esac

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
    package)
        package ;;
    test-asan)
        build asan
        cd build/asan && ctest --output-on-failure --no-tests=error ;;
    fuzz)
        fuzz "$@" ;;
    *)
        echo "usage: $0 run [STANDFILE] | test | test-asan | build | fuzz [SECONDS] | package" >&2
        exit 2 ;;
esac
