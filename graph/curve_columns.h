// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <vector>

#include "graph/key_points.h"

namespace numira::graph {

// A sampled curve as a chart columns wide draws it: of the points of each piece that fall in
// one column, the lowest and the highest (in the order they come), and every piece's first and
// last point. The line through them covers the same pixels; the gaps between pieces stay.
std::vector<std::vector<CurvePoint>> thinToColumns(
    const std::vector<std::vector<CurvePoint>>& pieces, double from, double to, int columns);

}  // namespace numira::graph
