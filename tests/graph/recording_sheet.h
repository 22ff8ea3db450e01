// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "graph/function_table.h"
#include "graph/sheet_app.h"

namespace numira::graph::testing {

// Writes down every call as the spreadsheet server's object model spells it, one line each,
// and can fail at a chosen call to stand for a server that gives up. It also keeps what a
// server would then hold: the cells, and the chart's settings by name. As on a server, a chart
// setting before Charts.Add has no chart to go to.
class RecordingSheet : public SheetApp {
  public:
    std::vector<std::string> calls;
    std::map<std::string, std::string> cells;  // "A1" -> "-49", "b1" -> "=2*(-49)+1"
    std::map<std::string, std::string> chart;  // "chartType" -> "4", ...
    std::vector<CellResult> cached;            // what came with each formula
    std::size_t tables = 0;                    // beginTable calls, kept apart from the server's
    std::size_t failAtCall = 0;                // 1-based; 0 never fails

    void beginTable(const FunctionTable&) override { ++tables; }
    void setVisible(bool visible) override {
        record(std::string("Visible = ") + (visible ? "True" : "False"));
    }
    void setRangeValue(std::string_view cell, double value) override {
        record("activesheet.Range(" + std::string(cell) + ") = " + numberText(value));
        cells[std::string(cell)] = numberText(value);
    }
    void setRangeFormula(std::string_view cell, std::string_view formula,
                         const CellResult& result) override {
        record("activesheet.Range(" + std::string(cell) +
               ").FormulaR1C1 = " + std::string(formula));
        cells[std::string(cell)] = formula;
        cached.push_back(result);
    }
    void chartsAdd() override {
        record("Charts.Add");
        chart = {{"added", "yes"}};
    }
    void setChartType(std::int16_t chartType) override {
        record("ActiveChart.chartType = " + std::to_string(chartType));
        setChart("chartType", std::to_string(chartType));
    }
    void setSourceData(std::string_view sheet, std::string_view range,
                       std::int16_t plotBy) override {
        record("ActiveChart.SetSourceData Source:=Sheets(" + std::string(sheet) + ").Range(" +
               std::string(range) + "), PlotBy:=" + std::to_string(plotBy));
        setChart("source", std::string(sheet) + "!" + std::string(range));
        setChart("plotBy", std::to_string(plotBy));
    }
    void setSeriesXValues(std::int16_t series, std::string_view sheet,
                          std::string_view range) override {
        record("ActiveChart.SeriesCollection(" + std::to_string(series) + ").XValues = Sheets(" +
               std::string(sheet) + ").Range(" + std::string(range) + ")");
        setChart("xValues" + std::to_string(series), std::string(sheet) + "!" + std::string(range));
    }
    void location(std::int16_t where, std::string_view name) override {
        record("ActiveChart.Location Where:=" + std::to_string(where) +
               ", Name:=" + std::string(name));
        setChart("location", std::to_string(where) + ":" + std::string(name));
    }
    void setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) override {
        record("ActiveChart.Axes(" + std::to_string(axis) +
               ").CrossesAt = " + std::to_string(crossesAt));
        setChart("crossesAt" + std::to_string(axis), std::to_string(crossesAt));
    }

  private:
    void setChart(const std::string& setting, std::string value) {
        if (!chart.count("added")) {
            throw std::runtime_error("no active chart for " + setting);
        }
        chart[setting] = std::move(value);
    }
    void record(std::string call) {
        if (calls.size() + 1 == failAtCall) {
            throw std::runtime_error("the server failed at " + call);
        }
        calls.push_back(std::move(call));
    }
};

}  // namespace numira::graph::testing
