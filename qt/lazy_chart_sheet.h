#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "graph/sheet_app.h"

namespace numira {

// The window model's sheetApp from start-up, in place of the chart window "Графика" until the
// first call: that call loads the chart module (and Qt Charts with it), makes the window,
// owned by owner, and hands it that call and every later one. A window the user's session has
// destroyed is made again by the next call.
//
// A module that is missing, cannot be loaded or has no entry point is reported through
// onFailure (the message says which and names the file) at the first call of a table; the
// rest of that table's calls do nothing, and the next table tries again. Nothing throws.
class LazyChartSheet : public graph::SheetApp {
  public:
    explicit LazyChartSheet(QWidget* owner, QString modulePath = defaultModulePath())
        : m_owner(owner), m_modulePath(std::move(modulePath)) {}

    // The module beside the program: <libdir>/numira, found from the program's folder.
    static QString defaultModulePath();
    // Loads another module instead (for the tests); a window already made stays.
    void setModulePath(const QString& path) { m_modulePath = path; }

    // The chart window, or null until a call has made it.
    QWidget* window() const { return m_window; }

    std::function<void(const QString& message)> onFailure;

    void beginTable(const graph::FunctionTable& table) override;
    void setVisible(bool visible) override;
    void setRangeValue(std::string_view cell, double value) override;
    void setRangeFormula(std::string_view cell, std::string_view formula,
                         const graph::CellResult& cached) override;
    void chartsAdd() override;
    void setChartType(std::int16_t chartType) override;
    void setSourceData(std::string_view sheet, std::string_view range,
                       std::int16_t plotBy) override;
    void setSeriesXValues(std::int16_t series, std::string_view sheet,
                          std::string_view range) override;
    void location(std::int16_t where, std::string_view name) override;
    void setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) override;

  private:
    // The window's sheet, made on first use; null when the module failed for this table.
    graph::SheetApp* target();
    void fail(const QString& message);

    QWidget* m_owner;
    QString m_modulePath;
    QPointer<QWidget> m_window;
    graph::SheetApp* m_sheet = nullptr;  // the window's, valid while m_window lives
    bool m_failedThisTable = false;
};

}  // namespace numira
