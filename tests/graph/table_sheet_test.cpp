// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/table_sheet.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "graph/command3.h"

namespace numira::graph {
namespace {

TEST(TableSheet, ReadsCellAddresses) {
    struct Case {
        const char* text;
        char column;  // 0: not an address
        std::size_t row;
    };
    constexpr Case kCases[] = {
        {"A1", 'a', 1}, {"b200", 'b', 200}, {"B17", 'b', 17}, {"A", 0, 0}, {"A0", 0, 0},
        {"1A", 0, 0},   {"Ax", 0, 0},       {"A1:", 0, 0},    {"", 0, 0},  {"A-1", 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const auto a = parseCell(c.text);
        ASSERT_EQ(a.has_value(), c.column != 0);
        if (a) {
            EXPECT_EQ(a->column, c.column);
            EXPECT_EQ(a->row, c.row);
        }
    }
}

TEST(TableSheet, ReadsRanges) {
    struct Case {
        const char* text;
        bool ok;
        char column;
        std::size_t first, last;
    };
    constexpr Case kCases[] = {
        {"a1:a100", true, 'a', 1, 100}, {"b1:B9", true, 'b', 1, 9}, {"a5:a5", true, 'a', 5, 5},
        {"a1:b100", false, 0, 0, 0},    {"a9:a1", false, 0, 0, 0},  {"a1", false, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const auto r = parseRange(c.text);
        ASSERT_EQ(r.has_value(), c.ok);
        if (r) {
            EXPECT_EQ(r->column, c.column);
            EXPECT_EQ(r->first, c.first);
            EXPECT_EQ(r->last, c.last);
        }
    }
}

TEST(TableSheet, HoldsWhatTheProcedureSent) {
    TableSheet sheet;
    ASSERT_EQ(Command3_Click(sheet, GraphRequest{"SQRT(x)", false, {}}), GraphOutcome::Tabulated);
    EXPECT_TRUE(sheet.visible());
    ASSERT_EQ(sheet.rows().size(), 200u);
    EXPECT_EQ(sheet.rows()[0].x, -49);
    EXPECT_EQ(sheet.rows()[0].formula, "=SQRT((-49))");
    EXPECT_EQ(sheet.rows()[0].cached.failure, Failure::OutsideDomain);
    EXPECT_EQ(sheet.rows()[53].cached.value, 2);  // x = 4
    const TableSheet::Chart& chart = sheet.chart();
    EXPECT_TRUE(chart.added);
    EXPECT_TRUE(chart.placed);
    EXPECT_EQ(chart.type, kLineChart);
    ASSERT_TRUE(chart.values && chart.categories);
    EXPECT_EQ(chart.values->column, 'b');
    EXPECT_EQ(chart.values->last, 100u);
    EXPECT_EQ(chart.categories->column, 'a');
    EXPECT_EQ(chart.crossesAt, 50);
    sheet.clear();
    EXPECT_TRUE(sheet.rows().empty());
    EXPECT_FALSE(sheet.chart().added);
}

TEST(TableSheet, RefusesCallsItCannotFollow) {
    struct Case {
        const char* name;
        void (*call)(TableSheet&);
    };
    const Case kCases[] = {
        {"ValueOutsideColumnA", [](TableSheet& s) { s.setRangeValue("C1", 1); }},
        {"FormulaOutsideColumnB", [](TableSheet& s) { s.setRangeFormula("A1", "=1", {}); }},
        {"BadAddress", [](TableSheet& s) { s.setRangeValue("A0", 1); }},
        {"ChartBeforeAdd", [](TableSheet& s) { s.setChartType(kLineChart); }},
        {"OtherChartType",
         [](TableSheet& s) {
             s.chartsAdd();
             s.setChartType(5);
         }},
        {"OtherSheet",
         [](TableSheet& s) {
             s.chartsAdd();
             s.setSourceData("Sheet2", "b1:b100", kPlotByColumns);
         }},
        {"ChartSheet",
         [](TableSheet& s) {
             s.chartsAdd();
             s.location(1, kSheetName);
         }},
        {"ValueAxis",
         [](TableSheet& s) {
             s.chartsAdd();
             s.setAxisCrossesAt(2, 50);
         }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TableSheet sheet;
        EXPECT_THROW(c.call(sheet), std::invalid_argument);
    }
}

}  // namespace
}  // namespace numira::graph
