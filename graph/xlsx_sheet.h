// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graph/command3.h"
#include "graph/key_points.h"
#include "graph/sheet_app.h"
#include "graph/table_sheet.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_chart;
struct lxw_chart_series;

namespace numira::graph {

// While it lives, whatever the process writes to stderr goes nowhere: the writer prints its
// own messages in English there, and the user gets the reason in Bulgarian instead.
class QuietStderr {
  public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    int m_saved = -1;
};

// A spreadsheet file (.xlsx) in place of the spreadsheet server: the sheet "Sheet1" with the
// x values in column A, the formulas in column B with their computed values cached (a row
// with no value caches the empty text, never a false number; text that is no formula is
// stored as text), and the line chart placed in the sheet, its cached points the computed
// values. A call it cannot follow throws std::invalid_argument, as TableSheet does.
//
// The file is written by close(), never in place: into a new file beside the target (where
// the writer also keeps its own scratch files), checked to be whole, then renamed over the
// target. Whatever fails, the file that was there stays as it was and no other file is left
// behind; the same holds for a sheet destroyed without close(). A save killed midway leaves
// its new file, hidden (".numira-XXXXXX.xlsx"); the next save into that folder removes such
// files that no running save holds. Numbers in the file are
// written with a decimal point whatever the C library's locale.
class XlsxSheet : public SheetApp {
  public:
    explicit XlsxSheet(const std::string& path);
    ~XlsxSheet() override;
    XlsxSheet(const XlsxSheet&) = delete;
    XlsxSheet& operator=(const XlsxSheet&) = delete;

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

    // Adds the sheet "Особени точки": a row of titles, then one row per point, its kind (the
    // list's title, "Нули"), x and y as numbers (no y for a break), in the lists' order.
    void addKeyPoints(const KeyPoints& points);

    // Writes the file; nothing on success, otherwise the message for the user, in Bulgarian
    // (see saveFailureMessage).
    std::optional<std::string> close();

  private:
    void cacheChartValues();
    void abandon();

    QuietStderr m_quiet;  // first made, last gone: the writer's whole life
    std::string m_target;
    std::string m_folder;
    std::string m_temporary;  // the new file beside the target; empty when none was made
    int m_lock = -1;          // holds the new file's lock while this save works on it
    int m_failure = 0;        // errno of a failure found before writing
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_worksheet = nullptr;
    lxw_chart* m_placed = nullptr;  // the chart once it is in the sheet
    lxw_chart_series* m_series = nullptr;
    TableSheet m_chartCalls;  // checks the chart calls and keeps them until Location
    std::vector<std::optional<double>> m_values;  // column b's values, [0] is row 1
};

// The request's table and chart, and its key points on a second sheet, saved as an .xlsx file
// at path, as the chart window and
// numira-cli --table save it. Nothing on success, otherwise the message for the user.
std::optional<std::string> saveTable(const GraphRequest& request, const std::string& path);
std::optional<std::string> saveTable(const FunctionTable& table, const std::string& path);

}  // namespace numira::graph
