#!/usr/bin/env bash
# Runs one golden file through numira-cli: each line is `ARGUMENTS => EXPECTED`, where
# EXPECTED is what the program prints on stdout, or `error: REASON` for a line on stderr with
# exit code 1. Blank lines and lines starting with # are skipped. A file with no cases fails.
set -u
cli=$1
file=$2
cases=0
failed=0
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    args=${line%% => *}
    expected=${line#* => }
    if [ "$args" = "$line" ]; then
        echo "malformed line (no ' => '): $line"
        failed=$((failed + 1))
        continue
    fi
    cases=$((cases + 1))
    eval "set -- $args"
    out=$("$cli" "$@" 2>/tmp/golden.$$)
    code=$?
    if [ $code -eq 1 ]; then
        out="error: $(sed 's/^numira-cli: //' /tmp/golden.$$)"
    elif [ $code -ne 0 ]; then
        out="exit $code: $(head -n 1 /tmp/golden.$$)"
    fi
    if [ "$out" != "$expected" ]; then
        echo "FAIL: $args"
        echo "  expected: $expected"
        echo "  got:      $out"
        failed=$((failed + 1))
    fi
done <"$file"
rm -f /tmp/golden.$$
if [ $cases -eq 0 ]; then
    echo "no cases in $file"
    exit 1
fi
echo "$file: $((cases - failed)) passed, $failed failed"
[ $failed -eq 0 ]
