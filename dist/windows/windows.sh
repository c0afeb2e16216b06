# Sourced by kavrel.sh from the top of the source tree: builds Kavrel for
# 64-bit Windows with MinGW-w64, tests it under Wine and packs the installer.
#
# Qt's qtbase and OpenSSL's libcrypto come from Debian's own source packages,
# fetched through an apt configuration of our own whose deb-src entries are
# made from the machine's Debian entries, and are cross-built once into a
# cache outside the source tree, one folder per version and options.

windows_cache="${XDG_CACHE_HOME:-$HOME/.cache}/kavrel"
windows_toolchain="$PWD/cmake/mingw-w64-x86_64.cmake"
windows_build="$PWD/build/windows"
windows_triplet=x86_64-w64-mingw32
host_qt_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

# Only the modules Kavrel uses; TLS through Windows' own Schannel. The WinTab
# header is missing from Debian's source (so no tablet events), and
# qwindows.dll does not link with DirectWrite 3 but without Direct2D 1.1.
WINDOWS_QT_OPTIONS="-release -shared -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
-schannel -no-openssl -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
-no-dbus -no-opengl -no-feature-sql -no-feature-printsupport -no-feature-vulkan -no-zstd -no-icu \
-no-feature-concurrent -no-feature-xml -no-feature-tabletevent -no-feature-direct2d1_1 -no-feature-directwrite3"

WINDOWS_OPENSSL_OPTIONS="mingw64 shared no-tests"

windows_options_key() {
    # The compiler is part of what was built.
    printf '%s %s' "$1" "$($windows_triplet-g++-posix -dumpfullversion)" | sha256sum | cut -c1-12
}

# deb-src twins of the machine's own entries for its Debian release, in both
# the one-line and the deb822 format; other vendors' entries stay out.
windows_write_source_entries() {
    apt_dir="$1"
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] || continue
        sed -n "s/^[[:space:]]*deb\([[:space:]].*[[:space:]]$codename[-[:alnum:]]*[[:space:]].*\)/deb-src\1/p" "$list"
    done >"$apt_dir/sources.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] || continue
        awk -v codename="$codename" '
            BEGIN { RS = "" }
            /(^|\n)Enabled:[ \t]*[Nn]o/ { next }
            /(^|\n)Types:[^\n]*[ \t]deb([ \t\n]|$)/ && $0 ~ ("(^|\n)Suites:[^\n]*[ \t]" codename) {
                n = split($0, lines, "\n")
                for (i = 1; i <= n; i++) {
                    if (lines[i] ~ /^[ \t]*#/) continue
                    if (lines[i] ~ /^Types:/) lines[i] = "Types: deb-src"
                    print lines[i]
                }
                print ""
            }' "$sources"
    done >"$apt_dir/sources.list.d/sources.sources"
    if ! grep -q . "$apt_dir/sources.list" "$apt_dir/sources.list.d/sources.sources"; then
        echo "No Debian '$codename' entry in /etc/apt to take the sources from" >&2
        return 1
    fi
}

windows_apt_options() {
    apt_dir="$windows_cache/apt"
    echo "-o Dir::Etc::SourceList=$apt_dir/sources.list -o Dir::Etc::SourceParts=$apt_dir/sources.list.d \
-o Dir::State::Lists=$apt_dir/lists -o Dir::Cache=$apt_dir/cache"
}

# shellcheck disable=SC2046
windows_apt() { apt-get $(windows_apt_options) "$@"; }
# shellcheck disable=SC2046
windows_apt_cache() { apt-cache $(windows_apt_options) "$@"; }

# Unpacks Debian's source of package $1 into the empty folder $3: version $2
# where it is still to be had, else the newest one the archive serves (a
# mirror in the middle of a sync may list a version it cannot deliver yet).
windows_fetch_source() {
    if [ ! -f "$windows_cache/apt/updated" ]; then
        windows_write_source_entries "$windows_cache/apt"
        windows_apt update >&2 || echo "apt-get update reported errors; going on with what it got" >&2
        touch "$windows_cache/apt/updated"
    fi
    versions="$2 $(windows_apt_cache showsrc "$1" | sed -n 's/^Version: //p' | sort -r -V)"
    for version in $versions; do
        rm -rf "$3" && mkdir -p "$3"
        if (cd "$3" && windows_apt source -q "$1=$version") >&2; then
            find "$3" -mindepth 1 -maxdepth 1 -type d | head -n 1
            return 0
        fi
    done
    echo "Debian's source of $1 could not be fetched" >&2
    return 1
}

windows_build_qt() {
    prefix="$1"
    work="$windows_cache/work/$(basename "$prefix")"
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    source=$(windows_fetch_source qt6-base "$version" "$work/source")
    mkdir -p "$work/build"
    # shellcheck disable=SC2086
    (cd "$work/build" && "$source/configure" -prefix "$prefix" $WINDOWS_QT_OPTIONS -- \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir")
    cmake --build "$work/build" --parallel
    cmake --install "$work/build"
    rm -rf "$work"
}

windows_build_openssl() {
    prefix="$1"
    work="$windows_cache/work/$(basename "$prefix")"
    version=$(dpkg-query -W -f='${source:Version}' libssl-dev)
    source=$(windows_fetch_source openssl "$version" "$work/source")
    # shellcheck disable=SC2086
    (cd "$source" && ./Configure $WINDOWS_OPENSSL_OPTIONS --prefix="$prefix" --libdir=lib \
        CC="$windows_triplet-gcc-posix" AR="$windows_triplet-ar" RANLIB="$windows_triplet-ranlib" \
        RC="$windows_triplet-windres" &&
        make -j"$(nproc)" build_libs && make install_dev)
    rm -rf "$work"
}

# Builds with $2 into the cache folder named $1 unless a finished build is
# there; prints the folder. An interrupted build starts again from scratch.
windows_cached() {
    prefix="$windows_cache/$1"
    if [ ! -f "$prefix/.complete" ]; then
        rm -rf "$prefix"
        "$2" "$prefix" >&2
        touch "$prefix/.complete"
    fi
    echo "$prefix"
}

windows_dependencies() {
    qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    ssl_version=$(dpkg-query -W -f='${source:Version}' libssl-dev)
    WINDOWS_QT=$(windows_cached "qtbase-$qt_version-$(windows_options_key "$WINDOWS_QT_OPTIONS")" windows_build_qt)
    WINDOWS_OPENSSL=$(windows_cached \
        "openssl-$ssl_version-$(windows_options_key "$WINDOWS_OPENSSL_OPTIONS")" windows_build_openssl)
}
