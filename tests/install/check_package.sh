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
# The modules, where the program looks for them: beside bin/, in the library folder.
for module in audio mail keyring window pictures; do
    grep -q -- "^\./usr/lib.*/stationery-editor/stationery-$module\.so\$" <<<"$files" ||
        fail "the package lacks the $module module"
done
if grep -q -- '_tests\|bench\|make_icons\|window_screenshot' <<<"$files"; then
    fail "the package carries test or build tools"
fi

[ "$(dpkg-deb -f "$deb" Package)" = stationery-editor ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.1.0 ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsdl2-mixer-2.0-0 libc6 timgm6mb-soundfont libcurl4 libqt6keychain1; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
dpkg-deb -x "$deb" "$out/root"
# The program itself starts with Qt's core alone: the window's libraries come with
# the window module.
if readelf -d "$out/root/usr/bin/stationery-editor" | grep -q 'Qt6Gui\|Qt6Widgets'; then
    fail "the program links the window's libraries"
fi
# The installed program finds its modules: an export judges the picture with the
# picture module, and the window (offscreen) runs until it is stopped.
"$build/tests/export_samples" "$out/samples" >/dev/null
QT_QPA_PLATFORM=offscreen "$out/root/usr/bin/stationery-editor" --export "$out/page.eml" \
    "$out/samples/classic/page.htm" || fail "the installed program does not export"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$out/root/usr/bin/stationery-editor" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || fail "the installed program's window does not open (status $status)"
echo "1 passed, 0 failed"
