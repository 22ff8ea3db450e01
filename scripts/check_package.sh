#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Checks build/numira_*.deb as a distribution would: unpacked into a scratch root, its
# numira-cli evaluates and the help file and chart module sit where numira looks for them;
# its desktop entry and metainfo validate; lintian finds no error.
set -euo pipefail
cd "$(dirname "$0")/.."
debs=(build/numira_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one build/numira_*.deb, found ${debs[*]}"; exit 1; }
deb=${debs[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

bin=$root/usr/bin
result=$("$bin/numira-cli" --expr '2+3')
[ "$result" = "=5" ] || { echo "the packaged numira-cli printed '$result' for 2+3"; exit 1; }
test -f "$bin/../share/numira/fORMULA.html" || { echo "no help file beside bin/"; exit 1; }
module=$(strings -el "$bin/numira" | grep -m1 'libnumira-chart\.so$')
test -f "$bin/$module" || { echo "numira looks for its chart module at $module: missing"; exit 1; }

desktop-file-validate "$root/usr/share/applications/numira.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/numira.metainfo.xml"
lintian --fail-on error "$deb" >"$root/lintian.txt" 2>&1 || { cat "$root/lintian.txt"; exit 1; }
grep -v 'root privileges' "$root/lintian.txt" || true
echo "package: $(basename "$deb") checked"
