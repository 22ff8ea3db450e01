// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/chart_window.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "engine/failure.h"
#include "engine/words.h"
#include "graph/curve_columns.h"
#include "graph/point_text.h"
#include "graph/xlsx_sheet.h"
#include "qt/announcer.h"
#include "qt/chart/chart_view.h"
#include "qt/chart/key_point_marks.h"
#include "qt/chart/key_points_list.h"
#include "qt/contrast.h"
#include "qt/scrolling_page.h"

namespace numira {
namespace {

constexpr int kTicks = 5;
constexpr int kLeastChartWidth = 360;
const QString kLabelFormat = QStringLiteral("%.6g");
// A table shown this long without another is worth sampling as a zoom would.
constexpr int kIdleMs = 250;
// A frame's share of sampling: the rest of 16 ms lays the axes out and draws.
constexpr auto kSamplingTime = std::chrono::milliseconds(9);

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A number box that reads a decimal comma and a decimal point alike, under any locale, and
// shows its number with a decimal comma as the rest of the window does.
class RangeBox : public QDoubleSpinBox {
  public:
    QValidator::State validate(QString& input, int& /*pos*/) const override {
        return graph::readRangeNumber(input.toStdString()) ? QValidator::Acceptable
                                                           : QValidator::Intermediate;
    }
    double valueFromText(const QString& input) const override {
        return graph::readRangeNumber(input.toStdString()).value_or(value());
    }
    QString textFromValue(double v) const override { return numira::text(graph::displayNumber(v)); }
};

QDoubleSpinBox* rangeBox(double value, double minimum) {
    auto* box = new RangeBox;
    box->setDecimals(10);  // no rounding by the box: the number is shown as the table shows it
    box->setRange(minimum, 1e6);
    box->setValue(value);
    return box;
}

QTableWidgetItem* cell(const QString& s) {
    auto* item = new QTableWidgetItem(s);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

void ChartSheet::beginTable(const graph::FunctionTable& table) {
    clear();
    m_window.startTable(table.request);
    m_window.findKeyPoints(table);
    if (table.refused) {
        // No row could have a value: the window says why rather than show an empty table.
        m_window.showMessage(text(failureReasonBg(*table.refused)), true);
        m_window.draw();
        setVisible(true);
    }
}

void ChartSheet::setVisible(bool visible) {
    TableSheet::setVisible(visible);
    m_window.setVisible(visible);
    if (visible) {
        m_window.raise();
        m_window.activateWindow();
    }
}

std::optional<graph::TableRange> ChartSheet::shownRange() const {
    return m_window.shownRange();
}

void ChartSheet::setAxisCrossesAt(std::int16_t axis, std::int16_t crossesAt) {
    TableSheet::setAxisCrossesAt(axis, crossesAt);
    m_window.draw();
}

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent), m_sheet(*this) {
    setWindowFlag(Qt::Window);  // its own window even when the main window owns it
    setWindowTitle(QStringLiteral("Графика"));
    resize(1000, 600);

    const graph::TableRange defaults;
    m_from = rangeBox(defaults.from, -1e6);
    m_to = rangeBox(defaults.to, -1e6);
    m_step = rangeBox(defaults.step, 0);
    m_announcer = new Announcer(this);
    m_message = new QLabel;
    // A message has a line of its own under the range and wraps there; it never widens the
    // window.
    m_message->setWordWrap(true);
    m_message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_coverage = new QLabel;
    m_save = new QPushButton(QStringLiteral("Запис като файл .xlsx…"));
    m_save->setObjectName(QStringLiteral("saveTable"));
    m_copy = new QPushButton(QStringLiteral("Копиране на таблицата"));
    m_from->setAccessibleName(QStringLiteral("от"));
    m_to->setAccessibleName(QStringLiteral("до"));
    m_step->setAccessibleName(QStringLiteral("стъпка"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("x от")));
    controls->addWidget(m_from);
    controls->addWidget(new QLabel(QStringLiteral("до")));
    controls->addWidget(m_to);
    controls->addWidget(new QLabel(QStringLiteral("стъпка")));
    controls->addWidget(m_step);
    controls->addStretch(1);
    controls->addWidget(m_save);
    controls->addWidget(m_copy);

    m_table = new QTableWidget(0, 3);
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("x"), QStringLiteral("Формула"), QStringLiteral("y")});
    m_table->verticalHeader()->setVisible(false);
    m_table->setAccessibleName(QStringLiteral("Таблица"));
    m_table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move inside it
    m_table->setWordWrap(false);          // a number cut at its comma reads as two numbers
    // Sized to the contents once per new table (draw), not measured again with every cell.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    m_chart = new QChart;
    m_chart->legend()->hide();
    m_xAxis = new QValueAxis;
    m_yAxis = new QValueAxis;
    m_xAxis->setLabelFormat(kLabelFormat);
    m_yAxis->setLabelFormat(kLabelFormat);
    // The axes write their numbers as the table does: a decimal comma, no digit groups.
    QLocale decimalComma(QLocale::Bulgarian, QLocale::Bulgaria);
    decimalComma.setNumberOptions(QLocale::OmitGroupSeparator);
    m_chart->setLocale(decimalComma);
    m_chart->setLocalizeNumbers(true);
    m_xAxis->setTitleText(QStringLiteral("x"));
    m_yAxis->setTitleText(QStringLiteral("y"));
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    m_chartView = new ChartView(m_chart, m_xAxis, m_yAxis);
    m_marks = new KeyPointMarks(m_chart, m_xAxis, m_yAxis);
    m_chartView->setAccessibleName(QStringLiteral("Графика"));
    m_pointsList = new KeyPointsList;

    auto* splitter = new QSplitter;
    splitter->addWidget(m_table);
    splitter->addWidget(m_chartView);
    splitter->addWidget(m_pointsList);
    // A window narrower or wider than this shares the difference out among all three, the
    // chart the most; the chart never gets too narrow to read, and a window placed beside the
    // calculator is not made narrower than that.
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 4);
    splitter->setStretchFactor(2, 1);
    m_chartView->setMinimumWidth(kLeastChartWidth);
    splitter->setSizes({340, 500, 160});  // the table wide enough for its formulas

    auto* layout = new QVBoxLayout(scrollingPage(this));
    layout->addLayout(controls);
    layout->addWidget(m_message);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_coverage);

    for (QDoubleSpinBox* box : {m_from, m_to, m_step}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { rangeChanged(); });
    }
    connect(m_save, &QPushButton::clicked, this, [this] { saveClicked(); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyClicked(); });
    // The home range is drawn from the rows. Sampled as well while the user looks at it, it
    // lends its points to the first zoom or pan, which then evaluates as little as the next.
    m_homeSampler = new QTimer(this);
    m_homeSampler->setSingleShot(true);
    connect(m_homeSampler, &QTimer::timeout, this, [this] { sampleHome(); });
    // A curve cut short by its frame's time gets the rest of its points in the next turn of
    // the event loop, after whatever the user did meanwhile.
    m_refiner = new QTimer(this);
    m_refiner->setSingleShot(true);
    m_refiner->setInterval(0);
    connect(m_refiner, &QTimer::timeout, this, [this] { drawRange(); });
    connect(m_chartView, &ChartView::rangeChanging, this, [this] { dropCurve(); });
    connect(m_chartView, &ChartView::rangeChanged, this, [this] { drawRange(); });
    connect(m_chartView, &ChartView::homeRequested, this, [this] { drawChart(); });
    connect(m_chartView, &ChartView::traceMoved, this,
            [this](double x, bool spoken) { trace(x, spoken); });
    connect(m_pointsList, &KeyPointsList::pointChosen, this, [this](double x, double y, bool hasY) {
        const ChartRange r = m_chartView->range();
        m_chartView->centreOn(x, hasY ? y : (r.yMin + r.yMax) / 2);
    });
}

graph::GraphOutcome ChartWindow::showFunction(const graph::GraphRequest& request) {
    const graph::GraphOutcome outcome = graph::Command3_Click(m_sheet, request);
    if (outcome == graph::GraphOutcome::BadRange) {
        showMessage(text(*graph::rangeProblem(request.range)), true);
    }
    return outcome;
}

void ChartWindow::startTable(const graph::GraphRequest& request) {
    m_request = request;
    m_settingRange = true;
    m_from->setValue(request.range.from);
    m_to->setValue(request.range.to);
    m_step->setValue(request.range.step);
    m_settingRange = false;
    m_message->clear();
}

void ChartWindow::rangeChanged() {
    if (m_settingRange) {
        return;
    }
    graph::GraphRequest request = m_request;
    request.range = {m_from->value(), m_to->value(), m_step->value()};
    if (const auto problem = graph::rangeProblem(request.range)) {
        showMessage(text(*problem), true);  // the last good table stays
        return;
    }
    showFunction(request);
}

QString ChartWindow::rangeMessage() const {
    return m_message->text();
}

std::optional<graph::TableRange> ChartWindow::shownRange() const {
    if (m_request.expression.empty()) {
        return std::nullopt;
    }
    return m_request.range;
}

void ChartWindow::draw() {
    // Opened again on the same table: what is drawn is still right.
    if (m_drawn == m_request) {
        return;
    }
    drawTable();
    drawChart();
    m_drawn = m_request;
}

void ChartWindow::drawTable() {
    const auto& rows = m_sheet.rows();
    m_table->setUpdatesEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < m_table->rowCount(); ++i) {
        const graph::TableSheet::Row& row = rows[static_cast<std::size_t>(i)];
        m_table->setItem(i, 0, cell(row.x ? text(graph::displayNumber(*row.x)) : QString()));
        m_table->setItem(i, 1, cell(text(row.formula)));
        QTableWidgetItem* value =
            cell(row.cached.value ? text(graph::displayNumber(*row.cached.value)) : QString());
        if (row.cached.failure) {
            value->setToolTip(text(failureReasonBg(*row.cached.failure)));
        }
        m_table->setItem(i, 2, value);
    }
    m_table->resizeColumnsToContents();
    m_table->setUpdatesEnabled(true);
}

QString ChartWindow::chartCoverage() const {
    return m_coverage->text();
}

QLineSeries* ChartWindow::newPiece() {
    auto* piece = new QLineSeries;
    QPen pen(QColor(0x1f, 0x4e, 0xa8));
    pen.setWidthF(2);
    piece->setPen(pen);
    m_pieces.append(piece);
    return piece;
}

void ChartWindow::drawChart() {
    m_refiner->stop();  // the rows are drawn now, not the curve of a zoom
    m_chart->removeAllSeries();
    m_marks->clear();
    m_segments.clear();
    m_pieces.clear();
    m_axisLine = nullptr;
    m_coverage->clear();
    const graph::TableSheet::Chart& sheetChart = m_sheet.chart();
    const auto& rows = m_sheet.rows();
    if (!sheetChart.values || !sheetChart.categories) {
        return;
    }
    const graph::CellRange& shown = *sheetChart.categories;
    if ((shown.first > 1 || shown.last < rows.size()) && shown.last <= rows.size() &&
        rows[shown.first - 1].x && rows[shown.last - 1].x) {
        m_coverage->setText(
            QStringLiteral("Линията е за x от %1 до %2, редове %3–%4 от %5 в таблицата.")
                .arg(text(graph::displayNumber(*rows[shown.first - 1].x)),
                     text(graph::displayNumber(*rows[shown.last - 1].x)))
                .arg(shown.first)
                .arg(shown.last)
                .arg(rows.size()));
    }
    const std::size_t count = std::min(sheetChart.values->last - sheetChart.values->first,
                                       sheetChart.categories->last - sheetChart.categories->first) +
                              1;
    const auto rowAt = [&](std::size_t first, std::size_t k) -> const graph::TableSheet::Row* {
        const std::size_t index = first - 1 + k;
        return index < rows.size() ? &rows[index] : nullptr;
    };
    const auto breakBetween = [this](double a, double b) {
        return std::any_of(m_keyPoints.breaks.begin(), m_keyPoints.breaks.end(),
                           [&](double x) { return a < x && x < b; });
    };
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    bool anyX = false, anyY = false;
    QLineSeries* segment = nullptr;
    double lastX = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const graph::TableSheet::Row* xRow = rowAt(sheetChart.categories->first, k);
        const graph::TableSheet::Row* yRow = rowAt(sheetChart.values->first, k);
        if (xRow == nullptr || !xRow->x) {
            segment = nullptr;
            continue;
        }
        const double x = *xRow->x;
        xMin = anyX ? std::min(xMin, x) : x;
        xMax = anyX ? std::max(xMax, x) : x;
        anyX = true;
        if (yRow == nullptr || !yRow->cached.value) {
            segment = nullptr;  // no value here: the line breaks
            continue;
        }
        const double y = *yRow->cached.value;
        if (segment != nullptr && breakBetween(lastX, x)) {
            segment = nullptr;  // a pole or a jump between the rows: no line across it
        }
        yMin = anyY ? std::min(yMin, y) : y;
        yMax = anyY ? std::max(yMax, y) : y;
        anyY = true;
        if (segment == nullptr) {
            segment = newPiece();
            m_segments.append(segment);
        }
        segment->append(x, y);
        lastX = x;
    }
    if (!anyY) {
        yMin = -1;
        yMax = 1;
    } else if (yMin == yMax) {
        yMin -= 1;
        yMax += 1;
    }
    if (xMin == xMax) {
        xMin -= 1;
        xMax += 1;
    }
    // Round numbers on the axes: the ticks of the default range land on 0, not on 0.5.
    m_xAxis->setRange(xMin, xMax);
    m_yAxis->setRange(yMin, yMax);
    // The nice numbers change the tick count they start from: the same rows get the same axes
    // every time, as Home expects.
    for (QValueAxis* axis : {m_xAxis, m_yAxis}) {
        axis->setTickType(QValueAxis::TicksFixed);  // a zoom left them on round steps
        axis->setLabelFormat(kLabelFormat);
        axis->setTickCount(kTicks);
        axis->applyNiceNumbers();
    }
    yMin = m_yAxis->min();
    yMax = m_yAxis->max();
    for (QLineSeries* s : m_segments) {
        m_chart->addSeries(s);
        s->attachAxis(m_xAxis);
        s->attachAxis(m_yAxis);
    }
    // The value axis stands at the crossing category, x = 0 with the default range.
    if (sheetChart.crossesAt >= 1) {
        const graph::TableSheet::Row* crossing =
            rowAt(sheetChart.categories->first, static_cast<std::size_t>(sheetChart.crossesAt) - 1);
        if (crossing != nullptr && crossing->x) {
            m_axisLine = new QLineSeries;
            m_axisLine->setPen(QPen(Qt::black, 1));
            m_axisLine->append(*crossing->x, yMin);
            m_axisLine->append(*crossing->x, yMax);
            m_chart->addSeries(m_axisLine);
            m_axisLine->attachAxis(m_xAxis);
            m_axisLine->attachAxis(m_yAxis);
        }
    }
    m_chartView->setHome({m_xAxis->min(), m_xAxis->max(), yMin, yMax});
    drawKeyPoints();
    m_homeSampler->start(kIdleMs);
}

// In steps of a frame's sampling, with the user's events between them: a long expression
// must not hold the window while the user looks at the table.
void ChartWindow::sampleHome() {
    if (!sampleView().complete) {
        m_homeSampler->start(0);
    }
}

// The range in view, sampled for as long as a frame allows.
graph::SampledCurve ChartWindow::sampleView() {
    const ChartRange r = m_chartView->range();
    return m_curve.sample(m_request, r.xMin, r.xMax, graph::YRange{r.yMin, r.yMax}, m_curveBudget,
                          std::chrono::steady_clock::now() + kSamplingTime);
}

bool ChartWindow::sampling() const {
    return m_homeSampler->isActive() || m_refiner->isActive();
}

void ChartWindow::findKeyPoints(const graph::FunctionTable& table) {
    m_keyPoints = graph::findKeyPoints(table, m_engine);
    m_pointsList->showPoints(m_keyPoints, table.request.decimals);
}

void ChartWindow::drawKeyPoints() {
    m_marks->setPoints(m_keyPoints);
}

// Each series laid out again for new axes strokes its whole line (for its shape); the curve is
// about to be sampled afresh, so its old points are not worth it.
void ChartWindow::dropCurve() {
    for (QLineSeries* piece : std::as_const(m_pieces)) {
        piece->clear();
    }
}

// The range in view, sampled afresh from the expression into the same line series.
void ChartWindow::drawRange() {
    m_homeSampler->stop();
    const ChartRange r = m_chartView->range();
    const graph::SampledCurve curve = sampleView();
    m_sampled = curve.pointCount();
    if (!curve.complete) {
        m_refiner->start();
    }
    // Qt strokes every point it is given; more than the pixels can show only costs time.
    const auto pieces = graph::thinToColumns(curve.pieces, r.xMin, r.xMax,
                                             static_cast<int>(m_chart->plotArea().width()));
    m_segments.clear();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(pieces[i].size()));
        for (const graph::CurvePoint& p : pieces[i]) {
            points.append({p.x, p.y});
        }
        QLineSeries* piece = nullptr;
        if (i < static_cast<std::size_t>(m_pieces.size())) {
            piece = m_pieces[static_cast<qsizetype>(i)];
        } else {
            piece = newPiece();
            m_chart->addSeries(piece);
            piece->attachAxis(m_xAxis);
            piece->attachAxis(m_yAxis);
        }
        piece->replace(points);
        m_segments.append(piece);
    }
    for (qsizetype i = m_segments.size(); i < m_pieces.size(); ++i) {
        m_pieces[i]->clear();
    }
    if (m_axisLine != nullptr && m_axisLine->count() == 2) {
        const double x = m_axisLine->at(0).x();
        m_axisLine->replace({{x, r.yMin}, {x, r.yMax}});
    }
}

void ChartWindow::trace(double x, bool spoken) {
    const graph::XValue at = graph::tableX(x);
    const graph::FunctionValue v = graph::evaluateAt(m_engine, m_request, at.text);
    const QString said = text(graph::traceText(at.x, v, m_request.decimals));
    m_chartView->showTrace(at.x, v.value, said);
    // Orca does not speak a changed description, even of the focused chart.
    if (spoken) {
        m_announcer->say(said);
    }
}

QString ChartWindow::tableText() const {
    return text(graph::tableText(m_sheet));
}

std::optional<QString> ChartWindow::saveTo(const QString& path) {
    if (const auto problem = graph::saveTable(m_request, path.toStdString())) {
        return text(*problem);
    }
    return std::nullopt;
}

void ChartWindow::showMessage(const QString& message, bool problem) {
    m_messageIsProblem = problem;
    colourMessage();
    m_message->setText(message);
    m_announcer->say(message);
}

// A problem in red, readable against the window; news of a saved file in the window's own
// colour, not as a warning.
void ChartWindow::colourMessage() {
    QPalette colours;
    if (m_messageIsProblem) {
        colours.setColor(QPalette::WindowText,
                         readableAgainst(QColor(0xb0, 0, 0), palette().color(QPalette::Window)));
    }
    m_message->setPalette(colours);
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colourMessage();  // the red was chosen against the old background
    }
}

QString ChartWindow::saveFolder() const {
    if (!m_saveFolder.isEmpty() && QFileInfo(m_saveFolder).isDir()) {
        return m_saveFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void ChartWindow::saveAs(const QString& path) {
    if (const auto problem = saveTo(path)) {
        showMessage(*problem, true);
        return;
    }
    m_saveFolder = QFileInfo(path).absolutePath();
    showMessage(QString::fromUtf8(word(Word::TableSaved)).arg(path), false);
}

void ChartWindow::saveClicked() {
    // The dialog adds the suffix itself, so that its question before overwriting a file
    // covers a name typed without ".xlsx" too.
    QFileDialog dialog(this, QStringLiteral("Запис на таблицата"), saveFolder(),
                       QStringLiteral("Таблица (*.xlsx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(QStringLiteral("графика.xlsx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    saveAs(dialog.selectedFiles().constFirst());
}

void ChartWindow::copyClicked() {
    QApplication::clipboard()->setText(tableText());
}

}  // namespace numira
