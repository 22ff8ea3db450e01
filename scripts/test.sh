#!/usr/bin/env bash
# Set-up, build, and every test: formatting; the unit, golden and widget tests; a minute of
# fuzzing the engine; the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/build.sh
scripts/check_format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$jobs"
echo "== the suite again under the Bulgarian locale"
LC_ALL=bg_BG.UTF-8 ctest --test-dir build --output-on-failure -j"$jobs"

echo "== fuzzing the engine"
scripts/fuzz.sh 60

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNUMIRA_SANITIZE=address,undefined -DNUMIRA_BENCH=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir build-asan --output-on-failure -j"$jobs"
