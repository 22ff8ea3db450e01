// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/command3.h"

#include <string>

namespace numira::graph {

GraphOutcome Command3_Click(SheetApp& sheetApp, const GraphRequest& request) {
    if (request.expression.empty()) {
        return GraphOutcome::NothingToTabulate;
    }
    if (rangeProblem(request.range)) {
        return GraphOutcome::BadRange;
    }
    return Command3_Click(sheetApp, tabulate(request));
}

GraphOutcome Command3_Click(SheetApp& sheetApp, const FunctionTable& table) {
    if (table.request.expression.empty()) {
        return GraphOutcome::NothingToTabulate;
    }
    if (table.refused) {
        sheetApp.beginTable(table);  // a substitute can say why
        return GraphOutcome::Refused;
    }
    if (table.rows.empty()) {
        return GraphOutcome::BadRange;
    }
    sheetApp.beginTable(table);
    sheetApp.setVisible(true);
    for (const TableRow& row : table.rows) {
        sheetApp.setRangeValue(row.cellA, row.x);
        // Text the engine cannot read would not be a formula to a spreadsheet either.
        const bool isFormula = table.formulaValid && row.failure != Failure::InvalidExpression;
        sheetApp.setRangeFormula(row.cellB, row.rowFormula,
                                 CellResult{row.value, row.failure, isFormula});
    }
    const std::string last = std::to_string(table.chartRows);
    sheetApp.chartsAdd();
    sheetApp.setChartType(kLineChart);
    sheetApp.setSourceData(kSheetName, "b1:b" + last, kPlotByColumns);
    sheetApp.setSeriesXValues(1, kSheetName, "a1:a" + last);
    sheetApp.location(kLocationAsObject, kSheetName);
    sheetApp.setAxisCrossesAt(kCategoryAxis, static_cast<std::int16_t>(table.crossesAt));
    return GraphOutcome::Tabulated;
}

}  // namespace numira::graph
