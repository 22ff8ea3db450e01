// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QFile>
#include <QLibrary>
#include <QLibraryInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "engine/words.h"
#include "graph/command3.h"
#include "qt/chart/chart_module.h"
#include "qt/lazy_chart_sheet.h"

using numira::LazyChartSheet;
namespace graph = numira::graph;

namespace {

// The window's message for a module at path, up to the loader's own words (%2), which differ
// between systems.
QString unusable(numira::Word why, const QString& path) {
    using numira::word;
    const std::string full = word(numira::Word::ChartNotLoaded, {word(why, {path.toStdString()})});
    return QString::fromStdString(full.substr(0, full.find("%2")));
}

// Whether the loader gave a sheet and the table went to it.
bool tabulate(LazyChartSheet& lazy, const char* expression) {
    graph::SheetApp* sheet = lazy.sheet();
    return sheet != nullptr &&
           graph::Command3_Click(*sheet, graph::GraphRequest{expression, false, {}}) ==
               graph::GraphOutcome::Tabulated;
}

QTableWidget* tableOf(const LazyChartSheet& sheet) {
    return sheet.window() == nullptr ? nullptr : sheet.window()->findChild<QTableWidget*>();
}

}  // namespace

class LazyChartSheetTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QWidget> m_owner;
    QStringList m_messages;

    std::unique_ptr<LazyChartSheet> makeSheet(const QString& path) {
        auto sheet = std::make_unique<LazyChartSheet>(m_owner.get(), path);
        sheet->onFailure = [this](const QString& message) { m_messages << message; };
        return sheet;
    }

  private slots:
    void init() {
        m_owner = std::make_unique<QWidget>();
        m_messages.clear();
    }
    void cleanup() { m_owner.reset(); }

    // The build puts the module where the program looks for it, with its entry point.
    void moduleIsBesideTheProgram() {
        const QString path = LazyChartSheet::defaultModulePath();
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QLibrary library(path);
        QVERIFY2(library.load(), qPrintable(library.errorString()));
        QVERIFY(library.resolve(numira::kCreateChartWindowSymbol) != nullptr);
    }

    void firstCallMakesTheWindowAndLaterTablesReuseIt() {
        auto sheet = makeSheet(LazyChartSheet::defaultModulePath());
        QVERIFY(sheet->window() == nullptr);
        QVERIFY(tabulate(*sheet, "x^2"));
        QWidget* window = sheet->window();
        QVERIFY(window != nullptr);
        QCOMPARE(window->objectName(), QString("chartWindow"));
        QCOMPARE(window->parentWidget(), m_owner.get());
        QVERIFY(window->isVisible());
        QCOMPARE(tableOf(*sheet)->rowCount(), 200);
        QCOMPARE(tableOf(*sheet)->item(0, 2)->text(), QString("2401"));

        QVERIFY(tabulate(*sheet, "2*x"));
        QCOMPARE(sheet->window(), window);
        QCOMPARE(tableOf(*sheet)->item(0, 2)->text(), QString("-98"));
        QVERIFY(m_messages.isEmpty());
    }

    void destroyedWindowIsMadeAgain() {
        auto sheet = makeSheet(LazyChartSheet::defaultModulePath());
        QVERIFY(tabulate(*sheet, "x^2"));
        delete sheet->window();
        QVERIFY(sheet->window() == nullptr);
        QVERIFY(tabulate(*sheet, "x+1"));
        QVERIFY(sheet->window() != nullptr);
        QVERIFY(sheet->window()->isVisible());
        QCOMPARE(tableOf(*sheet)->item(0, 2)->text(), QString("-48"));
    }

    // A module that cannot serve is reported and gives no sheet; the next table tries again.
    void unusableModuleIsReported_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString missing = QStringLiteral("/nonexistent/libnumira-chart.so");
        QTest::newRow("missing file")
            << missing << unusable(numira::Word::ChartModuleMissing, missing);

        const QString text = m_dir.filePath(QStringLiteral("libnumira-chart.so"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a library\n");
        file.close();
        QTest::newRow("not a library") << text << unusable(numira::Word::ChartModuleBroken, text);

        // A real library, already loaded by this test, without the entry point.
        const QString other =
            QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Test.so.6");
        QTest::newRow("no entry point") << other << unusable(numira::Word::NotAChartModule, other);
    }
    void unusableModuleIsReported() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        auto sheet = makeSheet(path);
        QVERIFY(!tabulate(*sheet, "x^2"));
        QVERIFY(sheet->window() == nullptr);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(message), qPrintable(m_messages[0]));

        QVERIFY(!tabulate(*sheet, "x^2"));
        QCOMPARE(m_messages.size(), 2);

        // The module put back in place serves the next table.
        sheet->setModulePath(LazyChartSheet::defaultModulePath());
        QVERIFY(tabulate(*sheet, "x^2"));
        QVERIFY(sheet->window() != nullptr);
        QCOMPARE(tableOf(*sheet)->rowCount(), 200);
        QCOMPARE(m_messages.size(), 2);
    }
};

QTEST_MAIN(LazyChartSheetTest)
#include "lazy_chart_sheet_test.moc"
