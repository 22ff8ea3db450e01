// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string>

#include "graph/function_table.h"

namespace numira::graph {

// A point of the chart as the window reads it out, with decimal commas and rounded to the
// chosen decimals as results are: "x = 1,5; y = 2,25", "x = 90" (no y given), or where the
// function has no value "x = 0; няма стойност: Деление на нула".
std::string pointText(double x, std::optional<double> y, int decimals);
std::string traceText(double x, const FunctionValue& value, int decimals);

}  // namespace numira::graph
