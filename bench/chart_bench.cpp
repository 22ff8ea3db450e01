// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The chart window zoomed: the visible range sampled afresh from the expression (up to the
// budget of points), put into the chart's series and drawn, as one frame (16 ms) must do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineSeries>
#include <QPainter>

#include "bench/qt_application.h"
#include "qt/chart/chart_view.h"
#include "qt/chart/chart_window.h"

namespace {

// A curve that bends everywhere, so that every zoom uses the whole budget.
void qt_chart_zoom(benchmark::State& state) {
    numira::bench::useQtApplication();
    numira::ChartWindow window;
    window.resize(1000, 600);
    window.setCurveBudget(static_cast<std::size_t>(state.range(0)));
    window.showFunction({"x*SIN(x)", false, {-1000, 1000, 1}});
    QApplication::processEvents();
    numira::ChartView* view = window.chartView();
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    bool in = true;
    std::size_t drawn = 0;
    const auto frame = [&] {
        const numira::ChartRange r = view->range();
        view->zoomAbout({(r.xMin + r.xMax) / 2, (r.yMin + r.yMax) / 2}, in ? 0.8 : 1.25);
        in = !in;
        QPainter painter(&image);
        view->render(&painter);
        drawn = 0;
        for (const auto* s : window.segments()) {
            drawn += static_cast<std::size_t>(s->count());
        }
    };
    // The first frames fill the caches of fonts and glyphs; the user's frames come after.
    frame();
    frame();
    for (auto _ : state) {
        frame();
    }
    state.counters["sampled"] = static_cast<double>(window.sampledPoints());
    state.counters["drawn"] = static_cast<double>(drawn);
}

}  // namespace

// The curve is sampled on two cores: the time is the frame's wall time, and the CPU time the
// whole process's (both cores), not the main thread's alone.
BENCHMARK(qt_chart_zoom)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
