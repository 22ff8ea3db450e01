// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QRect>
#include <QWidget>

namespace numira {

// Twips (1/1440 inch) to device-independent pixels at the logical dots per inch of the
// screen the widget is on (96 dpi gives 15 twips per pixel). Rounded to the nearest pixel.
int twipsToPixels(double twips, const QWidget* widget = nullptr);
QRect twipsToPixels(double left, double top, double width, double height,
                    const QWidget* widget = nullptr);

// Pixels back to twips, for what the model asks of the toolkit (text widths, screen width).
double pixelsToTwips(double pixels, const QWidget* widget = nullptr);

// The logical dots per inch used for both conversions; 96 when there is no screen.
double logicalDpi(const QWidget* widget = nullptr);

}  // namespace numira
