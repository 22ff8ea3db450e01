// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The chart window zoomed and panned: the visible range sampled afresh from the expression (up
// to the budget of points), put into the chart's series and drawn, as one frame (16 ms) must
// do. A frame evaluates the points the range before lacks; "evaluated" counts them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <functional>

#include "bench/qt_application.h"
#include "qt/chart/chart_view.h"
#include "qt/chart/chart_window.h"

namespace {

// Moves the view for frame k of a repeating sequence.
using Move = std::function<void(numira::ChartView&, int k)>;

// A curve that bends everywhere, so that every frame uses the whole budget.
void chartFrames(benchmark::State& state, const Move& move) {
    numira::bench::useQtApplication();
    numira::ChartWindow window;
    window.resize(1000, 600);
    window.setCurveBudget(static_cast<std::size_t>(state.range(0)));
    window.showFunction({"x*SIN(x)", false, {-1000, 1000, 1}});
    QApplication::processEvents();
    numira::ChartView* view = window.chartView();
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int k = 0;
    std::size_t drawn = 0;
    std::size_t evaluated = 0;
    std::size_t sampled = 0;
    const auto frame = [&] {
        move(*view, k++);
        QPainter painter(&image);
        view->render(&painter);
        evaluated += window.evaluatedPoints();
        sampled += window.sampledPoints();
        drawn = 0;
        for (const auto* s : window.segments()) {
            drawn += static_cast<std::size_t>(s->count());
        }
    };
    // The first frames fill the caches of fonts and glyphs; the user's frames come after.
    frame();
    frame();
    evaluated = sampled = 0;
    for (auto _ : state) {
        frame();
    }
    // Per frame: the points of the curve, and how many of them were evaluated for it.
    const auto perFrame = [&](std::size_t n) {
        return static_cast<double>(n) / static_cast<double>(state.iterations());
    };
    state.counters["sampled"] = perFrame(sampled);
    state.counters["evaluated"] = perFrame(evaluated);
    state.counters["drawn"] = static_cast<double>(drawn);
}

// The wheel: ten notches in about a point off the middle, then ten out.
void qt_chart_zoom(benchmark::State& state) {
    chartFrames(state, [](numira::ChartView& view, int k) {
        const numira::ChartRange r = view.range();
        const QPointF at(r.xMin + 0.3 * r.width(), r.yMin + 0.6 * r.height());
        view.zoomAbout(at, k % 20 < 10 ? 0.8 : 1.25);
    });
}

// A drag: the view follows the pointer by a fiftieth of its width a frame, there and back.
void qt_chart_pan(benchmark::State& state) {
    chartFrames(state,
                [](numira::ChartView& view, int k) { view.panBy(k % 40 < 20 ? 0.02 : -0.02, 0); });
}

// A jump (a key point chosen from the list): nothing of the range before is in view.
void qt_chart_jump(benchmark::State& state) {
    chartFrames(state,
                [](numira::ChartView& view, int k) { view.panBy(k % 2 == 0 ? 1.5 : -1.5, 0); });
}

}  // namespace

// The curve is sampled on two cores: the time is the frame's wall time, and the CPU time the
// whole process's (both cores), not the main thread's alone.
BENCHMARK(qt_chart_zoom)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(qt_chart_pan)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(qt_chart_jump)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
