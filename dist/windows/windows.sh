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
# Besides libcrypto, openssl.exe: the update tests make their keys,
# certificates and signatures with it, under Wine as on Linux.
WINDOWS_OPENSSL_TARGETS="build_libs build_programs"

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

# Qt's build takes long enough to be worth resuming: an interrupted one goes
# on from where it stopped, with the sources and the configuration it had.
windows_build_qt() {
    prefix="$1"
    work="$windows_cache/work/$(basename "$prefix")"
    version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
    if [ ! -f "$work/fetched" ]; then
        rm -rf "$work/build" && mkdir -p "$work"
        windows_fetch_source qt6-base "$version" "$work/source" >"$work/fetched.part"
        mv "$work/fetched.part" "$work/fetched"
    fi
    source=$(cat "$work/fetched")
    if [ ! -f "$work/build/build.ninja" ]; then
        mkdir -p "$work/build"
        # shellcheck disable=SC2086
        (cd "$work/build" && "$source/configure" -prefix "$prefix" $WINDOWS_QT_OPTIONS -- \
            -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir")
    fi
    cmake --build "$work/build" --parallel
    cmake --install "$work/build"
    # Qt's own translations are the same files for every platform: those of
    # Debian's package for this Qt version, where Qt looks for them.
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
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
        make -j"$(nproc)" $WINDOWS_OPENSSL_TARGETS && make install_dev install_programs)
    rm -rf "$work"
}

# Builds with $2 into the cache folder named $1 unless a finished build is
# there; prints the folder.
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
        "openssl-$ssl_version-$(windows_options_key "$WINDOWS_OPENSSL_OPTIONS $WINDOWS_OPENSSL_TARGETS")" \
        windows_build_openssl)
}

windows_mingw_runtime() {
    for library in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        $windows_triplet-g++-posix -print-file-name="$library"
    done
}

# nanoflann is header-only: a prefix of its own holds the header and its
# package files, so the cross build does not see the rest of /usr/include.
windows_nanoflann_prefix() {
    prefix="$windows_build/nanoflann"
    mkdir -p "$prefix/include" "$prefix/share/nanoflann"
    cp /usr/include/nanoflann.hpp "$prefix/include/"
    cp -r /usr/share/nanoflann/cmake "$prefix/share/nanoflann/"
    echo "$prefix"
}

windows_build_kavrel() {
    # Build-time tools run here, so they come from a build for this machine.
    cmake -S . -B build/windows-tools -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF \
        -DKAVREL_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build build/windows-tools --target glyphbin-art
    nanoflann=$(windows_nanoflann_prefix)
    # MinGW-w64's GCC 12 at -O3 warns of overlapping copies inside
    # std::string's operator+ where there are none (GCC bug 105651).
    cmake -S . -B "$windows_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" \
        -DCMAKE_CXX_FLAGS="-Wno-restrict" -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$WINDOWS_QT;$WINDOWS_OPENSSL;$nanoflann" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" -DOPENSSL_ROOT_DIR="$WINDOWS_OPENSSL" \
        -DKAVREL_PORTABLE_INSTALL=ON -DKAVREL_HOST_GLYPHBIN_ART="$PWD/build/windows-tools/toolbarpictures/glyphbin-art" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DCMAKE_COMPILE_WARNING_AS_ERROR="${KAVREL_WERROR:-ON}" >/dev/null
    cmake --build "$windows_build"
}

# The installed folder: Kavrel's portable layout with Qt's libraries, the
# plugins the program loads, Qt's own translations and the compiler's and
# OpenSSL's run-time libraries beside the program.
windows_stage() {
    stage="$windows_build/stage"
    rm -rf "$stage"
    cmake --install "$windows_build" --prefix "$stage" --component Unspecified >/dev/null
    for module in Core Gui Widgets Network; do
        cp "$WINDOWS_QT/bin/Qt6$module.dll" "$stage/"
    done
    for plugins in platforms styles imageformats tls networkinformation; do
        [ -d "$WINDOWS_QT/plugins/$plugins" ] && cp -r "$WINDOWS_QT/plugins/$plugins" "$stage/"
    done
    cp -r "$WINDOWS_QT/translations" "$stage/"
    cp "$WINDOWS_OPENSSL"/bin/libcrypto-*.dll "$stage/"
    windows_mingw_runtime | while read -r library; do cp "$library" "$stage/"; done
    # Qt takes the program's folder as its prefix, so it finds the plugins
    # and translations beside the program.
    printf '[Paths]\nPrefix = .\n' >"$stage/qt.conf"
}

# The uninstaller removes exactly what was installed (and what the program
# itself leaves there: its snapshot and an update's files), never the rest of
# a folder the user may have chosen.
windows_uninstall_list() {
    (cd "$1" && find . -type f | sed 's|^\./||' | sort) | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "$(printf '%s' "$file" | tr '/' '\\')"
    done
    for left in 'Pictures\Situation.bmp' 'kavrelapp.e32' 'kavrelapp.e32.part' 'kavrelapp.e32.bat'; do
        printf 'Delete "$INSTDIR\\%s"\n' "$left"
    done
    (cd "$1" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | while read -r folder; do
        printf 'RMDir "$INSTDIR\\%s"\n' "$(printf '%s' "$folder" | tr '/' '\\')"
    done
}

windows_installer() {
    windows_stage
    version=$(sed -n 's/^project(Kavrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    windows_uninstall_list "$windows_build/stage" >"$windows_build/uninstall-files.nsh"
    rm -f "$windows_build"/kavrel-*-setup.exe
    makensis -V2 -DVERSION="$version" -DSTAGE="$windows_build/stage" \
        -DUNINSTALL_FILES="$windows_build/uninstall-files.nsh" \
        -DOUTFILE="$windows_build/kavrel-$version-setup.exe" dist/windows/kavrel.nsi
    echo "Installer: $windows_build/kavrel-$version-setup.exe"
}

windows() {
    windows_dependencies
    windows_build_kavrel
    windows_installer
}

# Wine gets a prefix of its own in the build tree. Its traps: it passes no
# variable whose name starts with QT_ (Windows reads names regardless of
# case, so they go in lower case), Qt Test writes nothing to a redirected
# output without a console (qt_force_stderr_logging), and the first program
# may hang unless the server and one command run first.
windows_wine() {
    export WINEPREFIX="$windows_build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    dirs="$windows_build/bin $WINDOWS_QT/bin $WINDOWS_OPENSSL/bin"
    for library in $(windows_mingw_runtime); do dirs="$dirs $(dirname "$library")"; done
    WINEPATH=""
    for dir in $dirs; do WINEPATH="$WINEPATH;Z:$(printf '%s' "$dir" | tr '/' '\\')"; done
    export WINEPATH="${WINEPATH#;}"
    export qt_qpa_platform=offscreen qt_force_stderr_logging=1
    export qt_qpa_fontdir="Z:\\usr\\share\\fonts\\truetype\\dejavu"
    # openssl.exe (for the update tests' keys) looks for its configuration
    # where the build would have installed it; this machine's serves.
    export OPENSSL_CONF="Z:\\etc\\ssl\\openssl.cnf"
    mkdir -p "$WINEPREFIX"
    wineserver -k 2>/dev/null || true
    wineserver -p
    # The first command also makes the prefix.
    wine cmd /c exit
}

# Kavrel's entries in the user's folders (the Start menu's, the settings');
# the temporary folder is the tests', not the installer's.
windows_user_leftovers() {
    find "$WINEPREFIX/drive_c/users" -path '*/Temp' -prune -o -name 'Kavrel*' -print
}

# The installer installs silently, the installed program draws its snapshot,
# and the uninstaller leaves nothing behind.
windows_installer_check() {
    version=$(sed -n 's/^project(Kavrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    target="$WINEPREFIX/drive_c/KavrelCheck"
    rm -rf "$target"
    wine "$windows_build/kavrel-$version-setup.exe" /S '/D=C:\KavrelCheck'
    [ -f "$target/kavrelapp.exe" ] || { echo "The installer installed no kavrelapp.exe" >&2; return 1; }
    [ -n "$(find "$WINEPREFIX/drive_c/users" -name Kavrel.lnk)" ] ||
        { echo "The installer made no Start-menu entry" >&2; return 1; }
    # Without the build tree on the PATH: the installed folder must suffice.
    WINEPATH="" wine 'C:\KavrelCheck\kavrelapp.exe' --snapshot 'C:\KavrelCheck\Data\sample12.txt'
    [ -s "$target/Pictures/Situation.bmp" ] || { echo "The installed program wrote no snapshot" >&2; return 1; }
    wine 'C:\KavrelCheck\uninstall.exe' /S '_?=C:\KavrelCheck'
    wine cmd /c 'del C:\KavrelCheck\uninstall.exe' 2>/dev/null || true
    if [ -n "$(ls -A "$target" 2>/dev/null)" ] || [ -n "$(windows_user_leftovers)" ]; then
        echo "The uninstaller left behind:" >&2
        ls -R "$target" >&2
        windows_user_leftovers >&2
        return 1
    fi
    rmdir "$target" 2>/dev/null || true
    echo "Installer: installs, runs (--snapshot) and uninstalls"
}

windows_test() {
    windows_dependencies
    windows_build_kavrel
    windows_installer
    windows_wine
    status=0
    ctest --test-dir "$windows_build" --output-on-failure --no-tests=error -j2 --timeout 300 || status=1
    # The decimal point in the window, whatever the regional setting says.
    LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest --test-dir "$windows_build" --output-on-failure \
        -R 'tst_numberformat|tst_standwindow|tst_shelllogic|tst_form1' || status=1
    windows_installer_check || status=1
    wineserver -k || true
    return $status
}
