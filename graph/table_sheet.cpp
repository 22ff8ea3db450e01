// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/table_sheet.h"

#include <charconv>
#include <stdexcept>

#include "graph/function_table.h"

namespace numira::graph {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

[[noreturn]] void refuse(std::string_view what, std::string_view text) {
    std::string message(what);
    message.append(": ").append(text);
    throw std::invalid_argument(message);
}

void needSheet(std::string_view sheet) {
    if (sheet != kSheetName) {
        refuse("no such sheet", sheet);
    }
}

}  // namespace

std::optional<CellAddress> parseCell(std::string_view address) {
    if (address.size() < 2) {
        return std::nullopt;
    }
    const char column = lower(address[0]);
    if (column < 'a' || column > 'z') {
        return std::nullopt;
    }
    std::size_t row = 0;
    const char* end = address.data() + address.size();
    const auto [ptr, ec] = std::from_chars(address.data() + 1, end, row);
    if (ec != std::errc() || ptr != end || row == 0) {
        return std::nullopt;
    }
    return CellAddress{column, row};
}

std::optional<CellRange> parseRange(std::string_view range) {
    const std::size_t colon = range.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto first = parseCell(range.substr(0, colon));
    const auto last = parseCell(range.substr(colon + 1));
    if (!first || !last || first->column != last->column || first->row > last->row) {
        return std::nullopt;
    }
    return CellRange{first->column, first->row, last->row};
}

void TableSheet::clear() {
    m_visible = false;
    m_rows.clear();
    m_chart = Chart{};
}

TableSheet::Row& TableSheet::rowAt(std::string_view cell, char column) {
    const auto address = parseCell(cell);
    if (!address || address->column != column) {
        refuse("not a cell of this table", cell);
    }
    if (m_rows.size() < address->row) {
        m_rows.resize(address->row);
    }
    return m_rows[address->row - 1];
}

void TableSheet::needChart() const {
    if (!m_chart.added) {
        throw std::invalid_argument("no active chart");
    }
}

void TableSheet::setVisible(bool visible) {
    m_visible = visible;
}

void TableSheet::setRangeValue(std::string_view cell, double value) {
    rowAt(cell, 'a').x = value;
}

void TableSheet::setRangeFormula(std::string_view cell, std::string_view formula,
                                 const CellResult& cached) {
    Row& row = rowAt(cell, 'b');
    row.formula = formula;
    row.cached = cached;
}

void TableSheet::chartsAdd() {
    m_chart = Chart{};
    m_chart.added = true;
}

void TableSheet::setChartType(std::int16_t chartType) {
    needChart();
    if (chartType != kLineChart) {
        throw std::invalid_argument("only a line chart can be shown");
    }
    m_chart.type = chartType;
}

void TableSheet::setSourceData(std::string_view sheet, std::string_view range,
                               std::int16_t plotBy) {
    needChart();
    needSheet(sheet);
    m_chart.values = parseRange(range);
    if (!m_chart.values || plotBy != kPlotByColumns) {
        refuse("not a column of values", range);
    }
}

void TableSheet::setSeriesXValues(std::int16_t series, std::string_view sheet,
                                  std::string_view range) {
    needChart();
    needSheet(sheet);
    m_chart.categories = parseRange(range);
    if (series != 1 || !m_chart.categories) {
        refuse("not a column of categories", range);
    }
}

void TableSheet::location(std::int16_t where, std::string_view name) {
    needChart();
    needSheet(name);
    if (where != kLocationAsObject) {
        throw std::invalid_argument("a chart sheet of its own is not offered");
    }
    m_chart.placed = true;
}

void TableSheet::setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) {
    needChart();
    if (axis != kCategoryAxis) {
        throw std::invalid_argument("only the category axis has a crossing");
    }
    m_chart.crossesAt = crossesAt;
}

std::string tableText(const TableSheet& sheet) {
    std::string out = "x\ty\n";
    for (const TableSheet::Row& row : sheet.rows()) {
        if (row.x) {
            out += displayNumber(*row.x);
        }
        out += '\t';
        if (row.cached.value) {
            out += displayNumber(*row.cached.value);
        }
        out += '\n';
    }
    return out;
}

}  // namespace numira::graph
