#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Fails when a file includes a project header from a layer above its own. Each folder names
# the folders it may include from; tests, benchmarks and fuzzers may include anything.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [engine]="engine"
  [graph]="engine graph"
  [window]="engine graph window"
  [keypad]="engine graph window keypad"
  [qt]="engine graph window keypad qt"
  [cli]="engine graph window keypad cli"
)

status=0
for layer in "${!allowed[@]}"; do
  while IFS=: read -r file line folder; do
    [[ " ${allowed[$layer]} " == *" $folder "* ]] && continue
    echo "$file:$line: $layer/ may not include $folder/" >&2
    status=1
  done < <(git ls-files "$layer/*.cpp" "$layer/*.h" |
             xargs -r grep -n -o -E '^\s*#\s*include\s*"[a-z_]+/' |
             sed -E 's|^([^:]+):([0-9]+):.*"([a-z_]+)/$|\1:\2:\3|')
done
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
