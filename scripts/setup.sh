#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Installs from Debian's packages what a job needs, and nothing that is already there.
#   scripts/setup.sh          build and run the calculator
#   scripts/setup.sh test     the above, and what the tests, the fuzzer and the checks need
#   scripts/setup.sh package  the above for building, and what builds and checks the .deb
#   scripts/setup.sh bench    the above for building, and the peers the benchmarks measure
set -euo pipefail

run=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev qt6-l10n-tools
  qt6-translations-l10n
  libqt6svg6 libqt6opengl6-dev libgl-dev
  libxlsxwriter-dev zlib1g-dev libintelrdfpmath-dev
  fonts-liberation fontconfig
)
test=(
  clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev libmpfrc++-dev
  xvfb x11-utils unzip openbox
)
package=(
  dpkg-dev fakeroot file lintian desktop-file-utils appstream librsvg2-bin
)
bench=(
  libbenchmark-dev libmuparser-dev libmatheval-dev
  xvfb x11-utils xdotool speedcrunch galculator
)

packages=("${run[@]}")
case ${1:-run} in
  run) ;;
  test) packages+=("${test[@]}" "${package[@]}") ;;
  package) packages+=("${package[@]}") ;;
  bench) packages+=("${bench[@]}") ;;
  *) echo "usage: scripts/setup.sh [run|test|package|bench]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The suite runs under the Bulgarian locale too (and a German one in the file tests): both
# write numbers with a decimal comma, which nothing that leaves the program may pick up.
if [ "${1:-run}" = test ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  for l in bg_BG de_DE; do
    locale -a | grep -qix "$l.utf-\?8" || $sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"
  done
fi
