#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Numira contributors
# Fails when a tracked source, script or CMake file does not state its licence in an
# SPDX line, so that no file joins the tree without one.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=$(git ls-files -z '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*.h.in' '*CMakeLists.txt' '.ci/run' |
          xargs -0 -r grep -L -E '^(//|#) SPDX-License-Identifier: GPL-3\.0-or-later$' || true)
if [ -n "$missing" ]; then
  echo "no SPDX-License-Identifier line in:" >&2
  echo "$missing" >&2
  exit 1
fi
echo "licence: every source file states it"
