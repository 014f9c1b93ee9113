#!/usr/bin/env bash
# Builds the fuzz targets with clang under build-fuzz/ and runs each for a while.
#   scripts/fuzz.sh [SECONDS_EACH]   (default 60)
# Inputs that crash land in build-fuzz/crashes/; once fixed, keep them as regression
# cases in fuzz/regressions/<target>/, which every run replays first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTATIONERY_FUZZ=ON -DBUILD_TESTING=OFF -DSTATIONERY_BUILD_BENCH=OFF >/dev/null
# The program itself too: it must build with clang as with GCC.
cmake --build build-fuzz --target fuzz_targets stationery-editor
QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/make_fuzz_seeds build-fuzz/seeds

passed=0
failed=0
for target in writer reader picture_loader sound_open server_answers; do
    binary=build-fuzz/fuzz/${target}_fuzz
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus" build-fuzz/crashes
    regressions=(fuzz/regressions/$target/*)
    if [ -e "${regressions[0]}" ] && ! "$binary" -runs=0 "${regressions[@]}" >build-fuzz/$target-regressions.log 2>&1; then
        echo "$target: a kept regression input fails again (build-fuzz/$target-regressions.log)"
        failed=$((failed + 1))
        continue
    fi
    if "$binary" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
        -artifact_prefix=build-fuzz/crashes/$target- "$corpus" "build-fuzz/seeds/$target" \
        >build-fuzz/$target.log 2>&1; then
        echo "$target: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' build-fuzz/$target.log | tail -1)s, nothing found"
        passed=$((passed + 1))
    else
        echo "$target: FOUND A PROBLEM, see build-fuzz/$target.log and build-fuzz/crashes/"
        tail -30 build-fuzz/$target.log
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
