// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/chart/chart_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTableWidget>
#include <filesystem>

#include "engine/words.h"
#include "qt/announcer.h"
#include "qt/contrast.h"

namespace numira {
namespace {

QString words(Word id) {
    return QString::fromUtf8(word(id));
}

// A save into a folder that does not exist.
QString noFolderMessage() {
    return QString::fromStdString(word(Word::TableNotSaved, {word(Word::FolderMissing)}));
}

// One application for all the tests, made before the first window, with no screen.
QApplication& application() {
    static int argc = 1;
    static char name[] = "chart-window-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

class ChartWindowTest : public ::testing::Test {
  protected:
    struct Application {
        Application() { application(); }
    } m_application;  // before the window
    ChartWindow window;
};

std::size_t pointCount(const QList<QLineSeries*>& segments) {
    std::size_t n = 0;
    for (const QLineSeries* s : segments) {
        n += static_cast<std::size_t>(s->count());
    }
    return n;
}

TEST_F(ChartWindowTest, TheProcedureOpensTheWindowWithAParabola) {
    ASSERT_EQ(graph::Command3_Click(window.sheetApp(), graph::GraphRequest{"x^2", false, {}}),
              graph::GraphOutcome::Tabulated);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Графика"));
    ASSERT_EQ(window.table()->rowCount(), 200);
    EXPECT_EQ(window.table()->item(0, 0)->text(), QStringLiteral("-49"));
    EXPECT_EQ(window.table()->item(0, 1)->text(), QStringLiteral("=(-49)^2"));
    EXPECT_EQ(window.table()->item(0, 2)->text(), QStringLiteral("2401"));
    ASSERT_EQ(window.segments().size(), 1);
    const QLineSeries* line = window.segments().front();
    ASSERT_EQ(line->count(), 100);
    EXPECT_EQ(line->at(0), QPointF(-49, 2401));
    EXPECT_EQ(line->at(49), QPointF(0, 0));
    EXPECT_EQ(line->at(99), QPointF(50, 2500));
    EXPECT_EQ(window.chartCoverage(),
              QStringLiteral("Линията е за x от -49 до 50, редове 1–100 от 200 в таблицата."));
    ASSERT_NE(window.axisLine(), nullptr);
    EXPECT_EQ(window.axisLine()->at(0).x(), 0);
    EXPECT_EQ(window.axisLine()->at(1).x(), 0);
}

TEST_F(ChartWindowTest, RowsWithNoValueBreakTheLine) {
    struct Case {
        const char* expression;
        qsizetype segments;
        std::size_t points;
        int emptyRow;  // a table row whose value stays empty
    };
    constexpr Case kCases[] = {
        {"1/x", 2, 99, 49},
        {"SQRT(x)", 1, 51, 0},
        {"1/(x-10)+1/(x+10)", 3, 98, 39},
        {"SQRT(0-1)", 0, 0, 70},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expression);
        window.showFunction({c.expression, false, {}});
        EXPECT_EQ(window.segments().size(), c.segments);
        EXPECT_EQ(pointCount(window.segments()), c.points);
        EXPECT_TRUE(window.table()->item(c.emptyRow, 2)->text().isEmpty());
        EXPECT_FALSE(window.table()->item(c.emptyRow, 2)->toolTip().isEmpty());
    }
}

TEST_F(ChartWindowTest, TheTableFollowsTheRange) {
    window.showFunction({"2x", false, {}});
    window.stepBox()->setValue(0.5);
    ASSERT_EQ(window.table()->rowCount(), 399);
    EXPECT_EQ(window.table()->item(1, 0)->text(), QStringLiteral("-48,5"));
    EXPECT_EQ(window.table()->item(1, 2)->text(), QStringLiteral("-97"));
    EXPECT_EQ(pointCount(window.segments()), 399u);  // a range the user set is charted whole
    EXPECT_TRUE(window.chartCoverage().isEmpty());
    EXPECT_TRUE(window.rangeMessage().isEmpty());

    window.fromBox()->setValue(-1);
    window.toBox()->setValue(1);
    ASSERT_EQ(window.table()->rowCount(), 5);
    EXPECT_EQ(window.axisLine()->at(0).x(), 0);
}

TEST_F(ChartWindowTest, TheRangeBoxesReadEitherDecimalSeparator) {
    window.showFunction({"x", false, {}});
    struct Case {
        const char* typed;
        double value;
        const char* shown;
    };
    constexpr Case kCases[] = {
        {"0,5", 0.5, "0,5"}, {"0.25", 0.25, "0,25"}, {"-2,125", -2.125, "-2,125"}, {"3", 3, "3"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.typed);
        QLineEdit* edit = window.fromBox()->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->setText(QString::fromUtf8(c.typed));
        window.fromBox()->interpretText();
        EXPECT_EQ(window.fromBox()->value(), c.value);
        EXPECT_EQ(window.table()->item(0, 0)->text(), QString::fromUtf8(c.shown));
        window.fromBox()->setValue(c.value);
        EXPECT_EQ(window.fromBox()->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(ChartWindowTest, ABadRangeIsRefusedAndTheTableStays) {
    struct Case {
        const char* name;
        QDoubleSpinBox* (ChartWindow::*box)() const;
        double bad;
    };
    const Case kCases[] = {
        {"ZeroStep", &ChartWindow::stepBox, 0},
        {"EndBeforeStart", &ChartWindow::toBox, -100},
        {"StartAfterEnd", &ChartWindow::fromBox, 200},
        {"TooManyRows", &ChartWindow::stepBox, 0.01},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        window.showFunction({"x", false, {}});
        const QSize size = window.size();
        QDoubleSpinBox* box = (window.*c.box)();
        const double good = box->value();
        box->setValue(c.bad);
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_FALSE(window.rangeMessage().isEmpty());
        EXPECT_EQ(window.findChild<numira::Announcer*>()->said(), window.rangeMessage())
            << "a screen reader is told the problem";
        EXPECT_EQ(window.size(), size) << "the message never resizes the window";
        EXPECT_EQ(window.table()->rowCount(), 200);
        EXPECT_EQ(pointCount(window.segments()), 100u);
        box->setValue(good);
        EXPECT_TRUE(window.rangeMessage().isEmpty());
    }
}

// A problem stays readable when the desktop turns dark with the message shown.
TEST_F(ChartWindowTest, AProblemFollowsAChangeOfPalette) {
    window.showFunction({"x", false, {}});
    window.stepBox()->setValue(0);
    const QLabel* message = nullptr;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == window.rangeMessage()) {
            message = label;
        }
    }
    ASSERT_NE(message, nullptr);
    QPalette dark(QColor(0x20, 0x20, 0x20), QColor(0x10, 0x10, 0x10));
    dark.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(dark);
    const double ratio = numira::contrast(message->palette().color(QPalette::WindowText),
                                          window.palette().color(QPalette::Window));
    EXPECT_GE(ratio, 4.5);
}

TEST_F(ChartWindowTest, NothingOpensForAnEmptyExpression) {
    EXPECT_EQ(window.showFunction({"", false, {}}), graph::GraphOutcome::NothingToTabulate);
    EXPECT_EQ(window.table()->rowCount(), 0);
}

TEST_F(ChartWindowTest, AnExpressionWithNoValueAtAnyXOpensWithTheReason) {
    window.showFunction({"x^2", false, {}});
    EXPECT_EQ(window.showFunction({"2+x)", false, {}}), graph::GraphOutcome::Refused);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.rangeMessage(), words(Word::InvalidExpression));
    EXPECT_EQ(window.table()->rowCount(), 0) << "no table of the earlier expression stays";
    EXPECT_EQ(pointCount(window.segments()), 0u);
}

TEST_F(ChartWindowTest, TheClipboardTextHasDecimalCommas) {
    window.showFunction({"1/x", false, {-1, 1, 0.5}});
    EXPECT_EQ(window.tableText(), QStringLiteral("x\ty\n-1\t-1\n-0,5\t-2\n0\t\n0,5\t2\n1\t1\n"));
}

TEST_F(ChartWindowTest, SavesTheTableShown) {
    window.showFunction({"x^2", false, {0, 2, 1}});
    const QString path = QString::fromStdString(
        (std::filesystem::path(::testing::TempDir()) / "chart-window.xlsx").string());
    EXPECT_EQ(window.saveTo(path), std::nullopt);
    EXPECT_GT(QFileInfo(path).size(), 0);
    EXPECT_EQ(window.saveTo(QStringLiteral("/nonexistent-folder/a.xlsx")), noFolderMessage());
}

// Each save's outcome replaces the last in the message line; the dialog starts in the folder
// of the last file saved, and a failed save does not move it.
TEST_F(ChartWindowTest, ASaveSaysHowItWentAndRemembersItsFolder) {
    window.showFunction({"x", false, {0, 2, 1}});
    const QString folder = QString::fromStdString(::testing::TempDir()) + "saves";
    std::filesystem::create_directories(folder.toStdString());
    struct Case {
        QString path;
        QString message;
        QString folderAfter;
    };
    const Case kCases[] = {
        {folder + "/a.xlsx", words(Word::TableSaved).arg(folder + "/a.xlsx"), folder},
        {"/nonexistent-folder/a.xlsx", noFolderMessage(), folder},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path.toStdString());
        window.saveAs(c.path);
        EXPECT_EQ(window.rangeMessage(), c.message);
        EXPECT_EQ(window.saveFolder(), c.folderAfter);
    }
}

TEST_F(ChartWindowTest, StaysAWindowOfItsOwnWhenOwned) {
    QWidget mainWindow;
    ChartWindow owned(&mainWindow);
    EXPECT_TRUE(owned.isWindow());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace numira
