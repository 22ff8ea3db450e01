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

}  // namespace numira
