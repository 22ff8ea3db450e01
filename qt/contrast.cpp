// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace numira {

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableAgainst(QColor colour, const QColor& other, double ratio) {
    // Away from `other` the way it already lies, unless only the other way has room enough
    // (white text on a light background turns dark).
    const bool lighter = luminance(colour) > luminance(other) ||
                         (luminance(colour) == luminance(other) && luminance(other) <= 0.18);
    const bool darken = lighter ? contrast(Qt::white, other) < ratio &&
                                      contrast(Qt::black, other) > contrast(Qt::white, other)
                                : contrast(Qt::black, other) >= ratio ||
                                      contrast(Qt::black, other) >= contrast(Qt::white, other);
    for (int step = 0; step < 200 && contrast(colour, other) < ratio; ++step) {
        colour = darken ? QColor::fromRgbF(colour.redF() * 0.98F, colour.greenF() * 0.98F,
                                           colour.blueF() * 0.98F)
                        : QColor::fromRgbF(1 - (1 - colour.redF()) * 0.98F,
                                           1 - (1 - colour.greenF()) * 0.98F,
                                           1 - (1 - colour.blueF()) * 0.98F);
    }
    return colour.toRgb();
}

}  // namespace numira
