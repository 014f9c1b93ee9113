#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop expects there.
# usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
id=org.stationeryeditor.StationeryEditor

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$prefix/bin/stationery-editor" ] || fail "no executable in bin/"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$metainfo" ] || fail "no metainfo"
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}px icon"
    head -c 8 "$icon" | cmp -s - <(printf '\x89PNG\r\n\x1a\n') || fail "${size}px icon is not a PNG"
done
grep -qx "Exec=stationery-editor %f" "$desktop" || fail "the desktop entry runs something else"
# Opening a file from the file manager must not make this program the HTML handler.
if grep -q "^MimeType=" "$desktop"; then fail "the desktop entry registers a file type"; fi
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
echo "1 passed, 0 failed"
