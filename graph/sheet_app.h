// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/failure.h"
#include "graph/function_table.h"

namespace numira::graph {

// What a formula cell holds once computed, so that a sheet need not compute it again.
struct CellResult {
    std::optional<double> value;     // the engine's value
    std::optional<Failure> failure;  // or why there is none
    bool isFormula = true;           // false: the text cannot be stored as a formula
};

// The spreadsheet server that Command3_Click drives, one member per call it makes, in the
// order it makes them. A failing member throws; the procedure ends at that call and the sheet
// keeps what it has. Numbers the server gets as 16-bit integers stay std::int16_t here.
class SheetApp {
  public:
    virtual ~SheetApp() = default;

    // Not a server call: before its calls the procedure hands a substitute the whole table
    // (and so what it is of), for one that can show it or tabulate again over another range.
    virtual void beginTable(const FunctionTable& /*table*/) {}
    // Not a server call either: the range of the table a substitute shows, where the user can
    // change it; the next table is made over that range, so that it stays for the session.
    virtual std::optional<TableRange> shownRange() const { return std::nullopt; }

    // sheetApp.Visible = visible
    virtual void setVisible(bool visible) = 0;
    // sheetApp.activesheet.Range(cell) = value
    virtual void setRangeValue(std::string_view cell, double value) = 0;
    // sheetApp.activesheet.Range(cell).FormulaR1C1 = formula
    virtual void setRangeFormula(std::string_view cell, std::string_view formula,
                                 const CellResult& cached) = 0;
    // sheetApp.Charts.Add
    virtual void chartsAdd() = 0;
    // sheetApp.ActiveChart.chartType = chartType
    virtual void setChartType(std::int16_t chartType) = 0;
    // sheetApp.ActiveChart.SetSourceData Source:=sheetApp.Sheets(sheet).Range(range), PlotBy:=
    virtual void setSourceData(std::string_view sheet, std::string_view range,
                               std::int16_t plotBy) = 0;
    // sheetApp.ActiveChart.SeriesCollection(series).XValues = sheetApp.Sheets(sheet).Range(range)
    virtual void setSeriesXValues(std::int16_t series, std::string_view sheet,
                                  std::string_view range) = 0;
    // sheetApp.ActiveChart.Location Where:=where, Name:=name
    virtual void location(std::int16_t where, std::string_view name) = 0;
    // sheetApp.ActiveChart.Axes(axis).CrossesAt = crossesAt
    virtual void setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) = 0;
};

// The server's codes.
inline constexpr std::int16_t kLineChart = 4;
inline constexpr std::int16_t kPlotByColumns = 2;
inline constexpr std::int16_t kLocationAsObject = 2;
inline constexpr std::int16_t kCategoryAxis = 1;
inline constexpr std::string_view kSheetName = "Sheet1";

}  // namespace numira::graph
