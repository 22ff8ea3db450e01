// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/function_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace numira::graph {
namespace {

// The value a function must have at x, or the failure expected there.
struct Expected {
    std::optional<double> value;
    std::optional<Failure> failure;
};

struct ValueCase {
    const char* name;
    const char* expression;  // engine notation, as the keys build it
    bool degrees;
    std::function<Expected(double)> at;
};

Expected value(double v) {
    return {v, std::nullopt};
}
Expected failure(Failure f) {
    return {std::nullopt, f};
}

const ValueCase kValueCases[] = {
    {"Square", "x^2", false, [](double x) { return value(x * x); }},
    {"Line", "2x+1", false, [](double x) { return value(2 * x + 1); }},
    {"MinusSquare", "0-x^2", false, [](double x) { return value(-x * x); }},
    {"SineRadians", "SIN(x)", false, [](double x) { return value(std::sin(x)); }},
    {"SineDegrees", "SIN(x)", true,
     [](double x) { return value(std::sin(x * std::numbers::pi / 180)); }},
    {"Reciprocal", "1/x", false,
     [](double x) { return x == 0 ? failure(Failure::DivisionByZero) : value(1 / x); }},
    {"Root", "SQRT(x)", false,
     [](double x) { return x < 0 ? failure(Failure::OutsideDomain) : value(std::sqrt(x)); }},
    {"NoX", "2+3", false, [](double) { return value(5); }},
    // Closed as "=" closes it, never read as 2x+1.
    {"OpenGroup", "2(x+1", false, [](double x) { return value(2 * (x + 1)); }},
};

TEST(FunctionTable, RowValuesAreTheFunctionAtEachX) {
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(c.name);
        const FunctionTable table = tabulate({c.expression, c.degrees, {}});
        ASSERT_EQ(table.rows.size(), 200u);
        for (const TableRow& row : table.rows) {
            SCOPED_TRACE(row.xText);
            const Expected e = c.at(row.x);
            EXPECT_EQ(row.failure, e.failure);
            ASSERT_EQ(row.value.has_value(), e.value.has_value());
            if (e.value) {
                EXPECT_NEAR(*row.value, *e.value, 1e-12 * std::max(1.0, std::fabs(*e.value)));
            }
        }
    }
}

TEST(FunctionTable, DefaultRowsRunFromMinus49To150) {
    const FunctionTable table = tabulate({"x^2", false, {}});
    ASSERT_EQ(table.rows.size(), 200u);
    struct RowCase {
        std::size_t row;
        double x;
        const char* cellA;
        const char* cellB;
        const char* formula;
        double value;
    };
    constexpr RowCase kRows[] = {
        {1, -49, "A1", "b1", "=(-49)^2", 2401},
        {50, 0, "A50", "b50", "=(0)^2", 0},
        {51, 1, "A51", "b51", "=(1)^2", 1},
        {200, 150, "A200", "b200", "=(150)^2", 22500},
    };
    for (const RowCase& c : kRows) {
        SCOPED_TRACE(c.cellA);
        const TableRow& row = table.rows[c.row - 1];
        EXPECT_EQ(row.x, c.x);
        EXPECT_EQ(row.cellA, c.cellA);
        EXPECT_EQ(row.cellB, c.cellB);
        EXPECT_EQ(row.rowFormula, c.formula);
        EXPECT_EQ(row.value, c.value);
    }
    EXPECT_EQ(table.chartRows, 100u);
    EXPECT_EQ(table.crossesAt, 50u);
}

TEST(FunctionTable, TheExpressionIsTabulatedEvenWhenItHasNoX) {
    const FunctionTable table = tabulate({"2*3", false, {}});
    ASSERT_EQ(table.rows.size(), 200u);
    for (const TableRow& row : table.rows) {
        EXPECT_EQ(row.rowFormula, "=2*3");
        EXPECT_EQ(row.value, 6);
    }
}

TEST(FunctionTable, EmptyExpressionOrBadRangeGivesNoRows) {
    EXPECT_TRUE(tabulate({"", false, {}}).rows.empty());
    EXPECT_TRUE(tabulate({"x", false, {0, 1, 0}}).rows.empty());
}

TEST(FunctionTable, AnExpressionWithNoValueAtAnyXIsRefused) {
    struct Case {
        const char* expression;
        std::optional<Failure> refused;
    };
    const Case kCases[] = {
        {"x*", Failure::InvalidExpression},
        {"2+x)", Failure::InvalidExpression},
        {"x:3+SQRT(x", Failure::InvalidExpression},
        {"SQRT(x)", std::nullopt},  // no value below 0 and a value above: a table
        {"1/0", std::nullopt},      // fails the same everywhere, but is an expression
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expression);
        const FunctionTable table = tabulate({c.expression, false, {-3, -1, 1}});
        EXPECT_EQ(table.refused, c.refused);
        EXPECT_EQ(table.rows.empty(), c.refused.has_value());
    }
}

TEST(FunctionTable, RangesGiveTheirRows) {
    struct Case {
        const char* name;
        TableRange range;
        std::size_t rows;
        double last;
        std::size_t crossesAt;
        std::size_t chartRows;
    };
    const Case kCases[] = {
        {"Default", {}, 200, 150, 50, 100},
        {"Tenths", {0, 1, 0.1}, 11, 1, 1, 11},
        {"EndBetweenSteps", {0, 10, 3}, 4, 9, 1, 4},
        {"OneRow", {5, 5, 1}, 1, 5, 1, 1},
        {"AllNegative", {-10, -1, 1}, 10, -1, 10, 10},
        {"HalvesAroundZero", {-2, 2, 0.5}, 9, 2, 5, 9},
        {"PastTheDefaultChart", {0, 300, 1}, 301, 300, 1, 301},
        {"NegativeToDefaultEnd", {-150, 150, 1}, 301, 150, 151, 301},
        {"MostRows", {1, 10000, 1}, 10000, 10000, 1, 10000},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(rangeProblem(c.range));
        const FunctionTable table = tabulate({"x", false, c.range});
        ASSERT_EQ(table.rows.size(), c.rows);
        EXPECT_EQ(table.rows.back().x, c.last);
        EXPECT_EQ(table.crossesAt, c.crossesAt);
        EXPECT_EQ(table.chartRows, c.chartRows);
        for (const TableRow& row : table.rows) {
            EXPECT_EQ(row.value, row.x) << row.xText;  // the x put in is the x shown
        }
    }
}

TEST(FunctionTable, StepsThatAreNotBinaryFractionsGiveCleanX) {
    const FunctionTable table = tabulate({"x", false, {0, 1, 0.1}});
    ASSERT_EQ(table.rows.size(), 11u);
    EXPECT_EQ(table.rows[3].xText, "0.3");
    EXPECT_EQ(table.rows[3].rowFormula, "=(0.3)");
    EXPECT_EQ(displayNumber(table.rows[3].x), "0,3");
}

TEST(FunctionTable, BadRangesAreRefusedWithAReason) {
    struct Case {
        const char* name;
        TableRange range;
    };
    const Case kCases[] = {
        {"ZeroStep", {0, 10, 0}},
        {"NegativeStep", {0, 10, -1}},
        {"EndBeforeStart", {10, 0, 1}},
        {"TooManyRows", {0, 10000, 1}},
        {"NotANumber", {std::nan(""), 1, 1}},
        {"Infinite", {0, INFINITY, 1}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto problem = rangeProblem(c.range);
        ASSERT_TRUE(problem);
        EXPECT_FALSE(problem->empty());
    }
}

}  // namespace
}  // namespace numira::graph
