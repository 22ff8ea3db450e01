// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

namespace numira::bench {

// The one application of the Qt benchmarks, offscreen unless a platform is set, made on first
// use. Made as a static it would be destroyed after Qt's own statics, which crashed the
// program at its exit.
void useQtApplication();
// Destroys it, if made: main calls this before it returns.
void endQtApplication();

}  // namespace numira::bench
