#!/usr/bin/env bash
# Builds the Debian package and checks its files and control data.
# usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack"
deb=$(ls "$out"/stationery-editor_*.deb) || fail "no package"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for expected in ./usr/bin/stationery-editor \
    ./usr/share/applications/org.stationeryeditor.StationeryEditor.desktop \
    ./usr/share/metainfo/org.stationeryeditor.StationeryEditor.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.stationeryeditor.StationeryEditor.png \
    ./usr/share/doc/stationery-editor/COPYING; do
    grep -qx -- "$expected" <<<"$files" || fail "the package lacks $expected"
done
# The sound module, where the program looks for it: beside bin/, in the library folder.
grep -q -- '^\./usr/lib.*/stationery-editor/stationery-audio\.so$' <<<"$files" ||
    fail "the package lacks the sound module"
if grep -q -- '_tests\|bench\|make_icons\|window_screenshot' <<<"$files"; then
    fail "the package carries test or build tools"
fi

[ "$(dpkg-deb -f "$deb" Package)" = stationery-editor ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.1.0 ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsdl2-mixer-2.0-0 libc6 timgm6mb-soundfont libcurl4 libqt6keychain1; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
echo "1 passed, 0 failed"
