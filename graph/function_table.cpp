// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/function_table.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "engine/open_parens.h"
#include "engine/words.h"
#include "graph/sheet_formula.h"

namespace numira::graph {
namespace {

// Steps like 0.1 do not divide a range exactly in binary; a row that lands within this
// fraction of a step of the end still belongs to the table.
constexpr double kStepSlack = 1e-9;

}  // namespace

std::optional<std::string_view> rangeProblem(const TableRange& range) {
    if (!std::isfinite(range.from) || !std::isfinite(range.to) || !std::isfinite(range.step)) {
        return word(Word::RangeNotNumbers);
    }
    if (range.step <= 0) {
        return word(Word::StepNotPositive);
    }
    if (range.to < range.from) {
        return word(Word::EndBeforeStart);
    }
    if ((range.to - range.from) / range.step + kStepSlack >= static_cast<double>(kMaxRows)) {
        return word(Word::TooManyRows);
    }
    return std::nullopt;
}

std::size_t rowCount(const TableRange& range) {
    return static_cast<std::size_t>(std::floor((range.to - range.from) / range.step + kStepSlack)) +
           1;
}

std::string cellName(char column, std::size_t row) {
    std::string name(1, column);
    name += std::to_string(row);
    return name;
}

std::string displayNumber(double value) {
    std::string text = numberText(value);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::optional<double> readRangeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::string plain(text);
    std::replace(plain.begin(), plain.end(), ',', '.');
    const std::optional<double> value = readNumber(plain);
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return *value;
}

void appendTableXText(std::string& out, double raw) {
    appendNumber(out, raw);  // "0" for -0 too
}

XValue tableX(double raw) {
    XValue x{raw, {}};
    appendTableXText(x.text, raw);
    x.x = readNumber(x.text).value_or(raw);
    if (x.x == 0) {
        x.x = 0;
        x.text.assign(1, '0');
    }
    return x;
}

FunctionValue evaluateAt(Engine& engine, const GraphRequest& request, std::string_view xText) {
    const Evaluation e =
        engine.evaluate(request.expression, EngineSettings{request.degreesMode, true, xText});
    if (e.failure) {
        return {std::nullopt, e.failure};
    }
    if (const auto v = readNumber(e.numberText); v && std::isfinite(*v)) {
        return {*v, std::nullopt};
    }
    return {std::nullopt, Failure::TooLarge};
}

std::optional<double> FunctionOfX::operator()(double x) const {
    m_xText.clear();
    appendTableXText(m_xText, x);
    return evaluateAt(m_engine, m_request, m_xText).value;
}

FunctionTable tabulate(const GraphRequest& request, Engine& engine) {
    FunctionTable table;
    table.request = request;
    if (request.expression.empty() || rangeProblem(request.range)) {
        return table;
    }
    std::string& expression = table.request.expression;
    expression.append(missingCloseParens(expression).value_or(0), ')');
    const SheetFormula formula(expression, request.degreesMode);
    table.formulaValid = formula.valid();
    const std::size_t n = rowCount(request.range);
    table.rows.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        TableRow& row = table.rows[i];
        XValue x = tableX(request.range.from + static_cast<double>(i) * request.range.step);
        row.x = x.x;
        row.xText = std::move(x.text);
        row.cellA = cellName('A', i + 1);
        row.cellB = cellName('b', i + 1);
        row.rowFormula = formula.rowFormula(row.xText);
        FunctionValue v = evaluateAt(engine, table.request, row.xText);
        row.value = v.value;
        row.failure = v.failure;
    }
    // A text that is no expression has no value at any x, but the engine may meet another
    // failure first at some x (SQRT of a negative x before the stray character after it).
    const bool malformed =
        !formula.valid() || std::any_of(table.rows.begin(), table.rows.end(), [](const auto& row) {
            return row.failure == Failure::InvalidExpression;
        });
    if (malformed && std::none_of(table.rows.begin(), table.rows.end(),
                                  [](const TableRow& row) { return row.value.has_value(); })) {
        table.refused = Failure::InvalidExpression;
        table.rows.clear();
        return table;
    }
    table.chartRows = request.range == TableRange{} ? std::min(n, kDefaultChartRows) : n;
    const auto nearest = std::min_element(
        table.rows.begin(), table.rows.begin() + static_cast<std::ptrdiff_t>(table.chartRows),
        [](const TableRow& a, const TableRow& b) { return std::fabs(a.x) < std::fabs(b.x); });
    table.crossesAt = static_cast<std::size_t>(nearest - table.rows.begin()) + 1;
    return table;
}

FunctionTable tabulate(const GraphRequest& request) {
    Engine engine;
    return tabulate(request, engine);
}

}  // namespace numira::graph
