#!/usr/bin/env bash
# Installs what the build, the tests and the benchmarks need from Debian's
# packages; installs nothing that is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang clang-format libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev qt6-l10n-tools
  libqt6svg6 libqt6opengl6-dev libgl-dev
  libxlsxwriter-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libmuparser-dev libmatheval-dev
  fonts-liberation fontconfig
  xvfb x11-utils unzip
  xdotool speedcrunch galculator
)

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
