// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>
#include <QGraphicsObject>
#include <QPixmap>
#include <array>
#include <vector>

#include "graph/key_points.h"

class QChart;
class QValueAxis;

namespace numira {

// The key points' marks on the chart, all drawn by one item: a function such as x*SIN(x) has
// hundreds of them in view, and a marker item (or a scatter series) each would cost more than
// the curve itself on every zoom and pan. Each mark is one small picture stamped in place.
class KeyPointMarks : public QGraphicsObject {
  public:
    enum Kind { Zero, Minimum, Maximum, Break, kKinds };

    KeyPointMarks(QChart* chart, QValueAxis* xAxis, QValueAxis* yAxis);

    static QColor colour(Kind kind);
    void setPoints(const graph::KeyPoints& points);
    void clear();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    struct Mark {
        double x;
        double y;
        Kind kind;
    };
    const QPixmap& stamp(Kind kind, qreal pixelRatio);

    QChart* m_chart;
    QValueAxis* m_xAxis;
    QValueAxis* m_yAxis;
    std::vector<Mark> m_marks;
    std::array<QPixmap, kKinds> m_stamps;
};

}  // namespace numira
