// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/key_points.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "graph/curve_sampling.h"

namespace numira::graph {
namespace {

constexpr double pi = std::numbers::pi;

struct Case {
    const char* expression;
    bool degrees;
    TableRange range;
    std::vector<double> zeros;
    std::vector<CurvePoint> minima;
    std::vector<CurvePoint> maxima;
    std::vector<double> breaks;
};

// Functions whose key points are known in closed form. The ranges put most points between
// rows, so that each is found by refinement, not read off a row.
const Case kCases[] = {
    {"x^2-2", false, {-3, 3, 0.5}, {-std::sqrt(2.0), std::sqrt(2.0)}, {{0, -2}}, {}, {}},
    {"TAN(x)", true, {0, 360, 1}, {0, 180, 360}, {}, {}, {90, 270}},
    {"TAN(x)", false, {-2, 2, 0.3}, {0}, {}, {}, {-pi / 2, pi / 2}},
    {"SIN(x)",
     false,
     {0, 10, 1},
     {0, pi, 2 * pi, 3 * pi},
     {{3 * pi / 2, -1}},
     {{pi / 2, 1}, {5 * pi / 2, 1}},
     {}},
    {"COS(x)", true, {-90, 445, 7}, {-90, 90, 270}, {{180, -1}}, {{0, 1}, {360, 1}}, {}},
    {"(x-1)^2", false, {-2.05, 3, 0.3}, {1}, {{1, 0}}, {}, {}},
    {"0-(x+1/3)^2", false, {-2, 2, 0.25}, {-1.0 / 3}, {}, {{-1.0 / 3, 0}}, {}},
    {"x^3-x",
     false,
     {-2, 2, 0.5},
     {-1, 0, 1},
     {{1 / std::sqrt(3.0), -2 / (3 * std::sqrt(3.0))}},
     {{-1 / std::sqrt(3.0), 2 / (3 * std::sqrt(3.0))}},
     {}},
    {"x^2-0,0001", false, {-1, 1, 0.3}, {-0.01, 0.01}, {{0, -0.0001}}, {}, {}},
    {"1/x", false, {-3, 3, 0.4}, {}, {}, {}, {0}},
    {"1/x", false, {-3, 3, 0.5}, {}, {}, {}, {0}},
    {"1/(x-1)^2", false, {-3, 3, 0.4}, {}, {}, {}, {1}},
    {"Atan(1/x)+2", false, {-1.05, 1, 0.3}, {}, {}, {}, {0}},
    {"3*x-0,3", false, {0, 1, 0.1}, {0.1}, {}, {}, {}},
    {"SQRT(x)-1", false, {-2, 4, 1}, {1}, {}, {}, {}},  // no value left of 0: not a break
    {"5", false, {-3, 3, 1}, {}, {}, {}, {}},
};

void expectNear(double got, double want) {
    EXPECT_LE(std::fabs(got - want), 1e-9 * std::max(1.0, std::fabs(want)))
        << "got " << got << ", want " << want;
}

void expectPoints(const std::vector<CurvePoint>& got, const std::vector<CurvePoint>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        expectNear(got[i].x, want[i].x);
        expectNear(got[i].y, want[i].y);
    }
}

void expectXs(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        expectNear(got[i], want[i]);
    }
}

TEST(KeyPointsTest, MatchTheClosedForm) {
    Engine engine;
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.expression << (c.degrees ? " deg [" : " rad [")
                                        << c.range.from << "; " << c.range.to << "]");
        const FunctionTable table = tabulate({c.expression, c.degrees, c.range}, engine);
        const KeyPoints p = findKeyPoints(table, engine);
        expectXs(p.zeros, c.zeros);
        expectPoints(p.minima, c.minima);
        expectPoints(p.maxima, c.maxima);
        expectXs(p.breaks, c.breaks);
    }
}

// However far the view is zoomed out or in, no piece of the drawn line runs across a break of
// the table's key points, and the line fills the view up to the budget.
TEST(CurveSamplingTest, NoLineRunsAcrossABreak) {
    struct View {
        const char* expression;
        bool degrees;
        double from, to;
        std::vector<double> breaks;
        bool spikes;  // values far beyond the curve's scale, which the fit leaves out
    };
    const View kViews[] = {
        {"TAN(x)", true, 0, 360, {90, 270}, true},
        {"TAN(x)", false, -5, 5, {-3 * pi / 2, -pi / 2, pi / 2, 3 * pi / 2}, true},
        {"1/x", false, -1e-3, 2e-3, {0}, true},
        {"1/(x-1)^2", false, -3, 3, {}, true},
        {"Atan(1/x)", false, -7, 3, {0}, false},
    };
    Engine engine;
    ParallelValues values(engine);
    CurveSampler sampler(values);
    for (const View& v : kViews) {
        SCOPED_TRACE(v.expression);
        const GraphRequest request{v.expression, v.degrees, {}};
        const SampledCurve curve = sampler.sample(request, v.from, v.to, std::nullopt, 2000);
        EXPECT_LE(curve.pointCount(), 2000u);
        EXPECT_GE(curve.pieces.size(), v.breaks.size() + 1);
        double highest = 0;
        for (const auto& piece : curve.pieces) {
            for (const CurvePoint& p : piece) {
                highest = std::max(highest, std::fabs(p.y));
            }
            for (std::size_t i = 1; i < piece.size(); ++i) {
                for (const double b : v.breaks) {
                    EXPECT_FALSE(piece[i - 1].x < b && b < piece[i].x) << "a line across " << b;
                }
            }
        }
        if (v.spikes) {
            EXPECT_LT(curve.fit.max - curve.fit.min, highest / 100);
        }
    }
}

// A chart zoomed and panned frame after frame draws each range exactly as a first sampling of
// it would, while evaluating only a part of its points: the rest come from the range before.
TEST(CurveSamplingTest, ARangeNearTheLastIsTheSameCurveForLessWork) {
    Engine engine;
    ParallelValues values(engine);
    CurveSampler session(values);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> part(0, 1);
    for (const char* expression : {"x*SIN(x)", "TAN(x)", "SQRT(x^2-2)", "1/x"}) {
        SCOPED_TRACE(expression);
        const GraphRequest request{expression, false, {}};
        double from = -20;
        double to = 20;
        std::size_t evaluated = 0;
        std::size_t sampled = 0;
        for (int frame = 0; frame < 30; ++frame) {
            // A wheel notch about a random point, or a drag by a few hundredths.
            const double width = to - from;
            if (frame % 2 == 0) {
                const double at = from + part(random) * width;
                const double factor = part(random) < 0.5 ? 0.8 : 1.25;
                from = at - (at - from) * factor;
                to = at + (to - at) * factor;
            } else {
                const double dx = (part(random) - 0.5) * width / 10;
                from += dx;
                to += dx;
            }
            const YRange view{-width / 2, width / 2};
            const SampledCurve warm = session.sample(request, from, to, view, 2000);
            CurveSampler first(values);
            const SampledCurve cold = first.sample(request, from, to, view, 2000);
            ASSERT_TRUE(warm.pieces == cold.pieces) << "frame " << frame;
            evaluated += session.evaluated();
            sampled += cold.pointCount();
        }
        EXPECT_LT(evaluated, sampled / 2);
    }
}

// A curve sampled against a deadline long past stops after each grid or round it evaluates,
// coarse even points first, and the same range sampled again goes on from there until the
// curve is complete.
TEST(CurveSamplingTest, ADeadlineCutsTheCurveShortAndAgainGoesOn) {
    Engine engine;
    ParallelValues values(engine);
    CurveSampler sampler(values);
    const GraphRequest request{"x*SIN(x)", false, {}};
    const auto past = std::chrono::steady_clock::now();
    std::size_t points = 0;
    int calls = 0;
    for (SampledCurve curve; curve.pointCount() == 0 || !curve.complete; ++calls) {
        ASSERT_LT(calls, 100);
        curve = sampler.sample(request, -500, 500, YRange{-500, 500}, 8000, past);
        EXPECT_GT(curve.pointCount(), points);
        if (calls == 0) {
            EXPECT_LT(curve.pointCount(), 8000u / 4) << "a coarser even curve first";
        }
        points = curve.pointCount();
    }
    EXPECT_GT(calls, 2);
    EXPECT_EQ(points, 8000u);
}

}  // namespace
}  // namespace numira::graph
