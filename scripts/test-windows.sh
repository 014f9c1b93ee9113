#!/usr/bin/env bash
# Builds the stationery core and its tests for 64-bit Windows with MinGW-w64 under
# build-windows/ and runs them under Wine, so the core stays Windows-clean.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DSTATIONERY_BUILD_GUI=OFF -DSTATIONERY_BUILD_BENCH=OFF -DSTATIONERY_WERROR=ON
cmake --build build-windows --parallel
# A Wine prefix of the build's own; no desktop, no Mono or Gecko installers.
export WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ctest --test-dir build-windows --output-on-failure --timeout 120
