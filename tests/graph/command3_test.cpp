// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/command3.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/graph/recording_sheet.h"

namespace numira::graph {
namespace {

using testing::RecordingSheet;

// What the server holds after the table of `expression`: x from -49 to 150 in column A, the
// formula of each x (`formulaAt`) in column b, and a line chart of the first 100 rows on the
// sheet, its x axis crossing at the 50th row (x = 0).
TEST(Command3, LeavesTheServerHoldingTheTableAndItsChart) {
    struct Case {
        const char* expression;
        std::string (*formulaAt)(const std::string& x);
    };
    const Case kCases[] = {
        {"2x+1", [](const std::string& x) { return "=2*(" + x + ")+1"; }},
        {"x^2", [](const std::string& x) { return "=(" + x + ")^2"; }},
        {"2+3", [](const std::string&) { return std::string("=2+3"); }},
    };
    const std::map<std::string, std::string> kChart = {
        {"added", "yes"},
        {"chartType", "4"},
        {"source", "Sheet1!b1:b100"},
        {"plotBy", "2"},
        {"xValues1", "Sheet1!a1:a100"},
        {"location", "2:Sheet1"},
        {"crossesAt1", "50"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expression);
        RecordingSheet sheet;
        EXPECT_EQ(Command3_Click(sheet, GraphRequest{c.expression, false, {}}),
                  GraphOutcome::Tabulated);
        std::map<std::string, std::string> cells;
        for (int row = 1; row <= 200; ++row) {
            const std::string x = std::to_string(row - 50);
            cells["A" + std::to_string(row)] = x;
            cells["b" + std::to_string(row)] = c.formulaAt(x);
        }
        EXPECT_EQ(sheet.cells, cells);
        EXPECT_EQ(sheet.chart, kChart);
        EXPECT_EQ(sheet.calls.front(), "Visible = True") << "the server is shown first";
        EXPECT_EQ(sheet.tables, 1u);
    }
}

TEST(Command3, FormulasCarryTheirComputedValues) {
    RecordingSheet sheet;
    Command3_Click(sheet, GraphRequest{"1/x", false, {}});
    ASSERT_EQ(sheet.cached.size(), 200u);
    ASSERT_TRUE(sheet.cached[0].value);
    EXPECT_NEAR(*sheet.cached[0].value, -1.0 / 49, 1e-15);
    EXPECT_FALSE(sheet.cached[49].value);  // x = 0
    EXPECT_EQ(sheet.cached[49].failure, Failure::DivisionByZero);
    EXPECT_TRUE(sheet.cached[49].isFormula);
    EXPECT_EQ(sheet.cached[50].value, 1);
}

TEST(Command3, NothingIsSentWithoutATable) {
    struct Case {
        const char* name;
        GraphRequest request;
        GraphOutcome outcome;
        std::size_t tables;  // a refused table is handed over, so that a window can say why
    };
    const Case kCases[] = {
        {"EmptyExpression", {"", false, {}}, GraphOutcome::NothingToTabulate, 0},
        {"ZeroStep", {"x", false, {0, 1, 0}}, GraphOutcome::BadRange, 0},
        {"NoValueAtAnyX", {"(x))", false, {}}, GraphOutcome::Refused, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        RecordingSheet sheet;
        EXPECT_EQ(Command3_Click(sheet, c.request), c.outcome);
        EXPECT_TRUE(sheet.calls.empty());
        EXPECT_EQ(sheet.tables, c.tables);
    }
}

TEST(Command3, OtherRangesChartTheirFirstRowsAndCrossAtZero) {
    RecordingSheet sheet;
    Command3_Click(sheet, GraphRequest{"x", false, {-2, 2, 0.5}});
    ASSERT_EQ(sheet.calls.size(), 1u + 2 * 9 + 6);
    EXPECT_EQ(sheet.calls[1], "activesheet.Range(A1) = -2");
    EXPECT_EQ(sheet.calls[4], "activesheet.Range(b2).FormulaR1C1 = =(-1.5)");
    EXPECT_EQ(sheet.calls[21],
              "ActiveChart.SetSourceData Source:=Sheets(Sheet1).Range(b1:b9), PlotBy:=2");
    EXPECT_EQ(sheet.calls.back(), "ActiveChart.Axes(1).CrossesAt = 5");
}

TEST(Command3, AFailingServerEndsTheProcedureAtThatCall) {
    RecordingSheet sheet;
    sheet.failAtCall = 4;  // the second x value
    EXPECT_THROW(Command3_Click(sheet, GraphRequest{"x", false, {}}), std::runtime_error);
    ASSERT_EQ(sheet.calls.size(), 3u);
    EXPECT_EQ(sheet.calls[2], "activesheet.Range(b1).FormulaR1C1 = =(-49)");
}

}  // namespace
}  // namespace numira::graph
