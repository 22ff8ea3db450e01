// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/curve_sampling.h"

#include <algorithm>
#include <cmath>

namespace numira::graph {
namespace {

using Sample = CurveSampler::Sample;

// A point this far (as a part of the y range) off the line through its neighbours is a bend
// worth more points: about a pixel of a chart 1,000 pixels high.
constexpr double kBend = 1e-3;
// Intervals are not split below this part of the x range: a pole is found to there.
constexpr double kFinest = 1e-7;
// A steep line through zero is checked for a break this many times a frame; past that, only a
// line from above the view to below it is taken for one.
constexpr int kMaxCrossingChecks = 64;
// Enough to tell a pole from a steep zero for drawing: a millionth of the interval.
constexpr int kCrossingHalvings = 20;
// The most middles a round against a deadline evaluates: half a millisecond or so.
constexpr std::size_t kTimedRound = 512;

YRange fitOf(const std::vector<Sample>& samples) {
    std::vector<double> ys;
    for (const Sample& s : samples) {
        if (s.y) {
            ys.push_back(*s.y);
        }
    }
    if (ys.empty()) {
        return {};
    }
    std::sort(ys.begin(), ys.end());
    // The middle 96 % of the values, widened a little but never past the extremes: the spikes
    // at a pole are left out, the ends of a parabola kept.
    const std::size_t last = ys.size() - 1;
    const double lo = ys[last * 2 / 100];
    const double hi = ys[last - last * 2 / 100];
    const double core = hi - lo;
    YRange fit{std::max(ys.front(), lo - core / 4), std::min(ys.back(), hi + core / 4)};
    if (fit.max - fit.min <= 1e-12 * std::max(1.0, std::fabs(fit.max))) {
        const double pad = std::max(1.0, std::fabs(fit.max) / 10);
        return {fit.min - pad, fit.max + pad};
    }
    const double margin = (fit.max - fit.min) / 20;
    return {fit.min - margin, fit.max + margin};
}

double offLine(const Sample& a, const Sample& b, const Sample& c) {
    const double t = (b.x - a.x) / (c.x - a.x);
    return std::fabs(*b.y - (*a.y + (*c.y - *a.y) * t));
}

// How much the interval from samples[i] to samples[i + 1] needs a point in its middle.
double need(const std::vector<Sample>& s, std::size_t i, double span, double finest) {
    const Sample& a = s[i];
    const Sample& b = s[i + 1];
    if (b.x - a.x <= finest || (!a.y && !b.y)) {
        return 0;
    }
    if (!a.y || !b.y) {
        return 1;  // where the values start or stop
    }
    double worst = std::fabs(*b.y - *a.y) / span > 0.5 ? 1 : 0;
    if (i > 0 && s[i - 1].y) {
        worst = std::max(worst, offLine(s[i - 1], a, b) / span);
    }
    if (i + 2 < s.size() && s[i + 2].y) {
        worst = std::max(worst, offLine(a, b, s[i + 2]) / span);
    }
    return worst;
}

// About count x from `from` to `to`, both included: the multiples of the power of two next
// above an even step, so that any range sees the same x where it overlaps another of about the
// same width, and the middles between them are the multiples of the next power down.
void evenXs(double from, double to, std::size_t count, std::vector<double>& xs) {
    xs.clear();
    xs.push_back(from);
    int exponent = 0;
    std::frexp((to - from) / static_cast<double>(count - 1), &exponent);
    const double step = std::ldexp(1.0, exponent);
    double m = std::floor(from / step) + 1;
    if (std::isfinite(step) && step > 0 && std::isfinite(m)) {
        for (std::size_t i = 0; i < count; ++i, ++m) {
            const double x = m * step;
            if (!(x < to)) {
                break;
            }
            if (x > xs.back()) {  // past 2^53 steps from 0, two multiples may round alike
                xs.push_back(x);
            }
        }
    }
    xs.push_back(to);
}

}  // namespace

std::size_t SampledCurve::pointCount() const {
    std::size_t n = 0;
    for (const auto& piece : pieces) {
        n += piece.size();
    }
    return n;
}

void CurveSampler::evaluate(const GraphRequest& request, const std::vector<double>& xs,
                            std::vector<std::optional<double>>& ys) {
    ys.assign(xs.size(), std::nullopt);
    m_missing.clear();
    m_missingAt.clear();
    std::size_t j = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        while (j < m_last.size() && m_last[j].x < xs[i]) {
            ++j;
        }
        if (j < m_last.size() && m_last[j].x == xs[i]) {
            ys[i] = m_last[j].y;
        } else {
            m_missing.push_back(xs[i]);
            m_missingAt.push_back(i);
        }
    }
    m_values.evaluate(request, m_missing, m_found);
    for (std::size_t k = 0; k < m_missing.size(); ++k) {
        ys[m_missingAt[k]] = m_found[k];
    }
    m_evaluated += m_missing.size();
}

SampledCurve CurveSampler::sample(const GraphRequest& request, double from, double to,
                                  std::optional<YRange> view, std::size_t budget,
                                  std::optional<Deadline> deadline) {
    SampledCurve curve;
    m_evaluated = 0;
    if (request.expression != m_expression || request.degreesMode != m_degrees) {
        m_last.clear();
        m_expression = request.expression;
        m_degrees = request.degreesMode;
    }
    if (!(to > from) || request.expression.empty()) {
        return curve;
    }
    const FunctionOfX f(m_values.engine(), request);
    budget = std::max<std::size_t>(budget, 2);
    // Only once this call has evaluated something: going on from where the last call stopped
    // then always gets further, however slow the machine.
    const auto late = [&] {
        return deadline && m_evaluated > 0 && std::chrono::steady_clock::now() >= *deadline;
    };
    std::vector<double> even;
    evenXs(from, to, std::max<std::size_t>(budget / 4, 2), even);
    std::vector<Sample> samples;
    samples.reserve(budget);
    std::vector<double> xs;
    std::vector<std::optional<double>> ys;
    std::vector<std::optional<double>> evenYs(even.size());
    std::vector<bool> have(even.size(), false);
    std::vector<std::size_t> at;
    // With a deadline the even points come coarse to fine, every fourth, every second, then
    // all, and the deadline is looked at in between: the frame of a long expression is then
    // a coarser even curve, and sampling the range again goes on from it.
    for (std::size_t stride = deadline ? 4 : 1; stride > 0; stride /= 2) {
        xs.clear();
        at.clear();
        for (std::size_t i = 0; i < even.size(); ++i) {
            if ((i % stride == 0 || i + 1 == even.size()) && !have[i]) {
                xs.push_back(even[i]);
                at.push_back(i);
            }
        }
        evaluate(request, xs, ys);
        for (std::size_t k = 0; k < at.size(); ++k) {
            evenYs[at[k]] = ys[k];
            have[at[k]] = true;
        }
        if (stride > 1 && late()) {
            curve.complete = false;
            break;
        }
    }
    for (std::size_t i = 0; i < even.size(); ++i) {
        if (have[i]) {
            samples.push_back({even[i], evenYs[i]});
        }
    }
    curve.fit = fitOf(samples);
    const YRange shown = view.value_or(curve.fit);
    const double span = std::max(shown.max - shown.min, 1e-300);
    const double finest = (to - from) * kFinest;

    std::vector<std::pair<double, std::size_t>> wanted;
    std::vector<Sample> next;
    while (curve.complete && samples.size() < budget) {
        wanted.clear();
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            if (const double w = need(samples, i, span, finest); w > kBend) {
                wanted.emplace_back(w, i);
            }
        }
        if (wanted.empty()) {
            break;
        }
        if (late()) {
            curve.complete = false;
            break;
        }
        std::size_t room = std::min(wanted.size(), budget - samples.size());
        if (deadline) {
            room = std::min(room, kTimedRound);
        }
        if (room < wanted.size()) {  // the neediest first; their order does not matter
            std::nth_element(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(room),
                             wanted.end(), [](const auto& a, const auto& b) { return a > b; });
        }
        std::vector<bool> split(samples.size(), false);
        for (std::size_t k = 0; k < room; ++k) {
            split[wanted[k].second] = true;
        }
        // The new middles of a round are evaluated together, on both cores.
        xs.clear();
        for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
            if (split[i]) {
                xs.push_back(samples[i].x + (samples[i + 1].x - samples[i].x) / 2);
            }
        }
        evaluate(request, xs, ys);
        next.clear();
        next.reserve(budget);
        std::size_t added = 0;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            next.push_back(samples[i]);
            if (split[i]) {
                next.push_back({xs[added], ys[added]});
                ++added;
            }
        }
        samples.swap(next);
    }

    int checks = 0;
    std::vector<CurvePoint>* piece = nullptr;
    for (const Sample& s : samples) {
        if (!s.y) {
            piece = nullptr;
            continue;
        }
        if (piece != nullptr && std::fabs(*s.y - piece->back().y) > span / 2 &&
            std::signbit(piece->back().y) != std::signbit(*s.y)) {
            const CurvePoint last = piece->back();
            const bool across =
                (last.y > shown.max && *s.y < shown.min) || (last.y<shown.min&& * s.y> shown.max);
            if (checks++ < kMaxCrossingChecks
                    ? classifyCrossing(f, last.x, last.y, s.x, *s.y, kCrossingHalvings).isBreak
                    : across) {
                piece = nullptr;
            }
        }
        if (piece == nullptr) {
            piece = &curve.pieces.emplace_back();
        }
        piece->push_back({s.x, *s.y});
    }
    m_last.swap(samples);
    return curve;
}

}  // namespace numira::graph
