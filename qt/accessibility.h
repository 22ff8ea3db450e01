// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace numira {

class Form1;

// Registers how the window's own widgets appear to screen readers: the expression box as a
// read-only text, the result label L as a status object named by its announcement, the
// secondary windows as windows, and the client area without the measuring label tm (its
// caption is the expression in display notation, which a reader would read wrongly). Also
// darkens the palette's highlight so that selected text and menu items stay readable.
// Safe to call more than once.
void installAccessibility();

// Gives the controls without a caption a name, and the result label and the expression box's
// description the result's announcement, for a reader who walks the window or asks where
// it is; the announcement itself is spoken through an Announcer.
void updateAccessibleNames(Form1& form, QWidget* client, QWidget* result, QWidget* box);

// Sends focus back to `owner` whenever one of its secondary windows closes, and gives a
// secondary window the focus when it opens.
void returnFocusFromSecondaryWindows(QWidget* owner);

}  // namespace numira
