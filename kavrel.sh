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
#   ./kavrel.sh r-check           builds and checks the R package (R CMD check with its tests)
#   ./kavrel.sh python-test       builds the Python module into a virtual environment and runs pytest
#   ./kavrel.sh windows           cross-builds the Windows programs and their installer into
#                                 build/windows (Qt and OpenSSL are built once into a cache,
#                                 ${XDG_CACHE_HOME:-~/.cache}/kavrel)
#   ./kavrel.sh windows-test      runs the test suite and the Windows-only checks under Wine
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

# The R package and the Python module alone: the compiler, the engine's
# nanoflann, the language's own packages and those the tests, the examples and
# the vignette use (spatstat, sf, pandas, geopandas), but not Qt.
BINDING_PACKAGES="g++ libnanoflann-dev"
R_PACKAGES="$BINDING_PACKAGES r-base-dev r-cran-rcpp r-cran-testthat r-cran-roxygen2 r-cran-knitr \
r-cran-markdown r-cran-sf r-cran-spatstat.geom"
PYTHON_PACKAGES="$BINDING_PACKAGES python3-dev python3-venv python3-pip python3-setuptools python3-wheel \
python3-numpy python3-pytest pybind11-dev python3-pybind11 python3-pandas python3-geopandas python3-shapely"

# The Windows build: MinGW-w64 for the programs, Qt and OpenSSL (cross-built
# from Debian's sources), Wine to run the tests (the installer is 64-bit too,
# so Wine's 32-bit half is not needed), NSIS for the installer and a font for
# the offscreen platform.
WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix dpkg-dev make perl xz-utils wine wine64 nsis fonts-dejavu-core"

# Installs what the given packages lack (by default the program's list).
install_missing_packages() {
    missing=""
    packages="${*:-$PACKAGES}"
    for package in $packages; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    # A mirror in the middle of a sync fails an index or two; what is
    # missing then shows in the install below, which does fail.
    $sudo apt-get update || echo "apt-get update reported errors; installing from what it got" >&2
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -o DPkg::Lock::Timeout=900 -y \
        --no-install-recommends $missing
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
    for target in fuzz_standfile fuzz_researchstand fuzz_httpresponse fuzz_updatesignature; do
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

# The language packages check their numbers against kavrel-zones on the
# sample stands, so they get the tool's path and the sample folder. The tool
# needs Qt: it is built where Qt is installed (as after ./kavrel.sh test) and
# otherwise the cross-check is skipped rather than Qt installed for it.
build_zones_tool() {
    KAVREL_DATA="$PWD/dist/Data"
    export KAVREL_DATA
    if ! dpkg-query -W -f='${Status}' qt6-base-dev 2>/dev/null | grep -q "install ok installed"; then
        echo "Qt is not installed: the cross-check against kavrel-zones is skipped" >&2
        return 0
    fi
    cmake --preset debug -DCMAKE_COMPILE_WARNING_AS_ERROR="${KAVREL_WERROR:-OFF}" >/dev/null
    cmake --build --preset debug --target kavrel-zones
    KAVREL_ZONES="$PWD/build/debug/bin/kavrel-zones"
    export KAVREL_ZONES
}

# R CMD build packs only the package folder, so ./configure first copies the
# engine's sources into it. Warnings fail the check as errors do.
r_check() {
    build_zones_tool
    (cd r && ./configure)
    rm -rf build/r && mkdir -p build/r
    cd build/r
    R CMD build ../../r
    _R_CHECK_FORCE_SUGGESTS_=false _R_CHECK_TESTS_NLINES_=0 R CMD check --no-manual kavrel_*.tar.gz
    if grep -q "^Status:.*\(ERROR\|WARNING\)" kavrel.Rcheck/00check.log; then
        echo "R CMD check reported errors or warnings" >&2
        exit 1
    fi
}

# Debian's numpy, pytest and pybind11 belong to /usr/bin/python3, whatever
# python3 comes first on the PATH.
python_test() {
    build_zones_tool
    rm -rf build/python-venv
    /usr/bin/python3 -m venv --system-site-packages build/python-venv
    build/python-venv/bin/pip install --no-build-isolation --no-index ./python
    # The docstrings' examples run as tests too (tests/test_inputs.py).
    cd python && ../build/python-venv/bin/python -m pytest -q tests
}

command="${1:-run}"
[ $# -gt 0 ] && shift
case "$command" in
    windows | windows-test)
        install_missing_packages $PACKAGES $WINDOWS_PACKAGES
        . dist/windows/windows.sh ;;
    fuzz) install_missing_packages $PACKAGES $FUZZ_PACKAGES ;;
    package) install_missing_packages $PACKAGES $PACKAGING_PACKAGES ;;
    r-check) install_missing_packages $R_PACKAGES ;;
    python-test) install_missing_packages $PYTHON_PACKAGES ;;
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
    r-check)
        r_check ;;
    python-test)
        python_test ;;
    windows)
        windows ;;
    windows-test)
        windows_test ;;
    *)
        echo "usage: $0 run [STANDFILE] | test | test-asan | build | fuzz [SECONDS] | package | r-check | python-test | windows | windows-test" >&2
        exit 2 ;;
esac
