#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Builds the Debian package build/numira_<version>_<arch>.deb: a release build for the
# prefix /usr in build-deb/, with the distribution's hardening flags, packed by CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DNUMIRA_PACKAGE=ON -DNUMIRA_BENCH=OFF -DNUMIRA_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build-deb -j"$(nproc)" --target numira numira-cli numira-packaging
rm -f build-deb/numira_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
mkdir -p build
rm -f build/numira_*.deb
cp build-deb/numira_*.deb build/
echo "package: $(ls build/numira_*.deb)"
