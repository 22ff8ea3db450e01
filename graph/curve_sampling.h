// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
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
    YRange fit;            // a y range that shows the curve, not the spikes of its poles
    bool complete = true;  // false: the deadline came before the points the curve wanted
    std::size_t pointCount() const;
};

// Samples a function's curve over one x range after another, as a chart zoomed and panned
// draws it: evaluated as the table evaluates it, evenly first, then more points where the line
// bends or jumps as seen in the y range view (or, without one, in the range the even samples
// suggest), at most budget points in all. The even points lie on multiples of a power of two
// and the others halve the gaps between them, so a range near the last one shares most of its
// points with it: those values are taken from the last curve rather than evaluated again. The
// curve is the same as a first sampling of the range would give.
//
// With a deadline the points past the even ones come in smaller rounds, and none is started
// after it: the curve is drawn in time, incomplete, and sampling the same range again goes on
// from where it stopped, since its points are the last curve's.
class CurveSampler {
  public:
    using Deadline = std::chrono::steady_clock::time_point;
    explicit CurveSampler(ParallelValues& values) : m_values(values) {}

    SampledCurve sample(const GraphRequest& request, double from, double to,
                        std::optional<YRange> view, std::size_t budget = kMaxCurvePoints,
                        std::optional<Deadline> deadline = std::nullopt);
    // How many values the last sample evaluated; its other points came from the curve before.
    std::size_t evaluated() const { return m_evaluated; }

    struct Sample {
        double x = 0;
        std::optional<double> y;  // nothing where the function has no value
    };

  private:
    // ys[i] is the value at xs[i] (ascending), from the last curve where it has that x.
    void evaluate(const GraphRequest& request, const std::vector<double>& xs,
                  std::vector<std::optional<double>>& ys);

    ParallelValues& m_values;
    std::string m_expression;  // and the angle unit, of the last curve
    bool m_degrees = false;
    std::vector<Sample> m_last;  // the last curve's samples, by x
    std::vector<double> m_missing;
    std::vector<std::size_t> m_missingAt;
    std::vector<std::optional<double>> m_found;
    std::size_t m_evaluated = 0;
};

}  // namespace numira::graph
