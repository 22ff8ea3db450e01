// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The function table of the chart window: 200 rows, each computed by the engine, with the
// spreadsheet formula of each row. It must stay far below one frame (16 ms).
#include <benchmark/benchmark.h>

#include "graph/command3.h"
#include "graph/function_table.h"
#include "graph/table_sheet.h"

namespace {

void tabulateDefault(benchmark::State& state, const char* expression, bool degrees) {
    numira::Engine engine;
    const numira::graph::GraphRequest request{expression, degrees, {}};
    for (auto _ : state) {
        numira::graph::FunctionTable table = numira::graph::tabulate(request, engine);
        benchmark::DoNotOptimize(table);
    }
    state.SetItemsProcessed(state.iterations() * 200);
}

void BM_TabulateParabola(benchmark::State& state) {
    tabulateDefault(state, "x^2", false);
}
void BM_TabulateFunctions(benchmark::State& state) {
    tabulateDefault(state, "2SIN(x)COS(x)+SQRT(x^2+1)/(1+Atan(x))-COTAN(x+0,5)", true);
}

// The whole procedure into the window's sheet, as the menu item runs it.
void BM_Command3IntoSheet(benchmark::State& state) {
    numira::graph::TableSheet sheet;
    const numira::graph::GraphRequest request{"x^2", false, {}};
    for (auto _ : state) {
        sheet.clear();
        benchmark::DoNotOptimize(numira::graph::Command3_Click(sheet, request));
    }
    state.SetItemsProcessed(state.iterations() * 200);
}

}  // namespace

BENCHMARK(BM_TabulateParabola)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TabulateFunctions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Command3IntoSheet)->Unit(benchmark::kMicrosecond);
