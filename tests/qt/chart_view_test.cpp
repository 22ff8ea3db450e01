// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The chart as a tool, driven as a user drives it: the wheel, drags, double-clicks and keys on
// the real widgets, offscreen.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidgetItem>
#include <QValueAxis>
#include <cmath>
#include <numbers>

#include "engine/words.h"
#include "qt/announcer.h"
#include "qt/chart/chart_view.h"
#include "qt/chart/chart_window.h"
#include "qt/chart/key_point_marks.h"
#include "qt/chart/key_points_list.h"

namespace numira {
namespace {

class ChartViewTest : public ::testing::Test {
  protected:
    ChartWindow window;
    ChartView* view = window.chartView();

    void open(const graph::GraphRequest& request) {
        window.resize(1000, 600);
        ASSERT_EQ(window.showFunction(request), graph::GraphOutcome::Tabulated);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }
    // Where the value (x, y) is in the chart's viewport.
    QPoint pixelOf(double x, double y) const {
        const QRectF plot = view->chart()->plotArea();
        const ChartRange r = view->range();
        const QPointF inChart(plot.left() + (x - r.xMin) / r.width() * plot.width(),
                              plot.bottom() - (y - r.yMin) / r.height() * plot.height());
        return view->mapFromScene(view->chart()->mapToScene(inChart));
    }
    double xAt(QPoint pixel) const {
        const QRectF plot = view->chart()->plotArea();
        const QPointF p = view->chart()->mapFromScene(view->mapToScene(pixel));
        return view->range().xMin + (p.x() - plot.left()) / plot.width() * view->range().width();
    }
    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void wheel(QPoint at, int notches) {
        QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    }
    std::size_t points() const {
        std::size_t n = 0;
        for (const QLineSeries* s : window.segments()) {
            n += static_cast<std::size_t>(s->count());
        }
        return n;
    }
    // The x and y the trace reads out ("x = 1,5; y = 2,25").
    std::pair<double, double> traced() const {
        QString t = view->traceText();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        const QStringList parts = t.split(QStringLiteral("; y = "));
        EXPECT_EQ(parts.size(), 2) << t.toStdString();
        return {parts.value(0).mid(4).toDouble(), parts.value(1).toDouble()};
    }
};

TEST_F(ChartViewTest, TheMouseZoomsPansTracesAndGoesHome) {
    open({"x^2", false, {}});
    const ChartRange home = view->range();
    EXPECT_EQ(points(), 100u);

    const QPoint at = pixelOf(10, 500);
    const double pointed = xAt(at);
    wheel(at, 1);
    ChartRange r = view->range();
    EXPECT_NEAR(r.width(), home.width() * 0.8, 1e-9);
    EXPECT_NEAR((pointed - r.xMin) / r.width(), (pointed - home.xMin) / home.width(), 1e-9)
        << "the point under the pointer stays there";
    QApplication::processEvents();  // the axes' new labels may move the plot area
    EXPECT_GT(points(), 100u) << "sampled afresh from the expression";
    EXPECT_LE(points(), graph::kMaxCurvePoints);
    for (const QLineSeries* s : window.segments()) {
        EXPECT_GE(s->at(0).x(), r.xMin - 1e-9);
        EXPECT_LE(s->at(s->count() - 1).x(), r.xMax + 1e-9);
    }

    const ChartRange beforeDrag = view->range();
    const double perPixel = beforeDrag.width() / view->chart()->plotArea().width();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(QEvent::MouseMove, at + QPoint(100, 0), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at + QPoint(100, 0), Qt::NoButton);
    r = view->range();
    EXPECT_NEAR(r.xMin, beforeDrag.xMin - 100 * perPixel, 1e-9 * home.width());
    EXPECT_NEAR(r.width(), beforeDrag.width(), 1e-9 * home.width());

    const auto [x, y] = traced();
    EXPECT_NEAR(x, xAt(at + QPoint(100, 0)), perPixel) << "the crosshair is at the pointer";
    EXPECT_NEAR(y, x * x, 5e-6 * (1 + 2 * std::fabs(x))) << "the value there, to 5 decimals";
    EXPECT_EQ(view->accessibleDescription(), view->traceText());

    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();  // nothing left of the zoom redraws its curve over them
    EXPECT_EQ(view->range(), home);
    EXPECT_EQ(points(), 100u) << "home shows the table's rows again";
}

// Left alone, the window samples the home range as a zoom would, so that the first notch of
// the wheel evaluates only what it lacks, as the later ones do.
TEST_F(ChartViewTest, TheFirstZoomFindsTheHomeRangeSampled) {
    open({"x*SIN(x)", false, {-300, 300, 1}});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.evaluatedPoints() > 0 && !window.sampling(); }, 5000));
    wheel(pixelOf(100, 0), 1);
    EXPECT_GT(window.sampledPoints(), 1000u);
    EXPECT_LT(window.evaluatedPoints(), window.sampledPoints() / 2);
}

// The axes write their numbers as the table does, with a decimal comma, at any zoom.
TEST_F(ChartViewTest, TheAxesWriteADecimalComma) {
    open({"x*SIN(x)", false, {-30, 30, 0.5}});
    wheel(pixelOf(-3, 0), 16);  // a view 1,7 wide: ticks every half
    QApplication::processEvents();
    QStringList labels;
    for (const QGraphicsItem* item : view->scene()->items()) {
        if (const auto* text = qgraphicsitem_cast<const QGraphicsTextItem*>(item)) {
            labels << text->toPlainText();
        }
    }
    EXPECT_FALSE(labels.filter(QStringLiteral(",")).isEmpty()) << labels.join(' ').toStdString();
    EXPECT_TRUE(labels.filter(QStringLiteral(".")).isEmpty()) << labels.join(' ').toStdString();
    // Round numbers, here halves, not fifths of the view.
    for (QString label : labels.filter(QRegularExpression(QStringLiteral("^-?[0-9,]+$")))) {
        const double value = label.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        EXPECT_EQ(std::fmod(value * 2, 1), 0) << label.toStdString();
    }
}

TEST_F(ChartViewTest, TheKeysZoomPanAndTraceTheMiddle) {
    open({"SIN(x)", true, {0, 360, 10}, 2});
    const ChartRange home = view->range();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Plus);
    ChartRange r = view->range();
    EXPECT_NEAR(r.width(), home.width() * 0.8, 1e-9);
    EXPECT_NEAR(r.xMin + r.xMax, home.xMin + home.xMax, 1e-9) << "about the middle";
    QTest::keyClick(view, Qt::Key_Right);
    const ChartRange panned = view->range();
    EXPECT_NEAR(panned.xMin, r.xMin + r.width() * 0.05, 1e-9);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_NEAR(view->range().yMin, panned.yMin + panned.height() * 0.05, 1e-9);
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_NEAR(view->range().width(), home.width(), 1e-9);

    const double middle = (view->range().xMin + view->range().xMax) / 2;
    const auto [x, y] = traced();
    EXPECT_NEAR(x, middle, 0.005);
    EXPECT_NEAR(y, std::sin(x * std::numbers::pi / 180), 0.005 + 1e-9);
    EXPECT_LE(view->traceText().size() - view->traceText().indexOf(QStringLiteral("y = ")), 4 + 5)
        << "two decimals, as chosen: " << view->traceText().toStdString();
    EXPECT_EQ(view->accessibleDescription(), view->traceText());
    EXPECT_EQ(window.findChild<Announcer*>()->said(), view->traceText()) << "and said";

    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->range(), home);
}

TEST_F(ChartViewTest, NoLineRunsAcrossAPoleAtAnyZoom) {
    window.setCurveBudget(2000);
    open({"TAN(x)", false, {}});
    const auto check = [&] {
        ASSERT_FALSE(window.keyPoints().breaks.empty());
        for (const QLineSeries* s : window.segments()) {
            for (int i = 1; i < s->count(); ++i) {
                for (const double b : window.keyPoints().breaks) {
                    EXPECT_FALSE(s->at(i - 1).x() < b && b < s->at(i).x()) << "across " << b;
                }
            }
        }
    };
    check();
    view->setFocus();
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(view, Qt::Key_Plus);
    }
    check();
    EXPECT_GT(window.segments().size(), 1);
}

TEST_F(ChartViewTest, KeyPointsAreListedAndCentredWhenChosen) {
    open({"x^2-2", false, {-3, 3, 0.5}});
    KeyPointsList* list = window.keyPointsList();
    const Word titles[] = {Word::Zeros, Word::Minima, Word::Maxima, Word::Breaks};
    const int counts[] = {2, 1, 0, 0};
    for (int kind = 0; kind < 4; ++kind) {
        EXPECT_EQ(list->group(kind)->text(0), QString::fromUtf8(word(titles[kind])));
        EXPECT_EQ(list->group(kind)->childCount(), counts[kind]);
    }
    EXPECT_EQ(list->group(0)->child(1)->text(0), QStringLiteral("x = 1,41421"));
    QTreeWidgetItem* minimum = list->group(1)->child(0);
    EXPECT_EQ(minimum->text(0), QStringLiteral("x = 0; y = -2"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(minimum).center());
    const ChartRange r = view->range();
    EXPECT_NEAR((r.xMin + r.xMax) / 2, 0, 1e-12);
    EXPECT_NEAR((r.yMin + r.yMax) / 2, -2, 1e-12);
    EXPECT_EQ(view->traceText(), QStringLiteral("x = 0; y = -2"));
}

TEST_F(ChartViewTest, KeyPointsAreMarkedWhereTheyLieAtAnyZoom) {
    open({"x^2-2", false, {-3, 3, 0.5}});
    const struct {
        double x, y;
        KeyPointMarks::Kind kind;
    } marks[] = {{-std::sqrt(2.0), 0, KeyPointMarks::Zero},
                 {std::sqrt(2.0), 0, KeyPointMarks::Zero},
                 {0, -2, KeyPointMarks::Minimum}};
    for (int zoom = 0; zoom < 3; ++zoom) {
        const QImage image = view->viewport()->grab().toImage();
        for (const auto& m : marks) {
            // Within a pixel: where a mark's middle falls between two, either may be its edge.
            const QPoint at = pixelOf(m.x, m.y);
            bool found = false;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    found = found ||
                            image.pixelColor(at + QPoint(dx, dy)) == KeyPointMarks::colour(m.kind);
                }
            }
            EXPECT_TRUE(found) << "x = " << m.x << " after " << zoom << " zooms";
        }
        view->zoomAbout({1, -2}, 0.8);  // the minimum stays on the lower edge
    }
}

}  // namespace
}  // namespace numira

// The application lives on main's stack, so that it (and the pointing device the mouse
// functions of QTest make) is gone before the program's static objects are destroyed.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
