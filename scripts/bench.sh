#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Installs the peers the benchmarks compare with (muparser, libmatheval, SpeedCrunch,
# galculator), builds, and runs the benchmarks and the start-up measurement.
# Arguments go to numira-bench (e.g. --benchmark_filter=Corpus).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh bench
build/bin/numira-bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
RUNS=${RUNS:-7} bench/startup.sh build/bin/numira
