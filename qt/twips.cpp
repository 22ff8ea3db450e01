// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace numira {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;
}  // namespace

double logicalDpi(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return kFallbackDpi;
    }
    const double dpi = screen->logicalDotsPerInchX();
    return dpi > 0 ? dpi : kFallbackDpi;
}

int twipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * logicalDpi(widget) / kTwipsPerInch));
}

QRect twipsToPixels(double left, double top, double width, double height, const QWidget* widget) {
    return {twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
            twipsToPixels(height, widget)};
}

double pixelsToTwips(double pixels, const QWidget* widget) {
    return pixels * kTwipsPerInch / logicalDpi(widget);
}

}  // namespace numira
