// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace numira {

// The top-left corner of a window's client area that puts its frame (the client area and the
// margins the window manager draws around it) with its top-left corner at `wanted`, moved as
// little as needed for the whole frame to lie on `screen`. A frame larger than the screen
// keeps its top-left corner on it, so the title bar can always be reached.
QPoint clientTopLeft(const QRect& screen, const QMargins& frame, const QSize& client,
                     QPoint wanted);

// Where a window's frame should go, from the free area of its screen and the frame's size.
using FramePlace = std::function<QPoint(const QRect& screen, const QSize& frame)>;

// Places a top-level window by its frame at the place `wanted` gives, and again while the
// window manager frames it (its margins are unknown until then) and settles it, for a moment
// after it is shown. Later moves by the user are left alone. Best called before showing.
void placeByFrame(QWidget* window, FramePlace wanted);

// Whether the window's frame is elsewhere than placeByFrame last put it (the user moved it),
// or it was never placed.
bool movedSincePlaced(const QWidget* window);

// The frame's top-left corner for a window beside `owner`: right of it, or left of it when
// there is no room on the right.
FramePlace besideWindow(const QWidget* owner);

// Narrows a window that fits beside `owner` on neither side to the wider of the two rooms,
// to no less than half its width, so that besideWindow need not put it over the owner.
void fitBeside(QWidget* window, const QWidget* owner);

// Escape closes the window.
void closeOnEscape(QWidget* window);

// Moves a shown top-level window the least it takes to have its whole frame on its screen.
void keepOnScreen(QWidget* window);

// The largest client size, up to `wanted`, whose frame fits the free area of the window's
// screen. Until the window manager has framed the window its owner's margins stand in.
QSize sizeOnScreen(const QWidget* window, QSize wanted);

// Makes every window and dialog the application shows, as it is shown, no larger than the free
// area of its screen, and moves it onto it: with a large scale factor on a small screen no
// window is out of reach. What a smaller window cannot hold scrolls (qt/scrolling_page.h).
// Safe to call more than once.
void keepWindowsOnScreen();

}  // namespace numira
