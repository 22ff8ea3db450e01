// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QChartView>
#include <QPointF>
#include <QString>
#include <optional>

class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QValueAxis;

namespace numira {

// The chart's visible window onto the plane: x from xMin to xMax, y from yMin to yMax.
struct ChartRange {
    double xMin = 0;
    double xMax = 1;
    double yMin = 0;
    double yMax = 1;
    double width() const { return xMax - xMin; }
    double height() const { return yMax - yMin; }
    friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

// The chart as a tool: the wheel zooms about the pointer, a drag pans, a double-click or Home
// returns to the home range; + and - zoom about the middle, the arrows pan. Whoever draws the
// curve hears rangeChanged after each such change and draws the new range afresh. A crosshair
// follows the pointer, or the middle of the chart when the keys move it: traceMoved asks for
// the point at x, and showTrace draws it and makes its text the chart's accessible description.
class ChartView : public QChartView {
    Q_OBJECT
  public:
    ChartView(QChart* chart, QValueAxis* xAxis, QValueAxis* yAxis);

    ChartRange range() const { return m_range; }
    // The table's range: the view goes there now and on Home.
    void setHome(const ChartRange& home);
    void goHome();
    // factor < 1 zooms in; the point at `about` (values) stays where it is on the screen.
    void zoomAbout(QPointF about, double factor);
    // Moves the view by parts of its width and height (0.1 is a tenth to the right, or up).
    void panBy(double xPart, double yPart);
    // Puts (x, y) in the middle of the view, at the same zoom, with the crosshair on it.
    void centreOn(double x, double y);

    // Draws the crosshair at x, across the curve at y when there is one, labelled text.
    void showTrace(double x, std::optional<double> y, const QString& text);
    QString traceText() const { return m_traceText; }

  signals:
    // Before the axes take a new range: a curve drawn for the old one may be dropped now, so
    // that Qt Charts does not lay it out again for the new axes only to be replaced.
    void rangeChanging();
    void rangeChanged();  // by the user: the view moved or zoomed
    void homeRequested();
    // spoken: the keys moved it (or a key point was chosen), and a screen reader should say
    // where it is now; the pointer's moves are only shown.
    void traceMoved(double x, bool spoken);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setRange(const ChartRange& range);
    void applyRange();
    void placeTrace();
    QPointF valueAt(QPointF viewportPos) const;

    QValueAxis* m_xAxis;
    QValueAxis* m_yAxis;
    ChartRange m_range;
    ChartRange m_home;
    std::optional<QPointF> m_dragFrom;  // where a drag started, in viewport pixels
    ChartRange m_dragRange;
    double m_traceX = 0;
    std::optional<double> m_traceY;
    QString m_traceText;
    QGraphicsLineItem* m_traceV = nullptr;
    QGraphicsLineItem* m_traceH = nullptr;
    QGraphicsSimpleTextItem* m_traceLabel = nullptr;
};

}  // namespace numira
