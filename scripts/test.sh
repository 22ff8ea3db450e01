#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Set-up, build, and every test: formatting and layering; the unit, golden and widget tests
# under the C and the Bulgarian locale; the Debian package; a minute of fuzzing the engine;
# the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/build.sh test
scripts/check_format.sh
scripts/check_licence.sh
export QT_QPA_PLATFORM=offscreen
LC_ALL=C ctest --test-dir build --output-on-failure -j"$jobs"
echo "== the suite again under the Bulgarian locale"
LC_ALL=bg_BG.UTF-8 ctest --test-dir build --output-on-failure -j"$jobs"

echo "== the Debian package"
scripts/package.sh build
scripts/check_package.sh

echo "== fuzzing the engine"
scripts/fuzz.sh 60

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir build-asan --output-on-failure -j"$jobs"
