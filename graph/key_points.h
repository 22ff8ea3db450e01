// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "graph/function_table.h"

namespace numira::graph {

struct CurvePoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

// Where a function crosses zero, turns, or stops being a line. Each list is sorted by x; every
// x is a 15-digit table x (see tableX), found to within the last of those digits where the
// values allow it, and at least to 1e-9 of its size.
struct KeyPoints {
    std::vector<double> zeros;       // sign changes, touching zeros, zeros at the ends
    std::vector<CurvePoint> minima;  // interior local minima, never an end of the range
    std::vector<CurvePoint> maxima;  // interior local maxima
    std::vector<double> breaks;      // poles, jumps, single points with no value
};

// The key points of a table's function over its range. The rows are where the search starts
// (the step sets how close two points may lie and still be told apart); each point is then
// refined with the engine between the rows. A run of rows with no value is no break (the
// function is simply not defined there); a single such row between two values is.
KeyPoints findKeyPoints(const FunctionTable& table, Engine& engine);

// Between a and b, where f has values fa and fb of opposite signs: a zero (continuous there)
// or a break (a pole, a jump, or a point with no value), and its x, found by halving the
// interval at most `halvings` times (short of that where no 15-digit x lies between).
inline constexpr int kMaxHalvings = 200;  // past the last of 15 digits, whatever the range
struct Crossing {
    bool isBreak = false;
    double x = 0;
};
Crossing classifyCrossing(const FunctionOfX& f, double a, double fa, double b, double fb,
                          int halvings = kMaxHalvings);

}  // namespace numira::graph
