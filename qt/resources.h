// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

namespace numira {

// Registers the pictures compiled into the static view library. Call once before any
// widget of the view is made (the linker may otherwise drop the resource initialiser).
void initResources();

}  // namespace numira
