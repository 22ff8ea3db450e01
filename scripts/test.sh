#!/usr/bin/env bash
# Set-up, build, and every test: formatting, the unit, golden and widget tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
scripts/check_format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
