#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Runs one golden file through numira-cli. Each line is `INPUT => EXPECTED`; blank lines and
# lines starting with # are skipped, and a file with no cases fails.
#
# expr_*.txt: INPUT is the command line (shell words); EXPECTED is what stdout must be, or
#   `error: REASON` for a reason on stderr with exit code 1, or `exit N: LINE` for another
#   exit code and the first line on stderr.
# keys_*.txt: INPUT is the keys for --keys, split at blanks and taken literally; EXPECTED is
#   pieces of the printed JSON separated by ` | `, each exactly as printed ("comp":"2^3+").
set -u
cli=$1
file=$2
mode=expr
case "$(basename "$file")" in keys_*) mode=keys ;; esac
err=$(mktemp)
trap 'rm -f "$err"' EXIT

check_expr() {
    local args=$1 expected=$2 out code
    eval "set -- $args"
    out=$("$cli" "$@" 2>"$err")
    code=$?
    if [ $code -eq 1 ]; then
        out="error: $(sed 's/^numira-cli: //' "$err")"
    elif [ $code -ne 0 ]; then
        out="exit $code: $(head -n 1 "$err")"
    fi
    [ "$out" = "$expected" ] && return 0
    printf '  expected: %s\n  got:      %s\n' "$expected" "$out"
    return 1
}

check_keys() {
    local keys=$1 rest=$2 out code piece
    set -f
    # shellcheck disable=SC2086
    out=$("$cli" --keys $keys 2>&1)
    code=$?
    set +f
    while [ -n "$rest" ]; do
        piece=${rest%% | *}
        if [ "$piece" = "$rest" ]; then rest=""; else rest=${rest#* | }; fi
        if [ $code -ne 0 ] || [[ "$out" != *"$piece"* ]]; then
            printf '  expected: %s\n  got:      %s\n' "$piece" "$out"
            return 1
        fi
    done
}

cases=0
failed=0
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    input=${line%% => *}
    expected=${line#* => }
    if [ "$input" = "$line" ]; then
        echo "malformed line (no ' => '): $line"
        failed=$((failed + 1))
        continue
    fi
    cases=$((cases + 1))
    if ! "check_$mode" "$input" "$expected"; then
        echo "FAIL: $input"
        failed=$((failed + 1))
    fi
done <"$file"
if [ $cases -eq 0 ]; then
    echo "no cases in $file"
    exit 1
fi
echo "$file: $((cases - failed)) passed, $failed failed"
[ $failed -eq 0 ]
