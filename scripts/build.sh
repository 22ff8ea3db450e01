#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Installs what is missing and builds into build/bin/.
#   scripts/build.sh          the calculator and numira-cli
#   scripts/build.sh test     everything the tests run, the benchmarks included, configured as
#                             the Debian package is (scripts/package.sh build packs this tree)
#   scripts/build.sh bench    the calculator, numira-cli and numira-bench with its peers
set -euo pipefail
cd "$(dirname "$0")/.."
job=${1:-run}
scripts/setup.sh "$job"
source scripts/package_options.sh
case $job in
  run) options=(-DNUMIRA_TESTS=OFF -DNUMIRA_BENCH=OFF "${package_reset[@]}") ;;
  test) options=(-DNUMIRA_TESTS=ON -DNUMIRA_BENCH=ON "${package_options[@]}") ;;
  bench) options=(-DNUMIRA_TESTS=OFF -DNUMIRA_BENCH=ON "${package_reset[@]}") ;;
esac
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build build -j"$(nproc)"
