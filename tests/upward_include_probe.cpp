// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Compiled as an engine file by the test layers_upward_include_fails, which expects the
// second include to be refused.
#include "engine/engine.h"
#include "window/form1.h"
