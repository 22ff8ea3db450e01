#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# What a blind user hears: runs the calculator under Orca in Bulgarian with the hear tool
# (HEAR, else shared/tools/hear/hear.sh in the folder above the repository or above that) and checks that the main
# loop is spoken: the result after "=", the reason of a failure, the angle unit after Ctrl+D,
# the expression when it is read again, and that the calculator still answers at the end.
# Build first. The tool installs Orca and the rest of its desktop on its first run; this is a
# developer's check, not part of scripts/test.sh. Exit 0 all heard, 1 something not heard,
# 2 the tool could not run.
set -euo pipefail
cd "$(dirname "$0")/.."
hear=${HEAR:-}
for candidate in ../shared/tools/hear/hear.sh ../../shared/tools/hear/hear.sh; do
  [ -n "$hear" ] || [ ! -x "$candidate" ] || hear=$candidate
done
[ -x "$hear" ] || { echo "check_speech: no hear tool at $hear (set HEAR)" >&2; exit 2; }
[ -x build/bin/numira ] || { echo "check_speech: build build/bin/numira first" >&2; exit 2; }

out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
"$hear" --json 7 asterisk 2 asciicircum 3 Return Escape 5 colon 0 Return ctrl+d \
  Escape 1 2 plus 3 4 Return Escape Up F4 Escape >"$out" || status=$?
if [ "$status" -ne 0 ]; then
  cat "$out" >&2
  echo "check_speech: the hear tool ended with $status" >&2
  exit 2
fi

# Each check: the index of the key (from 0, after "(start)") and a word its speech must hold.
python3 - "$out" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1], encoding="utf-8"))
keys = [e for e in entries if e["key"] != "(start)"]
checks = [
    (5, "Резултат 56", "the result after 7·2³ ="),
    (10, "Деление на нула", "the reason after 5:0 ="),
    (11, "Градуси", "the angle unit after Ctrl+D (radians at start)"),
    (18, "Резултат 46", "the result after 12+34 ="),
    (20, "34", "the expression back from the history, read to its end"),
    (22, "34", "the expression read again when the credits window closes"),
]
failed = 0
for index, word, what in checks:
    spoken = " | ".join(keys[index]["spoken"]) if index < len(keys) else ""
    key = keys[index]["key"] if index < len(keys) else "?"
    ok = word in spoken
    failed += not ok
    print(f"{'ok ' if ok else 'NOT'} {what}: {key} -> {spoken}")
sys.exit(1 if failed else 0)
PY
