#!/bin/sh
# Checks a built Debian package as a user would meet it:
#   tests/package/check_package.sh build/package/kavrel_<version>_<arch>.deb
# lintian reports no error, the menu entry and the AppStream metadata are
# valid, the manual pages render, another CMake project builds against the
# libraries, and from a copy unpacked into a temporary root kavrel-zones
# computes zone areas and kavrelapp opens, computes and draws a stand, writing
# nothing into the installation.
set -eu

deb="$1"
app_id="example.kavrel.Kavrel"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
home="$work/home"
mkdir -p "$root" "$home"

fail() {
    echo "check_package: $*" >&2
    exit 1
}

echo "== package fields"
dpkg-deb --field "$deb" Package Version Architecture Depends
depends="$(dpkg-deb --field "$deb" Depends)"
case "$depends" in
    *libqt6widgets6*) ;;
    *) fail "Depends does not name the Qt widgets library: $depends" ;;
esac

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

dpkg-deb -x "$deb" "$root"
usr="$root/usr"

echo "== desktop entry and metadata"
desktop-file-validate "$usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -s "$usr/share/icons/hicolor/$size/apps/kavrel.png" ] || fail "no $size icon"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/kavrel.svg" ] || fail "no scalable icon"

echo "== manual pages"
for page in kavrelapp kavrel-zones glyphbin-sheet; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" >"$work/$page.txt" 2>"$work/$page.err"
    [ ! -s "$work/$page.err" ] || fail "man $page: $(cat "$work/$page.err")"
    grep -q "^NAME" "$work/$page.txt" || fail "man $page has no NAME section"
done

echo "== the libraries from another CMake project"
consumer_source="$(cd "$(dirname "$0")/consumer" && pwd)"
cmake -S "$consumer_source" -B "$work/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$usr" >/dev/null
cmake --build "$work/consumer" >/dev/null
consumed="$(QT_QPA_PLATFORM=offscreen "$work/consumer/consumer" 2>/dev/null)"
[ "$consumed" = "10 24x44" ] || fail "a project using Meterlin and Glyphbin printed: $consumed"

# Everything below runs the unpacked programs; whatever they write must land
# in the user's folders, never in the installation.
find "$root" | sort >"$work/before"

echo "== kavrel-zones --areas from the unpacked package"
"$usr/bin/kavrel-zones" --areas "$usr/share/doc/kavrel/examples/example3.txt" | tee "$work/areas"
# Three trees, order 1: the zones tile the stand, so the probabilities add up to 1.
awk -F, 'NF == 6 { n++; sum += $6 } END { if (n != 3 || sum < 0.999999 || sum > 1.000001) exit 1 }' \
    "$work/areas" || fail "kavrel-zones --areas gave unexpected zone areas"

echo "== kavrelapp --snapshot from the unpacked package, offscreen"
snapshot="$(env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 120 "$usr/bin/kavrelapp" --snapshot --order 2 "$usr/share/kavrel/Data/sample12.txt")" \
    || fail "kavrelapp could not open, compute and draw the sample stand"
echo "$snapshot"
[ "$snapshot" = "$home/Pictures/Situation.bmp" ] || fail "the snapshot went to $snapshot"
[ "$(head -c 2 "$snapshot")" = "BM" ] || fail "the snapshot is no bitmap"

find "$root" | sort >"$work/after"
cmp -s "$work/before" "$work/after" || fail "the programs wrote into the installation: $(comm -13 "$work/before" "$work/after")"

echo "package checks passed: $deb"
