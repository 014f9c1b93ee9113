#!/usr/bin/env bash
# Installs what building and running need, builds the editor under build/ (without
# the tests and benchmarks, whose tools the test script installs) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DSTATIONERY_BUILD_BENCH=OFF
cmake --build build --parallel --target stationery-editor stationery-audio stationery-window stationery-pictures
exec build/src/app/stationery-editor "$@"
