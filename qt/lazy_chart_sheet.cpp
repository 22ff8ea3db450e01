#include "qt/lazy_chart_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "qt/chart/chart_module.h"
#include "qt/window_place.h"

namespace numira {

QString LazyChartSheet::defaultModulePath() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(bin.absoluteFilePath(QStringLiteral(NUMIRA_CHART_MODULE)));
}

void LazyChartSheet::fail(const QString& message) {
    m_failedThisTable = true;
    if (onFailure) {
        onFailure(QStringLiteral("Графиката не може да се зареди: ") + message);
    }
}

graph::SheetApp* LazyChartSheet::target() {
    if (!m_window.isNull()) {
        return m_sheet;
    }
    if (m_failedThisTable) {
        return nullptr;
    }
    m_sheet = nullptr;
    if (!QFileInfo::exists(m_modulePath)) {
        fail(QStringLiteral("липсва модулът за графики %1.").arg(m_modulePath));
        return nullptr;
    }
    // The library stays loaded for the rest of the run: the window's code lives in it.
    QLibrary library(m_modulePath);
    if (!library.load()) {
        fail(QStringLiteral("модулът за графики %1 не се зарежда (%2).")
                 .arg(m_modulePath, library.errorString()));
        return nullptr;
    }
    const auto create =
        reinterpret_cast<CreateChartWindow>(library.resolve(kCreateChartWindowSymbol));
    if (create == nullptr) {
        fail(QStringLiteral("%1 не е модул за графики.").arg(m_modulePath));
        return nullptr;
    }
    graph::SheetApp* sheet = nullptr;
    QWidget* window = create(m_owner, &sheet);
    window->setObjectName(QStringLiteral("chartWindow"));
    closeOnEscape(window);
    if (m_owner != nullptr) {
        fitBeside(window, m_owner);
        placeByFrame(window, besideWindow(m_owner));
    }
    m_window = window;
    m_sheet = sheet;
    return m_sheet;
}

void LazyChartSheet::beginTable(const graph::FunctionTable& table) {
    m_failedThisTable = false;
    if (graph::SheetApp* sheet = target()) {
        sheet->beginTable(table);
    }
}

void LazyChartSheet::setVisible(bool visible) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setVisible(visible);
    }
}

void LazyChartSheet::setRangeValue(std::string_view cell, double value) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setRangeValue(cell, value);
    }
}

void LazyChartSheet::setRangeFormula(std::string_view cell, std::string_view formula,
                                     const graph::CellResult& cached) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setRangeFormula(cell, formula, cached);
    }
}

void LazyChartSheet::chartsAdd() {
    if (graph::SheetApp* sheet = target()) {
        sheet->chartsAdd();
    }
}

void LazyChartSheet::setChartType(std::int16_t chartType) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setChartType(chartType);
    }
}

void LazyChartSheet::setSourceData(std::string_view sheetName, std::string_view range,
                                   std::int16_t plotBy) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setSourceData(sheetName, range, plotBy);
    }
}

void LazyChartSheet::setSeriesXValues(std::int16_t series, std::string_view sheetName,
                                      std::string_view range) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setSeriesXValues(series, sheetName, range);
    }
}

void LazyChartSheet::location(std::int16_t where, std::string_view name) {
    if (graph::SheetApp* sheet = target()) {
        sheet->location(where, name);
    }
}

void LazyChartSheet::setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) {
    if (graph::SheetApp* sheet = target()) {
        sheet->setAxisCrossesAt(axis, crossesAt);
    }
}

}  // namespace numira
