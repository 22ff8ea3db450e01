#!/usr/bin/env bash
# Runs one keys golden file through numira-cli --keys. Each line is
# `KEY KEY ... => FRAGMENT | FRAGMENT ...`: the keys, split at blanks and taken literally,
# and pieces of the JSON the program must print, each exactly as printed ("comp":"2^3+").
# Blank lines and lines starting with # are skipped. A file with no cases fails.
set -u
set -f
cli=$1
file=$2
cases=0
failed=0
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    keys=${line%% => *}
    expected=${line#* => }
    if [ "$keys" = "$line" ]; then
        echo "malformed line (no ' => '): $line"
        failed=$((failed + 1))
        continue
    fi
    cases=$((cases + 1))
    # shellcheck disable=SC2086
    out=$("$cli" --keys $keys 2>&1)
    code=$?
    rest=$expected
    while [ -n "$rest" ]; do
        piece=${rest%% | *}
        if [ "$piece" = "$rest" ]; then rest=""; else rest=${rest#* | }; fi
        if [ $code -ne 0 ] || [[ "$out" != *"$piece"* ]]; then
            echo "FAIL: $keys"
            echo "  expected: $piece"
            echo "  got:      $out"
            failed=$((failed + 1))
            break
        fi
    done
done <"$file"
if [ $cases -eq 0 ]; then
    echo "no cases in $file"
    exit 1
fi
echo "$file: $((cases - failed)) passed, $failed failed"
[ $failed -eq 0 ]
