#!/usr/bin/env bash
# Set-up, build, and start the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -x build/bin/numira ]; then
    exec build/bin/numira "$@"
fi
exec build/bin/numira-cli
