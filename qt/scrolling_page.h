// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

class QWidget;

namespace numira {

// Fills `window` with a frameless scroll area and returns the page inside it, on which the
// window's content goes. The page grows with the window, never below its least size: on a
// screen too small for that, the page scrolls, by its scroll bars or by the keyboard
// (PgUp/PgDn and the arrows) once the area has the focus. Tab stops on the area only while
// there is something to scroll, and moving the focus to a control off the view scrolls to it.
QWidget* scrollingPage(QWidget* window);

// The least width of the window's page, under which it scrolls sideways; 0 for a window
// without one.
int pageLeastWidth(const QWidget* window);

}  // namespace numira
