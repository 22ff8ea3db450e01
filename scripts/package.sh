#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Builds the Debian package build/numira_<version>_<arch>.deb, packed by CPack.
#   scripts/package.sh          from a release tree of its own in build-deb/
#   scripts/package.sh build    from build/, as scripts/build.sh test left it (the tested binaries)
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-build-deb}
scripts/setup.sh package
source scripts/package_options.sh
if [ "$tree" = build-deb ]; then
  cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMIRA_BENCH=OFF \
      -DNUMIRA_TESTS=OFF "${package_options[@]}" >/dev/null
elif ! grep -qx 'NUMIRA_PACKAGE:BOOL=ON' "$tree/CMakeCache.txt" 2>/dev/null; then
  echo "$tree is not configured for the package: run scripts/build.sh test first" >&2
  exit 1
fi
cmake --build "$tree" -j"$(nproc)" --target numira numira-cli numira-packaging
rm -f "$tree"/numira_*.deb
(cd "$tree" && cpack -G DEB >/dev/null)
mkdir -p build
if [ "$tree" != build ]; then
  rm -f build/numira_*.deb
  cp "$tree"/numira_*.deb build/
fi
echo "package: $(ls build/numira_*.deb)"
