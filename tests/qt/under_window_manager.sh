#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Runs a test program on its own 1366x768 Xvfb screen under the openbox window manager, with
# Qt on X11. Without Xvfb or openbox it exits 77, which CTest reports as skipped.
set -u
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d)
xvfb=''
wm=''
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "skipped: Xvfb did not start"; exit 77; }
DISPLAY=:$(head -n1 "$scratch/display")
export DISPLAY
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The manager is up once it has put its mark on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "skipped: openbox did not start"; exit 77; }
# libxkbcommon-x11 hands strndup a buffer with no terminator, which strndup allows; AddressSanitizer's
# strict string checks read on past it and stop the program before any test runs.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
export ASAN_OPTIONS
QT_QPA_PLATFORM=xcb "$@"
