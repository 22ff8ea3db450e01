// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "graph/key_points.h"
#include "graph/parallel_values.h"

namespace numira::graph {

inline constexpr std::size_t kMaxCurvePoints = 10000;

struct YRange {
    double min = -1;
    double max = 1;
};

// A stretch of a function's curve, ready to draw: pieces of line with gaps between them where
// the function has no value or breaks (a pole, a jump), so that no line joins +inf to -inf.
struct SampledCurve {
    std::vector<std::vector<CurvePoint>> pieces;
    YRange fit;  // a y range that shows the curve, not the spikes of its poles
    std::size_t pointCount() const;
};

// Samples the request's function over [from, to] afresh, evaluated as the table evaluates it:
// evenly first, then more points where the line bends or jumps as seen in the y range view
// (or, without one, in the range the even samples suggest), at most budget points in all.
SampledCurve sampleCurve(ParallelValues& values, const GraphRequest& request, double from,
                         double to, std::optional<YRange> view,
                         std::size_t budget = kMaxCurvePoints);

}  // namespace numira::graph
