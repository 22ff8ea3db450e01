#!/usr/bin/env bash
# Builds the engine's fuzz target with clang, replays the seed corpus and every regression
# input, then fuzzes for the given number of seconds (default 60). A crash input is kept in
# build-fuzz/ and fails the run; copy it to fuzz/regressions/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNUMIRA_FUZZ=ON -DNUMIRA_SANITIZE=address,undefined -DNUMIRA_GUI=OFF -DNUMIRA_BENCH=OFF \
    -DNUMIRA_FOLDERS=engine >/dev/null
cmake --build build-fuzz --target engine_fuzz
fuzzer=$PWD/build-fuzz/bin/engine_fuzz
"$fuzzer" fuzz/corpus/* fuzz/regressions/* >/dev/null 2>&1 || {
    "$fuzzer" fuzz/corpus/* fuzz/regressions/*
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd build-fuzz
"$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1 \
    "$work" "$OLDPWD/fuzz/corpus" 2>&1 | tail -n 12
