// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/key_point_marks.h"

#include <QChart>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>

namespace numira {
namespace {

constexpr int kSize = 9;  // the mark's width in pixels, its border included

}  // namespace

QColor KeyPointMarks::colour(Kind kind) {
    switch (kind) {
        case Zero:
            return {0x1a, 0x8a, 0x3a};
        case Minimum:
            return {0xc0, 0x6a, 0x00};
        case Maximum:
            return {0xa0, 0x20, 0x60};
        default:
            return {0xb0, 0x00, 0x00};
    }
}

KeyPointMarks::KeyPointMarks(QChart* chart, QValueAxis* xAxis, QValueAxis* yAxis)
    : QGraphicsObject(chart), m_chart(chart), m_xAxis(xAxis), m_yAxis(yAxis) {
    setZValue(50);  // over the curve, under the crosshair
    const auto moved = [this] {
        prepareGeometryChange();
        update();
    };
    connect(chart, &QChart::plotAreaChanged, this, moved);
    connect(xAxis, &QValueAxis::rangeChanged, this, moved);
    connect(yAxis, &QValueAxis::rangeChanged, this, moved);
}

void KeyPointMarks::setPoints(const graph::KeyPoints& points) {
    m_marks.clear();
    for (const double x : points.zeros) {
        m_marks.push_back({x, 0, Zero});
    }
    for (const graph::CurvePoint& p : points.minima) {
        m_marks.push_back({p.x, p.y, Minimum});
    }
    for (const graph::CurvePoint& p : points.maxima) {
        m_marks.push_back({p.x, p.y, Maximum});
    }
    for (const double x : points.breaks) {
        m_marks.push_back({x, 0, Break});
    }
    update();
}

void KeyPointMarks::clear() {
    m_marks.clear();
    update();
}

QRectF KeyPointMarks::boundingRect() const {
    const qreal half = kSize / 2.0 + 1;
    return m_chart->plotArea().adjusted(-half, -half, half, half);
}

const QPixmap& KeyPointMarks::stamp(Kind kind, qreal pixelRatio) {
    QPixmap& p = m_stamps[kind];
    if (!p.isNull() && p.devicePixelRatio() == pixelRatio) {
        return p;
    }
    p = QPixmap(QSize(kSize + 2, kSize + 2) * pixelRatio);
    p.setDevicePixelRatio(pixelRatio);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour(kind).darker());
    painter.setBrush(colour(kind));
    const QRectF box(1, 1, kSize - 1, kSize - 1);
    switch (kind) {
        case Zero:
            painter.drawEllipse(box);
            break;
        case Break:
            painter.drawRect(box);
            break;
        default:
            painter.drawPolygon(
                QPolygonF({{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()}));
    }
    return p;
}

void KeyPointMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                          QWidget* /*widget*/) {
    const QRectF area = m_chart->plotArea();
    const double xMin = m_xAxis->min();
    const double yMin = m_yAxis->min();
    const double xScale = area.width() / (m_xAxis->max() - xMin);
    const double yScale = area.height() / (m_yAxis->max() - yMin);
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    const qreal offset = kSize / 2.0 + 1;
    for (const Mark& m : m_marks) {
        const QPointF at(area.left() + (m.x - xMin) * xScale,
                         area.bottom() - (m.y - yMin) * yScale);
        if (area.contains(at)) {
            painter->drawPixmap(at - QPointF(offset, offset), stamp(m.kind, ratio));
        }
    }
}

}  // namespace numira
