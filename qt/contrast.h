// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>

namespace numira {

// The contrast ratio of two colours as the accessibility guidelines measure it (1 to 21).
double contrast(const QColor& a, const QColor& b);

// `colour` moved away from `other` (darker against a lighter one, lighter against a darker
// one) just enough for the two to reach the contrast `ratio`: a background under a text, or
// a text's colour on a background.
QColor readableAgainst(QColor colour, const QColor& other, double ratio = 4.5);

}  // namespace numira
