#!/usr/bin/env bash
# Installs what is missing, builds everything under build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTATIONERY_WERROR=ON \
    -DBUILD_TESTING=ON -DSTATIONERY_BUILD_BENCH=ON
cmake --build build --parallel
# The core, built for Windows and run under Wine.
scripts/test-windows.sh
# Every fuzz target for a few seconds, after replaying the inputs that once failed.
scripts/fuzz.sh "${FUZZ_SECONDS:-5}"
# Widget tests need no display; the end-to-end test starts its own X server.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300
