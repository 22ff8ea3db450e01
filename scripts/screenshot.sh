#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Regenerates docs/numira.png, the README's picture of the calculator after 2 + 3 =,
# docs/numira-preview.png, the value while 2 + 3 is typed, docs/numira-history.png, the window
# with its history panel, and docs/numira-failure.png, the part of 5 : 0 that failed, drawn
# offscreen by
# scripts/screenshot.cpp. Usage: scripts/screenshot.sh [build-folder]  (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build=$root/$build ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja
fi
cmake --build "$build" -j2 --target numira-screenshot
QT_QPA_PLATFORM=offscreen "$build/bin/numira-screenshot" "$build/screenshots"
cp "$build/screenshots/numira-2plus3.png" "$root/docs/numira.png"
for name in preview history failure; do
  cp "$build/screenshots/numira-$name.png" "$root/docs/numira-$name.png"
done
echo "docs/numira.png, numira-preview.png, numira-history.png and numira-failure.png updated" \
  "from $build/screenshots/"
