#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Set-up, build, and start the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -x build/bin/numira ]; then
    exec build/bin/numira "$@"
fi
exec build/bin/numira-cli
