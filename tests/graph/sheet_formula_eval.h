// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string_view>

namespace numira::graph::testing {

// What a spreadsheet computes for a formula ("=(-49)^2"), with the usual spreadsheet
// precedence: a sign before "^", "^" left to right, then "*" "/", then "+" "-". Knows the
// functions the table writes (SIN, COS, TAN, SQRT, ASIN, ACOS, ATAN, RADIANS, DEGREES, PI,
// EXP). An error value (#DIV/0!, #NUM!) is nothing; text that is no formula throws
// std::invalid_argument.
std::optional<double> evaluateSheetFormula(std::string_view formula);

}  // namespace numira::graph::testing
