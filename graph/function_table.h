// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/failure.h"

namespace numira::graph {

// The x values of a table: from, from + step, ... up to and including to.
struct TableRange {
    double from = -49;
    double to = 150;
    double step = 1;
    friend bool operator==(const TableRange&, const TableRange&) = default;
};

inline constexpr std::size_t kMaxRows = 10000;
// The chart of the default range covers its first rows, x = -49 to 50; the chart of any other
// range covers every row of it.
inline constexpr std::size_t kDefaultChartRows = 100;

// Why a range cannot be tabulated, in the window's words; nothing for a good range.
std::optional<std::string_view> rangeProblem(const TableRange& range);

// The number of rows of a good range.
std::size_t rowCount(const TableRange& range);

// What to tabulate: the expression as the keys built it (engine notation, the text of comp),
// with x as the variable, in the angle unit chosen in the window.
struct GraphRequest {
    std::string expression;
    bool degreesMode = false;
    TableRange range;
    int decimals = 5;  // the window's chosen decimals, for the values the chart reads out
    friend bool operator==(const GraphRequest&, const GraphRequest&) = default;
};

// One row: the cells it fills and what they hold.
struct TableRow {
    double x = 0;
    std::string xText;               // engine number text of x ("-49", "0.5")
    std::string cellA;               // "A1"
    std::string cellB;               // "b1"
    std::string rowFormula;          // spreadsheet formula of the expression at x ("=(-49)^2")
    std::optional<double> value;     // the engine's value at x
    std::optional<Failure> failure;  // or why it has none
};

struct FunctionTable {
    GraphRequest request;
    std::vector<TableRow> rows;
    bool formulaValid = true;   // false: rowFormula is for showing, not a spreadsheet formula
    std::size_t chartRows = 0;  // the chart shows rows 1 to chartRows
    std::size_t crossesAt = 1;  // the chart row (from 1) nearest to x = 0: the value axis
    // Set when the expression can give no value at any x (an operator at the end, a ")" too
    // many): why, and there are no rows.
    std::optional<Failure> refused;
};

// x as every row, point and trace takes it: the nearest 15-digit engine number text and the
// double it reads back as, never -0. So 0.1 * 3 is 0.3 in the cell, the formula and the engine.
struct XValue {
    double x = 0;
    std::string text;
};
XValue tableX(double raw);
// tableX's text alone, appended: for the chart's thousands of x a frame, which need no double.
void appendTableXText(std::string& out, double raw);

// The expression's value at x (given as tableX's text), as the table computes it: the engine
// with x put in as a parenthesised value, in the request's angle unit; a value beyond the
// double range counts as too large.
struct FunctionValue {
    std::optional<double> value;
    std::optional<Failure> failure;
};
FunctionValue evaluateAt(Engine& engine, const GraphRequest& request, std::string_view xText);

// The request's expression as a function of x, for the points between the rows: each x is
// taken as tableX takes it and evaluated by evaluateAt; nothing where there is no value.
class FunctionOfX {
  public:
    FunctionOfX(Engine& engine, const GraphRequest& request)
        : m_engine(engine), m_request(request) {}
    std::optional<double> operator()(double x) const;
    const GraphRequest& request() const { return m_request; }

  private:
    Engine& m_engine;
    const GraphRequest& m_request;
    mutable std::string m_xText;
};

// The table of the request's expression: each row's value computed by the engine with x put
// in as a parenthesised value, in the request's angle unit. The parentheses still open at the
// end are closed first, as "=" closes them, and the table's request holds the closed text. An
// empty expression, a bad range or a refused expression gives no rows.
FunctionTable tabulate(const GraphRequest& request, Engine& engine);
FunctionTable tabulate(const GraphRequest& request);

// "A" or "b" and the row number, as the cells are named ("A1", "b200").
std::string cellName(char column, std::size_t row);

// A number of a range as the user types it: a decimal comma or a decimal point ("0,5" and
// "0.5" are a half), an optional "-", surrounding spaces ignored. Nothing for anything else.
std::optional<double> readRangeNumber(std::string_view text);

// A value as the window shows it: engine number text with a decimal comma ("0,5", "-2401").
std::string displayNumber(double value);

}  // namespace numira::graph
