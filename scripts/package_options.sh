# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Sourced by build.sh and package.sh: the configuration a Debian package is built with (the
# prefix /usr, the package's icons and pages, the distribution's hardening flags). The tested
# tree is configured this way too, so that the package is made from the very binaries the
# suite ran; package_reset undoes it for a tree that is not packaged.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
package_ldflags=$(dpkg-buildflags --get LDFLAGS)
package_options=(
  -DCMAKE_INSTALL_PREFIX=/usr -DNUMIRA_PACKAGE=ON
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
  -DCMAKE_EXE_LINKER_FLAGS="$package_ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$package_ldflags"
  -DCMAKE_SHARED_LINKER_FLAGS="$package_ldflags"
)
package_reset=(
  -DNUMIRA_PACKAGE=OFF -DCMAKE_CXX_FLAGS= -DCMAKE_EXE_LINKER_FLAGS= -DCMAKE_MODULE_LINKER_FLAGS=
  -DCMAKE_SHARED_LINKER_FLAGS=
)
