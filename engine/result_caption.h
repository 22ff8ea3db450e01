// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <string_view>

namespace numira {

// The caption of the result label for a value given as engine number text.
//
// With rounding on, the value is rounded to `decimals` places (0 to 7; halves go to the
// even neighbour: the text is the engine's exact decimal value, so a half is a true half) and shown
// with a decimal comma: "=0,33333", "=123456789", "=1,5E+20". Plain notation below 1E+15 in
// magnitude, exponent form from there on; no trailing zeros, never "-0".
// With rounding off the caption is "=" followed by the number text itself ("=0.333333333333333").
std::string resultCaption(std::string_view numberText, int decimals, bool roundingOn = true);

}  // namespace numira
