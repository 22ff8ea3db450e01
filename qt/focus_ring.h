// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>

class QWidget;

namespace numira {

// Draws a ring just inside the edge of whichever control the keyboard moved the focus to (Tab,
// Shift+Tab, an access key), in every window of the application, until the focus moves on
// or the mouse moves it: a keyboard user sees where the next key goes, and the window's look
// is unchanged for everyone else. Safe to call more than once.
void showKeyboardFocus();

// The ring's colour on `control`: the palette's highlight, moved to at least 3:1 against the
// control's own background colours.
QColor focusRingColour(const QWidget* control);

}  // namespace numira
