// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/chart_view.h"

#include <QAccessible>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace numira {
namespace {

constexpr double kWheelZoom = 0.8;  // a notch towards the user zooms in by this factor
constexpr double kKeyZoom = 0.8;
constexpr double kKeyPan = 0.05;  // an arrow moves the view by this part of it
// Narrower than this part of its distance from 0 (or than this, near 0), a view would show
// only the rounding of x; wider than kWidest, the numbers run out.
constexpr double kNarrowest = 1e-12;
constexpr double kWidest = 1e15;
constexpr double kTicksPerView = 5;

// Ticks on round numbers, 1, 2 or 5 times a power of ten, about kTicksPerView to the view,
// each label with the digits that tell it from its neighbours: short labels at any zoom,
// where ticks at fifths of an arbitrary range read "-0,56295" and are cut short when narrow.
void roundTicks(QValueAxis* axis, double min, double max) {
    const double rough = (max - min) / kTicksPerView;
    if (!(rough > 0) || !std::isfinite(rough)) {
        return;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    }
    // Six at least, as a whole number up to a million is written out.
    const double largest = std::max(std::fabs(min), std::fabs(max));
    const int digits = std::clamp(
        static_cast<int>(std::ceil(std::log10(std::max(largest, step) / step))) + 1, 6, 16);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.%1g").arg(digits));
}

}  // namespace

ChartView::ChartView(QChart* chart, QValueAxis* xAxis, QValueAxis* yAxis)
    : QChartView(chart), m_xAxis(xAxis), m_yAxis(yAxis) {
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRubberBand(QChartView::NoRubberBand);
    QPen pen(QColor(0x70, 0x70, 0x70));
    pen.setStyle(Qt::DashLine);
    m_traceV = scene()->addLine(QLineF(), pen);
    m_traceH = scene()->addLine(QLineF(), pen);
    m_traceLabel = scene()->addSimpleText(QString());
    for (QGraphicsItem* item :
         {static_cast<QGraphicsItem*>(m_traceV), static_cast<QGraphicsItem*>(m_traceH),
          static_cast<QGraphicsItem*>(m_traceLabel)}) {
        item->setZValue(100);
        item->hide();
    }
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeTrace(); });
}

void ChartView::setHome(const ChartRange& home) {
    m_home = home;
    m_range = home;
    placeTrace();
}

void ChartView::goHome() {
    setRange(m_home);
    emit homeRequested();
}

void ChartView::setRange(const ChartRange& range) {
    emit rangeChanging();
    m_range = range;
    applyRange();
}

void ChartView::applyRange() {
    roundTicks(m_xAxis, m_range.xMin, m_range.xMax);
    roundTicks(m_yAxis, m_range.yMin, m_range.yMax);
    m_xAxis->setRange(m_range.xMin, m_range.xMax);
    m_yAxis->setRange(m_range.yMin, m_range.yMax);
    placeTrace();
}

void ChartView::zoomAbout(QPointF about, double factor) {
    const auto tooSmall = [](double size, double at) {
        return size < kNarrowest * std::max(1.0, std::fabs(at));
    };
    const double w = m_range.width() * factor;
    const double h = m_range.height() * factor;
    if (!(factor > 0) || tooSmall(w, about.x()) || tooSmall(h, about.y()) || w > kWidest ||
        h > kWidest) {
        return;
    }
    setRange({about.x() - (about.x() - m_range.xMin) * factor,
              about.x() + (m_range.xMax - about.x()) * factor,
              about.y() - (about.y() - m_range.yMin) * factor,
              about.y() + (m_range.yMax - about.y()) * factor});
    emit rangeChanged();
}

void ChartView::panBy(double xPart, double yPart) {
    const double dx = m_range.width() * xPart;
    const double dy = m_range.height() * yPart;
    setRange({m_range.xMin + dx, m_range.xMax + dx, m_range.yMin + dy, m_range.yMax + dy});
    emit rangeChanged();
}

void ChartView::centreOn(double x, double y) {
    const double w = m_range.width() / 2;
    const double h = m_range.height() / 2;
    setRange({x - w, x + w, y - h, y + h});
    emit rangeChanged();
    emit traceMoved(x, true);
}

QPointF ChartView::valueAt(QPointF viewportPos) const {
    const QRectF plot = chart()->plotArea();
    const QPointF p = chart()->mapFromScene(mapToScene(viewportPos.toPoint()));
    if (plot.width() <= 0 || plot.height() <= 0) {
        return {m_range.xMin, m_range.yMin};
    }
    return {m_range.xMin + (p.x() - plot.left()) / plot.width() * m_range.width(),
            m_range.yMax - (p.y() - plot.top()) / plot.height() * m_range.height()};
}

void ChartView::showTrace(double x, std::optional<double> y, const QString& text) {
    m_traceX = x;
    m_traceY = y;
    const bool changed = text != m_traceText;
    m_traceText = text;
    placeTrace();
    if (changed) {
        setAccessibleDescription(text);
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ChartView::placeTrace() {
    const QRectF plot = chart()->plotArea();
    const bool inside = !m_traceText.isEmpty() && m_range.width() > 0 && m_traceX >= m_range.xMin &&
                        m_traceX <= m_range.xMax;
    m_traceV->setVisible(inside);
    m_traceLabel->setVisible(inside);
    m_traceH->hide();
    if (!inside) {
        return;
    }
    const double px = plot.left() + (m_traceX - m_range.xMin) / m_range.width() * plot.width();
    m_traceV->setLine(QLineF(chart()->mapToScene(QPointF(px, plot.top())),
                             chart()->mapToScene(QPointF(px, plot.bottom()))));
    m_traceLabel->setText(m_traceText);
    // The label stays inside the plot: right of the line, or left of it near the right edge.
    const double labelX = px + 6 + m_traceLabel->boundingRect().width() > plot.right()
                              ? px - 6 - m_traceLabel->boundingRect().width()
                              : px + 6;
    m_traceLabel->setPos(chart()->mapToScene(QPointF(labelX, plot.top() + 4)));
    if (m_traceY && *m_traceY >= m_range.yMin && *m_traceY <= m_range.yMax) {
        const double py =
            plot.bottom() - (*m_traceY - m_range.yMin) / m_range.height() * plot.height();
        m_traceH->setLine(QLineF(chart()->mapToScene(QPointF(plot.left(), py)),
                                 chart()->mapToScene(QPointF(plot.right(), py))));
        m_traceH->show();
    }
}

void ChartView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) {
        const QPointF at = valueAt(event->position());
        zoomAbout(at, std::pow(kWheelZoom, notches));
        emit traceMoved(at.x(), false);
    }
    event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragFrom = event->position();
        m_dragRange = m_range;
        setFocus(Qt::MouseFocusReason);
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QRectF plot = chart()->plotArea();
    if (m_dragFrom && (event->buttons() & Qt::LeftButton) && plot.width() > 0 &&
        plot.height() > 0) {
        const QPointF moved = event->position() - *m_dragFrom;
        const double dx = -moved.x() / plot.width() * m_dragRange.width();
        const double dy = moved.y() / plot.height() * m_dragRange.height();
        setRange({m_dragRange.xMin + dx, m_dragRange.xMax + dx, m_dragRange.yMin + dy,
                  m_dragRange.yMax + dy});
        emit rangeChanged();
    }
    emit traceMoved(valueAt(event->position()).x(), false);
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragFrom.reset();
    }
    event->accept();
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_dragFrom.reset();
    goHome();
    event->accept();
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    const QPointF middle((m_range.xMin + m_range.xMax) / 2, (m_range.yMin + m_range.yMax) / 2);
    switch (event->key()) {
        case Qt::Key_Home:
            goHome();
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomAbout(middle, kKeyZoom);
            break;
        case Qt::Key_Minus:
            zoomAbout(middle, 1 / kKeyZoom);
            break;
        case Qt::Key_Left:
            panBy(-kKeyPan, 0);
            break;
        case Qt::Key_Right:
            panBy(kKeyPan, 0);
            break;
        case Qt::Key_Up:
            panBy(0, kKeyPan);
            break;
        case Qt::Key_Down:
            panBy(0, -kKeyPan);
            break;
        default:
            QChartView::keyPressEvent(event);
            return;
    }
    // The keys' crosshair is the middle of the view.
    emit traceMoved((m_range.xMin + m_range.xMax) / 2, true);
    event->accept();
}

}  // namespace numira
