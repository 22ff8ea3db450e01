// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace numira {

// A small picture of a calculator key for the help pages: a raised face in the key's colour
// with either its caption or its SVG picture (a resource path such as ":/icons/power.svg";
// an empty path draws the caption). The size is in pixels.
QPixmap keyPicture(const QColor& face, const QString& caption, const QString& svgPath,
                   QSize size = {41, 25});

// An SVG picture (a resource path) drawn to fill a transparent pixmap of the given size in
// device-independent pixels, at the device pixel ratio given. Unlike a QIcon made from the
// file, it needs no icon-engine plugin and draws only the one size.
QPixmap svgPixmap(const QString& svgPath, QSize size, qreal devicePixelRatio = 1);

}  // namespace numira
