// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/key_points.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numira::graph {
namespace {

// A row's value this much smaller than its neighbours' is a zero the arithmetic missed by
// rounding (3x-0,3 at 0,1 is 5,5E-17).
constexpr double kRoundedZero = 1e-12;
// Bisection stops when the interval is this part of where it began, or when no 15-digit x
// lies between its ends.
constexpr double kNarrowest = 1e-15;

double middle(double a, double b) {
    return tableX(a + (b - a) / 2).x;
}

// The x with the fewest significant digits in [lo, hi]: where a point is known only to lie
// somewhere in there, 180 reads better than 180.000000000001.
double shortestIn(double lo, double hi) {
    if (lo <= 0 && hi >= 0) {
        return 0;
    }
    const double mid = lo + (hi - lo) / 2;
    char text[32];
    for (int digits = 1; digits < 15; ++digits) {
        std::snprintf(text, sizeof text, "%.*e", digits - 1, mid);
        if (const double r = tableX(std::strtod(text, nullptr)).x; r >= lo && r <= hi) {
            return r;
        }
    }
    return tableX(mid).x;
}

bool splittable(double lo, double hi, double m, double width) {
    return m > lo && m < hi && hi - lo > kNarrowest * width;
}

enum class Turn { Maximum, Minimum };

struct Refined {
    enum class Kind { Extremum, Break, Crossings } kind = Kind::Extremum;
    CurvePoint point;
};

// The x in [a, b] where f turns, by bisecting the sign of a central difference: near a turn
// the values themselves are too flat to tell x apart below the square root of the precision,
// their differences are not. Falls back to a golden-section search when the difference does
// not change sign across the interval.
std::optional<double> turningX(const FunctionOfX& f, double a, double b, double sign) {
    const double width = b - a;
    const double h = width * 1e-5;
    const auto rise = [&](double x) -> std::optional<double> {
        const auto l = f(x - h);
        const auto r = f(x + h);
        if (!l || !r) {
            return std::nullopt;
        }
        return sign * (*r - *l);
    };
    double lo = a + h;
    double hi = b - h;
    const auto gLo = rise(lo);
    const auto gHi = rise(hi);
    if (gLo && gHi && *gLo > 0 && *gHi < 0) {
        for (int i = 0; i < kMaxHalvings; ++i) {
            const double m = middle(lo, hi);
            if (!splittable(lo, hi, m, width)) {
                break;
            }
            const auto g = rise(m);
            if (!g) {
                return std::nullopt;
            }
            if (*g == 0) {
                return m;
            }
            (*g > 0 ? lo : hi) = m;
        }
        return shortestIn(lo, hi);
    }
    const double golden = (std::sqrt(5.0) - 1) / 2;
    const auto height = [&](double x) { return f(x).value_or(-HUGE_VAL * sign) * sign; };
    lo = a;
    hi = b;
    for (int i = 0; i < kMaxHalvings && hi - lo > kNarrowest * width; ++i) {
        const double c = hi - golden * (hi - lo);
        const double d = lo + golden * (hi - lo);
        if (height(c) > height(d)) {
            hi = d;
        } else {
            lo = c;
        }
    }
    return shortestIn(lo, hi);
}

// The turn that rows left, centre and right (centre higher than both for a maximum) enclose,
// or a break where the "turn" is a pole or a jump: the function is not continuous there, or
// climbs far beyond what the rows suggest.
Refined refineTurn(const FunctionOfX& f, CurvePoint left, CurvePoint centre, CurvePoint right,
                   Turn turn) {
    const double sign = turn == Turn::Maximum ? 1 : -1;
    // How far the centre stands above the lower neighbour: never near 0, even when the turn
    // lies halfway between the centre and the other neighbour.
    const double spread = sign * centre.y - std::min(sign * left.y, sign * right.y);
    const auto x = turningX(f, left.x, right.x, sign);
    const double probe = (right.x - left.x) * 1e-6;
    const auto y = x ? f(*x) : std::nullopt;
    const auto yl = x ? f(*x - probe) : std::nullopt;
    const auto yr = x ? f(*x + probe) : std::nullopt;
    if (!y || !yl || !yr) {
        return {Refined::Kind::Break, {x.value_or(centre.x), 0}};
    }
    const double gain = sign * (*y - centre.y);
    if (std::fabs(*yr - *yl) > spread / 2 || gain > 10 * spread) {
        return {Refined::Kind::Break, {*x, *y}};
    }
    if (gain < 0) {
        return {Refined::Kind::Extremum, centre};  // the refinement found nothing better
    }
    if (std::signbit(*y) != std::signbit(centre.y) && *y != 0 && centre.y != 0) {
        return {Refined::Kind::Crossings, {*x, *y}};  // it dips through zero between rows
    }
    return {Refined::Kind::Extremum, {*x, *y}};
}

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-12 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

void tidy(std::vector<double>& xs) {
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end(), nearlyEqual), xs.end());
}

void tidy(std::vector<CurvePoint>& points) {
    std::sort(points.begin(), points.end(),
              [](const CurvePoint& a, const CurvePoint& b) { return a.x < b.x; });
    points.erase(
        std::unique(points.begin(), points.end(),
                    [](const CurvePoint& a, const CurvePoint& b) { return nearlyEqual(a.x, b.x); }),
        points.end());
}

}  // namespace

Crossing classifyCrossing(const FunctionOfX& f, double a, double fa, double b, double fb,
                          int halvings) {
    const double width = b - a;
    const double rise = std::fabs(fb - fa);
    for (int i = 0; i < halvings; ++i) {
        const double m = middle(a, b);
        if (!splittable(a, b, m, width)) {
            break;
        }
        const auto fm = f(m);
        if (!fm) {
            return {true, m};
        }
        if (*fm == 0) {
            return {false, m};
        }
        if (std::signbit(*fm) == std::signbit(fa)) {
            a = m;
            fa = *fm;
        } else {
            b = m;
            fb = *fm;
        }
    }
    // Continuous: the values on either side of the crossing are close; a pole or a jump keeps
    // them as far apart as they were (or farther).
    if (std::fabs(fb - fa) > 1e-3 * rise) {
        return {true, shortestIn(a, b)};
    }
    return {false, shortestIn(a, b)};
}

KeyPoints findKeyPoints(const FunctionTable& table, Engine& engine) {
    KeyPoints points;
    const FunctionOfX f(engine, table.request);
    const std::vector<TableRow>& rows = table.rows;
    const std::size_t n = rows.size();
    const auto defined = [&](std::size_t i) { return i < n && rows[i].value.has_value(); };
    const auto at = [&](std::size_t i) { return CurvePoint{rows[i].x, *rows[i].value}; };

    std::vector<bool> zero(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        if (!defined(i)) {
            if (i > 0 && defined(i - 1) && defined(i + 1)) {
                points.breaks.push_back(rows[i].x);
            }
            continue;
        }
        double around = 0;
        for (const std::size_t j : {i - 1, i + 1}) {
            if (defined(j)) {
                around = std::max(around, std::fabs(*rows[j].value));
            }
        }
        zero[i] = *rows[i].value == 0 || std::fabs(*rows[i].value) <= kRoundedZero * around;
        if (zero[i]) {
            points.zeros.push_back(rows[i].x);
        }
    }

    const auto crossing = [&](CurvePoint a, CurvePoint b) {
        const Crossing c = classifyCrossing(f, a.x, a.y, b.x, b.y);
        (c.isBreak ? points.breaks : points.zeros).push_back(c.x);
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (defined(i) && defined(i + 1) && !zero[i] && !zero[i + 1] &&
            std::signbit(*rows[i].value) != std::signbit(*rows[i + 1].value)) {
            crossing(at(i), at(i + 1));
        }
    }

    // A turn is a row, or a run of equal rows, with lower (or higher) rows on both sides.
    for (std::size_t s = 1; s + 1 < n; ++s) {
        if (!defined(s) || !defined(s - 1)) {
            continue;
        }
        std::size_t e = s;
        while (defined(e + 1) && *rows[e + 1].value == *rows[s].value) {
            ++e;
        }
        if (!defined(e + 1)) {
            s = e;
            continue;
        }
        const CurvePoint left = at(s - 1), centre = at(s), right = at(e + 1);
        s = e;
        const bool maximum = left.y < centre.y && right.y < centre.y;
        if (!maximum && !(left.y > centre.y && right.y > centre.y)) {
            continue;
        }
        const Refined r =
            refineTurn(f, left, centre, right, maximum ? Turn::Maximum : Turn::Minimum);
        switch (r.kind) {
            case Refined::Kind::Break:
                points.breaks.push_back(r.point.x);
                break;
            case Refined::Kind::Crossings:
                (maximum ? points.maxima : points.minima).push_back(r.point);
                crossing(left, r.point);
                crossing(r.point, right);
                break;
            case Refined::Kind::Extremum:
                (maximum ? points.maxima : points.minima).push_back(r.point);
                const double around =
                    std::max({std::fabs(left.y), std::fabs(centre.y), std::fabs(right.y)});
                if (centre.y != 0 && std::fabs(r.point.y) <= kRoundedZero * around) {
                    points.zeros.push_back(r.point.x);  // touching zero, as (x-1)^2 at 1
                }
                break;
        }
    }
    tidy(points.zeros);
    tidy(points.breaks);
    tidy(points.minima);
    tidy(points.maxima);
    return points;
}

}  // namespace numira::graph
