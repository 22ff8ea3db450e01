#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Fails when a file includes a project header from a layer above its own, or climbs out of its
# folder with "../". Each folder names the folders it may include from; tests, benchmarks and
# fuzzers may include anything.
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
# The compiler sees each library through its own include root (numira_include_root), so it
# refuses an include from above; a path that climbs out of the folder it is in slips past it.
while IFS= read -r hit; do
  echo "$hit: a project header is included by its folder's name, not by \"../\"" >&2
  status=1
done < <(for layer in "${!allowed[@]}"; do git ls-files "$layer/*.cpp" "$layer/*.h"; done |
           xargs -r grep -n -E '^\s*#\s*include\s*"\.\./' | cut -d: -f1,2)
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
