// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QtTest>

#include "qt/expression_box.h"
#include "qt/main_window.h"
#include "qt/numira_style.h"
#include "qt/resources.h"
#include "qt/translation.h"

namespace {

// The files mapped into this process: every library and plugin loaded so far.
QString mappedFiles() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        qFatal("cannot read /proc/self/maps");
    }
    return QString::fromUtf8(maps.readAll());
}

}  // namespace

// What the program loads before its first frame, set up as main() sets it up: nothing that
// only the chart, a saved table, a help window or a picture format needs. The first table
// loads the chart.
class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QApplication::setStyle(new numira::NumiraStyle);
        numira::initResources();
    }

    // Runs first: later tests load what this one checks is absent.
    void firstFrameLoadsNeitherChartNorImagePlugins() {
        numira::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.grab().isNull());

        const QString before = mappedFiles();
        for (const char* absent :
             {"/imageformats/", "libQt6Charts", "libxlsxwriter", "libnumira-chart"}) {
            QVERIFY2(!before.contains(QLatin1String(absent)), absent);
        }
        QVERIFY(window.chartWindow() == nullptr);
        QVERIFY(window.helpWindows().form3() == nullptr);
        QVERIFY(window.helpWindows().form2() == nullptr);
        QVERIFY(window.platform().helpViewer() == nullptr);

        // The window's icon comes once the first frame is painted.
        QTRY_VERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
        QVERIFY(window.windowIcon().pixmap(64).toImage().pixelColor(32, 32).alpha() > 0);

        auto* box = window.findChild<numira::ExpressionBox*>("t");
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, "x^2");
        auto* graph = window.findChild<QAction*>("Grafika");
        QVERIFY(graph != nullptr);
        graph->trigger();
        QVERIFY(window.chartWindow() != nullptr);
        const QString after = mappedFiles();
        for (const char* present : {"libnumira-chart", "libQt6Charts", "libxlsxwriter"}) {
            QVERIFY2(after.contains(QLatin1String(present)), present);
        }
    }

    // The deferred arrows are the base style's own, at every size asked.
    void extensionArrowsAreTheBaseStyles_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("side");
        QTest::newRow("horizontal 16") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << 16;
        QTest::newRow("horizontal 32") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << 32;
        QTest::newRow("vertical 16") << int(QStyle::SP_ToolBarVerticalExtensionButton) << 16;
    }
    void extensionArrowsAreTheBaseStyles() {
        QFETCH(int, which);
        QFETCH(int, side);
        const auto icon = static_cast<QStyle::StandardPixmap>(which);
        numira::NumiraStyle style;
        const QIcon deferred = style.standardIcon(icon);
        const QIcon base = style.baseStyle()->standardIcon(icon);
        const QSize size(side, side);
        QVERIFY(!deferred.isNull());
        QVERIFY(!base.pixmap(size).isNull());
        QCOMPARE(deferred.actualSize(size), base.actualSize(size));
        QCOMPARE(deferred.pixmap(size).toImage(), base.pixmap(size).toImage());
    }

    // The standard dialogs speak Bulgarian under any locale.
    void standardDialogsAreTranslated() {
        QLocale::setDefault(QLocale::c());
        QVERIFY(numira::installQtTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QString("Запазване като"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Да"));
    }

    // Every other icon comes straight from the base style.
    void otherIconsAreUnchanged() {
        numira::NumiraStyle style;
        const QSize size(32, 32);
        QCOMPARE(
            style.standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size).toImage(),
            style.baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size).toImage());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
