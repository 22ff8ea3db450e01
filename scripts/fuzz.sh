#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Builds the engine's fuzz targets with clang, replays the seed corpus and every regression
# input, then fuzzes for the given number of seconds (default 60): two thirds for arbitrary
# text, one third for expressions of the keypad's grammar checked against the reference
# values. A crash input is kept in build-fuzz/ and fails the run; copy it to
# fuzz/regressions/ once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
keyed_seconds=$((seconds / 3 > 0 ? seconds / 3 : 1))
text_seconds=$((seconds - keyed_seconds > 0 ? seconds - keyed_seconds : 1))
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNUMIRA_FUZZ=ON -DNUMIRA_SANITIZE=address,undefined -DNUMIRA_GUI=OFF -DNUMIRA_BENCH=OFF \
    -DNUMIRA_FOLDERS=engine >/dev/null
cmake --build build-fuzz --target engine_fuzz keyed_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd build-fuzz
for target in engine_fuzz keyed_fuzz; do
    fuzzer=$PWD/bin/$target
    "$fuzzer" "$OLDPWD"/fuzz/corpus/* "$OLDPWD"/fuzz/regressions/* >/dev/null 2>&1 || {
        "$fuzzer" "$OLDPWD"/fuzz/corpus/* "$OLDPWD"/fuzz/regressions/*
        exit 1
    }
    time=$text_seconds
    [ "$target" = keyed_fuzz ] && time=$keyed_seconds
    mkdir -p "$work/$target"
    echo "== $target, $time s"
    "$fuzzer" -max_total_time="$time" -timeout=10 -max_len=4096 -print_final_stats=1 \
        "$work/$target" "$OLDPWD/fuzz/corpus" 2>&1 | tail -n 12
done
