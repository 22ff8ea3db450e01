#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Start-up of Numira beside SpeedCrunch and galculator, in one run, under Xvfb: the time
# from starting a program to its first top-level window being mapped, and its resident
# memory (VmRSS) one second later. Each program runs once to warm the caches, then RUNS
# times; the medians are printed with Numira's ratios to each peer. A peer that is not
# installed is left out. Run by hand (it takes about half a minute); no test runs it.
#
#   bench/startup.sh [path/to/numira]      default build/bin/numira, RUNS=7
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
numira=${1:-$root/build/bin/numira}
runs=${RUNS:-7}

for tool in Xvfb xev xdpyinfo stdbuf; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing (scripts/setup.sh installs it)" >&2; exit 2; }
done
[ -x "$numira" ] || { echo "startup.sh: no program at $numira (build it first)" >&2; exit 2; }
programs=(numira)
commands=("$numira")
for peer in speedcrunch galculator; do
    if command -v "$peer" >/dev/null; then
        programs+=("$peer")
        commands+=("$(command -v "$peer")")
    else
        echo "startup.sh: $peer is not installed; left out" >&2
    fi
done

work=$(mktemp -d)
xvfb_pid="" xev_pid="" program_pid=""
cleanup() {
    for pid in $program_pid $xev_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }

# Every program starts as a first-time user on the same desktop: an empty home, the real X
# platform, no session bus.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY

# xev reports every window mapped on the root; reading its lines as they come gives the map
# time without polling.
mkfifo "$work/events"
stdbuf -oL xev -root -event substructure >"$work/events" 2>/dev/null &
xev_pid=$!
exec 3<"$work/events"
sleep 0.3

now_us() {
    local t=$EPOCHREALTIME
    echo "${t/[.,]/}"
}

# measure COMMAND: prints "<ms to map> <resident kB>".
measure() {
    while read -r -t 0.05 _ <&3; do :; done  # events of the previous run
    local start end line rss
    start=$(now_us)
    "$@" >/dev/null 2>&1 &
    program_pid=$!
    while :; do
        if ! read -r -t 20 line <&3; then
            echo "startup.sh: $1 mapped no window within 20 s" >&2
            exit 1
        fi
        if [[ $line == MapNotify* ]]; then
            end=$(now_us)
            read -r -t 1 line <&3 || true
            [[ $line == *"override NO"* ]] && break  # menus and tooltips are not windows
        fi
    done
    sleep 1
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null || echo 0)
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    sleep 0.2
    awk -v us=$((end - start)) -v rss="$rss" 'BEGIN { printf "%.1f %d\n", us / 1000, rss }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -A time_ms rss_mb
echo "Start-up under Xvfb, median of $runs runs after a warm-up ($(nproc) cores, $(date -u +%Y-%m-%d))"
for i in "${!programs[@]}"; do
    name=${programs[$i]}
    measure "${commands[$i]}" >/dev/null
    : >"$work/$name"
    for _ in $(seq "$runs"); do
        measure "${commands[$i]}" >>"$work/$name"
    done
    time_ms[$name]=$(cut -d' ' -f1 "$work/$name" | median)
    rss_mb[$name]=$(cut -d' ' -f2 "$work/$name" | median | awk '{ printf "%.1f", $1 / 1024 }')
    printf '%-12s map %7.1f ms   resident %6.1f MB   runs (ms): %s\n' "$name" "${time_ms[$name]}" \
        "${rss_mb[$name]}" "$(cut -d' ' -f1 "$work/$name" | tr '\n' ' ')"
done

for name in "${programs[@]:1}"; do
    awk -v n="$name" -v t="${time_ms[numira]}" -v tp="${time_ms[$name]}" \
        -v m="${rss_mb[numira]}" -v mp="${rss_mb[$name]}" \
        'BEGIN { printf "numira / %s: start-up %.2f, memory %.2f\n", n, t / tp, m / mp }'
done
if [ -n "${time_ms[speedcrunch]:-}" ]; then
    awk -v t="${time_ms[numira]}" -v tp="${time_ms[speedcrunch]}" \
        -v m="${rss_mb[numira]}" -v mp="${rss_mb[speedcrunch]}" 'BEGIN {
        printf "target, start-up at most 0.75 of SpeedCrunch: %s\n", (t <= 0.75 * tp) ? "met" : "missed"
        printf "target, memory at most half of SpeedCrunch: %s\n", (m <= 0.5 * mp) ? "met" : "missed"
    }'
fi
