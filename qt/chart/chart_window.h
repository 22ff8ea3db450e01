// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

#include "engine/engine.h"
#include "graph/command3.h"
#include "graph/curve_sampling.h"
#include "graph/key_points.h"
#include "graph/parallel_values.h"
#include "graph/table_sheet.h"

class QChart;
class QDoubleSpinBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QTimer;
class QValueAxis;

namespace numira {

class Announcer;
class ChartView;
class ChartWindow;
class KeyPointMarks;
class KeyPointsList;

// The sheet the chart window stands for: the procedure's calls fill it, "Visible" shows the
// window and the last call (the axis crossing) draws the table and the chart.
class ChartSheet : public graph::TableSheet {
  public:
    explicit ChartSheet(ChartWindow& window) : m_window(window) {}

    void beginTable(const graph::FunctionTable& table) override;
    void setVisible(bool visible) override;
    std::optional<graph::TableRange> shownRange() const override;
    void setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) override;

  private:
    ChartWindow& m_window;
};

// The window "Графика": the table (x, formula, value) beside a line chart of its rows (the
// first 100 of the default range, x = -49 to 50, which the window then says) against x, with the
// value axis drawn where x = 0. A row with no value is empty in the table and breaks the line. The
// range (from, to, step) can be changed in the window and the table and chart follow; the boxes
// read "0,5" and "0.5" alike and show decimal commas. A bad range is refused with a message and the
// last table stays; the range shown is the one the next table is made over. One button saves the
// table as an .xlsx file, another copies it as tab-separated text with decimal commas. Opened again
// on the same table it draws nothing anew.
//
// The chart is also a tool (ChartView): zoomed or panned, it draws the function afresh over the
// range in view, from the expression, not from the rows; Home brings the rows back. Its
// crosshair reads out the point under the pointer, and the table's key points are marked on it
// and listed beside it, where choosing one centres the chart on it.
class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWindow(QWidget* parent = nullptr);

    // What the window model's sheetApp should be: Command3_Click on it opens this window.
    graph::SheetApp& sheetApp() { return m_sheet; }

    // Tabulates and shows the request's expression over the range in the window's spin boxes
    // (set to the request's range first).
    graph::GraphOutcome showFunction(const graph::GraphRequest& request);

    // Writes the table shown as an .xlsx file; nothing on success, else why it failed.
    std::optional<QString> saveTo(const QString& path);
    // The same, and the window's message line says how it went, in place of what it said
    // before; a saved file's folder is where the next save dialog starts.
    void saveAs(const QString& path);
    // Where the save dialog starts: the last saved file's folder, else the documents folder.
    QString saveFolder() const;
    // The range of the table shown; nothing before the first table.
    std::optional<graph::TableRange> shownRange() const;

    // The table as the clipboard gets it: "x", tab, "y", then one line per row.
    QString tableText() const;

    // For the tests: the parts of the window.
    QTableWidget* table() const { return m_table; }
    QChart* chart() const { return m_chart; }
    const QList<QLineSeries*>& segments() const { return m_segments; }
    QLineSeries* axisLine() const { return m_axisLine; }
    QDoubleSpinBox* fromBox() const { return m_from; }
    QDoubleSpinBox* toBox() const { return m_to; }
    QDoubleSpinBox* stepBox() const { return m_step; }
    QString rangeMessage() const;
    ChartView* chartView() const { return m_chartView; }
    KeyPointsList* keyPointsList() const { return m_pointsList; }
    const graph::KeyPoints& keyPoints() const { return m_keyPoints; }
    // The most points the chart draws a zoomed range with.
    void setCurveBudget(std::size_t points) { m_curveBudget = points; }
    // How many points the last zoomed range was sampled with (the chart draws fewer: at most
    // about two a pixel column).
    std::size_t sampledPoints() const { return m_sampled; }
    // How many of those were evaluated for it, not taken from the range before.
    std::size_t evaluatedPoints() const { return m_curve.evaluated(); }
    // Whether a curve is still being sampled, step by step between the user's events.
    bool sampling() const;
    // Which x the line covers, when that is not the whole table; empty otherwise.
    QString chartCoverage() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    friend class ChartSheet;
    void startTable(const graph::GraphRequest& request);
    void findKeyPoints(const graph::FunctionTable& table);
    void drawKeyPoints();
    void dropCurve();
    void drawRange();
    void sampleHome();
    graph::SampledCurve sampleView();
    void trace(double x, bool spoken);
    QLineSeries* newPiece();
    void draw();
    void drawTable();
    void drawChart();
    void rangeChanged();
    void saveClicked();
    void showMessage(const QString& message, bool problem);
    void colourMessage();
    void copyClicked();

    ChartSheet m_sheet;
    graph::GraphRequest m_request;
    std::optional<graph::GraphRequest> m_drawn;  // what the table and the chart show
    QString m_saveFolder;
    bool m_settingRange = false;

    QDoubleSpinBox* m_from = nullptr;
    QDoubleSpinBox* m_to = nullptr;
    QDoubleSpinBox* m_step = nullptr;
    QLabel* m_message = nullptr;
    bool m_messageIsProblem = false;
    Announcer* m_announcer = nullptr;
    QLabel* m_coverage = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_copy = nullptr;
    QTableWidget* m_table = nullptr;
    QChart* m_chart = nullptr;
    ChartView* m_chartView = nullptr;
    KeyPointsList* m_pointsList = nullptr;
    KeyPointMarks* m_marks = nullptr;
    Engine m_engine;                           // for the points between the rows
    graph::ParallelValues m_values{m_engine};  // and a second core for the zoomed curve
    graph::CurveSampler m_curve{m_values};
    QTimer* m_homeSampler = nullptr;  // samples the home range once the window is idle
    QTimer* m_refiner = nullptr;      // goes on with a curve its frame had no time to finish
    std::size_t m_sampled = 0;
    graph::KeyPoints m_keyPoints;
    std::size_t m_curveBudget = graph::kMaxCurvePoints;
    QList<QLineSeries*> m_pieces;  // every line series of the curve, m_segments the ones in use
    QValueAxis* m_xAxis = nullptr;
    QValueAxis* m_yAxis = nullptr;
    QList<QLineSeries*> m_segments;
    QLineSeries* m_axisLine = nullptr;
};

}  // namespace numira
