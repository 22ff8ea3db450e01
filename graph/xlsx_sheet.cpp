#include "graph/xlsx_sheet.h"

#include <xlsxwriter.h>
#include <stdexcept>

namespace numira::graph {
namespace {

lxw_row_t rowIndex(std::size_t row) {
    return static_cast<lxw_row_t>(row - 1);
}

lxw_col_t columnIndex(char column) {
    return static_cast<lxw_col_t>(column - 'a');
}

CellAddress cellOf(std::string_view cell) {
    const auto address = parseCell(cell);
    if (!address) {
        throw std::invalid_argument("not a cell address: " + std::string(cell));
    }
    return *address;
}

void check(lxw_error error) {
    if (error != LXW_NO_ERROR) {
        throw std::invalid_argument(lxw_strerror(error));
    }
}

}  // namespace

XlsxSheet::XlsxSheet(const std::string& path) : m_workbook(workbook_new(path.c_str())) {
    if (m_workbook == nullptr) {
        throw std::runtime_error("cannot start the spreadsheet file");
    }
    m_worksheet = workbook_add_worksheet(m_workbook, std::string(kSheetName).c_str());
}

XlsxSheet::~XlsxSheet() {
    if (m_workbook != nullptr) {
        workbook_close(m_workbook);
    }
}

std::optional<std::string> XlsxSheet::close() {
    lxw_workbook* workbook = m_workbook;
    m_workbook = nullptr;
    if (workbook == nullptr) {
        return "the file is already closed";
    }
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        return std::string(lxw_strerror(error));
    }
    return std::nullopt;
}

void XlsxSheet::setVisible(bool /*visible*/) {}

void XlsxSheet::setRangeValue(std::string_view cell, double value) {
    const CellAddress a = cellOf(cell);
    check(worksheet_write_number(m_worksheet, rowIndex(a.row), columnIndex(a.column), value,
                                 nullptr));
}

void XlsxSheet::setRangeFormula(std::string_view cell, std::string_view formula,
                                const CellResult& cached) {
    const CellAddress a = cellOf(cell);
    const std::string text(formula);
    const lxw_row_t row = rowIndex(a.row);
    const lxw_col_t col = columnIndex(a.column);
    if (!cached.isFormula) {
        check(worksheet_write_string(m_worksheet, row, col, text.c_str(), nullptr));
    } else if (cached.value) {
        check(worksheet_write_formula_num(m_worksheet, row, col, text.c_str(), nullptr,
                                          *cached.value));
    } else {
        // The spreadsheet computes its own error value when it recalculates.
        check(worksheet_write_formula_str(m_worksheet, row, col, text.c_str(), nullptr, ""));
    }
}

void XlsxSheet::chartsAdd() {
    m_chartCalls.chartsAdd();
    m_placed = nullptr;
}

void XlsxSheet::setChartType(std::int16_t chartType) {
    m_chartCalls.setChartType(chartType);
}

void XlsxSheet::setSourceData(std::string_view sheet, std::string_view range, std::int16_t plotBy) {
    m_chartCalls.setSourceData(sheet, range, plotBy);
}

void XlsxSheet::setSeriesXValues(std::int16_t series, std::string_view sheet,
                                 std::string_view range) {
    m_chartCalls.setSeriesXValues(series, sheet, range);
}

void XlsxSheet::location(std::int16_t where, std::string_view name) {
    m_chartCalls.location(where, name);
    const TableSheet::Chart& c = m_chartCalls.chart();
    if (!c.values || !c.categories) {
        throw std::invalid_argument("the chart has no data");
    }
    lxw_chart* chart = workbook_add_chart(m_workbook, LXW_CHART_LINE);
    if (chart == nullptr) {
        throw std::invalid_argument("cannot add a chart");
    }
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    const std::string sheet(kSheetName);
    chart_series_set_values(series, sheet.c_str(), rowIndex(c.values->first),
                            columnIndex(c.values->column), rowIndex(c.values->last),
                            columnIndex(c.values->column));
    chart_series_set_categories(series, sheet.c_str(), rowIndex(c.categories->first),
                                columnIndex(c.categories->column), rowIndex(c.categories->last),
                                columnIndex(c.categories->column));
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    check(worksheet_insert_chart(m_worksheet, 1, 3, chart));
    m_placed = chart;
}

void XlsxSheet::setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) {
    m_chartCalls.setAxisCrossesAt(axis, crossesAt);
    if (m_placed == nullptr) {
        throw std::invalid_argument("the chart is not in the sheet");
    }
    chart_axis_set_crossing(m_placed->x_axis, crossesAt);
}

}  // namespace numira::graph
