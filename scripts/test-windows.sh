#!/usr/bin/env bash
# Builds the Windows program and its installer (scripts/build-windows.sh), runs the
# project's own tests for Windows under Wine (the core's, and the editor's widget tests
# on Qt's offscreen platform), then the installed program end to end under Wine and a
# virtual X server (tests/windows/wine_end_to_end.sh). Needs the Linux build under
# build/ for the reference bytes (scripts/test.sh makes it first).
# `test-windows.sh --screenshot FILE` also saves the window under Wine as FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

screenshot=
[ "${1:-}" = --screenshot ] && screenshot=$2
started=$SECONDS
setup=$(scripts/build-windows.sh | tail -n 1)
echo "[windows] built in $((SECONDS - started)) s: $setup"

deps=$(scripts/windows-deps.sh | tail -n 1)
runtime=/usr/lib/gcc/x86_64-w64-mingw32/$(x86_64-w64-mingw32-g++-posix -dumpversion)
# A Wine prefix of the tests' own; no desktop, no Mono or Gecko installers.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$deps/bin;$runtime;/usr/x86_64-w64-mingw32/lib" QT_PLUGIN_PATH="$deps/plugins"
tests_started=$SECONDS
# A \\stationery-test\share of the tests' own: Wine serves UNC paths from dosdevices/unc.
[ -f "$WINEPREFIX/system.reg" ] || /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
mkdir -p build-windows/share "$WINEPREFIX/dosdevices/unc/stationery-test"
ln -sfn "$PWD/build-windows/share" "$WINEPREFIX/dosdevices/unc/stationery-test/share"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-windows/program --output-on-failure --timeout 600
echo "[windows] tests under Wine in $((SECONDS - tests_started)) s"

e2e_started=$SECONDS
unset WINEPATH QT_PLUGIN_PATH WINEPREFIX
tests/windows/wine_end_to_end.sh "$setup" build $screenshot
echo "[windows] end to end under Wine in $((SECONDS - e2e_started)) s"
