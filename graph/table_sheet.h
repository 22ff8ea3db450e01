// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "graph/sheet_app.h"

namespace numira::graph {

// A cell address split up: "b17" is column 'b', row 17; "a1:a100" is rows 1 to 100 of 'a'.
struct CellAddress {
    char column = 0;  // lower case
    std::size_t row = 0;
};
struct CellRange {
    char column = 0;
    std::size_t first = 0;
    std::size_t last = 0;
};
std::optional<CellAddress> parseCell(std::string_view address);
std::optional<CellRange> parseRange(std::string_view range);

// A spreadsheet kept in memory: x in column A, the formulas and their computed values in
// column b, and one line chart. It stands in for the spreadsheet server where the table is
// only shown. A call it cannot follow (another column, a bad address, a chart call before
// Charts.Add, a sheet other than "Sheet1") throws std::invalid_argument.
class TableSheet : public SheetApp {
  public:
    struct Row {
        std::optional<double> x;
        std::string formula;
        CellResult cached;
    };
    struct Chart {
        bool added = false;
        std::int16_t type = 0;
        std::optional<CellRange> values;
        std::optional<CellRange> categories;
        bool placed = false;
        std::int16_t crossesAt = 0;  // the category (from 1) where the value axis stands
    };

    void setVisible(bool visible) override;
    void setRangeValue(std::string_view cell, double value) override;
    void setRangeFormula(std::string_view cell, std::string_view formula,
                         const CellResult& cached) override;
    void chartsAdd() override;
    void setChartType(std::int16_t chartType) override;
    void setSourceData(std::string_view sheet, std::string_view range,
                       std::int16_t plotBy) override;
    void setSeriesXValues(std::int16_t series, std::string_view sheet,
                          std::string_view range) override;
    void location(std::int16_t where, std::string_view name) override;
    void setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) override;

    // Empties the sheet for the next table.
    void clear();

    bool visible() const { return m_visible; }
    const std::vector<Row>& rows() const { return m_rows; }  // rows()[0] is row 1
    const Chart& chart() const { return m_chart; }

  private:
    Row& rowAt(std::string_view cell, char column);
    void needChart() const;

    bool m_visible = false;
    std::vector<Row> m_rows;
    Chart m_chart;
};

// The sheet as text for the clipboard and the command line: "x", tab, "y", then one line per
// row, x and its value with decimal commas, the value empty where there is none.
std::string tableText(const TableSheet& sheet);

}  // namespace numira::graph
