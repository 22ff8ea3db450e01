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

// Gives the controls without a caption a name and the result label its announcement. When
// the announcement changes the result label and the focused expression box say so (name and
// description changes, "showing" for a failure, whose label stays hidden).
void updateAccessibleNames(Form1& form, QWidget* client, QWidget* result, QWidget* box);

// `background` darkened just enough for `text` on it to reach the contrast `ratio`.
QColor readableBackground(QColor background, const QColor& text, double ratio = 4.5);

// Sends focus back to `owner` whenever one of its secondary windows closes, and gives a
// secondary window the focus when it opens.
void returnFocusFromSecondaryWindows(QWidget* owner);

}  // namespace numira
