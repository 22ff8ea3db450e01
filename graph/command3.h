// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string_view>

#include "graph/function_table.h"
#include "graph/sheet_app.h"

namespace numira::graph {

enum class GraphOutcome {
    Tabulated,          // the sheet got the table and the chart
    NothingToTabulate,  // the expression is empty: the sheet got nothing
    BadRange,           // the range cannot be tabulated (rangeProblem says why): nothing sent
    Refused,            // no x gives a value (the table's refused says why): only beginTable
};

// The function table and chart: tabulates the request's expression (see tabulate) and sends
// sheetApp the table, x in column A and the formulas in column b with their computed values,
// then a line chart of the first rows (at most 100) against x whose value axis crosses the
// category axis at x = 0. With the default range that is x = -49 to 150 in A1:A200, the chart
// of b1:b100 against a1:a100, crossing at category 50. Whatever sheetApp throws passes on.
GraphOutcome Command3_Click(SheetApp& sheetApp, const GraphRequest& request);

// The same for a table already made (the chart window tabulates once for both).
GraphOutcome Command3_Click(SheetApp& sheetApp, const FunctionTable& table);

}  // namespace numira::graph
