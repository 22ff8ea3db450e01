// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include "qt/qt_platform.h"
#include "qt/resources.h"
#include "qt/twips.h"

// The toolkit's side of the window model: real Arial metrics, the screen, the clipboard.

// One row of a data table: its name, then one value per column.
template <typename... Values>
void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void twipsFollowTheLogicalDpi_data() {
        QTest::addColumn<double>("twips");
        row("one pixel", 15.0);
        row("box width", 3255.0);
        row("window height", 6900.0);
        row("zero", 0.0);
    }
    void twipsFollowTheLogicalDpi() {
        QFETCH(double, twips);
        const double dpi = numira::logicalDpi();
        QCOMPARE(numira::twipsToPixels(twips), qRound(twips * dpi / 1440.0));
        QCOMPARE(numira::pixelsToTwips(numira::twipsToPixels(twips)),
                 numira::twipsToPixels(twips) * 1440.0 / dpi);
    }

    void expressionFontIsArialOrItsMetricTwin() {
        const QFontInfo info(numira::expressionFont());
        QVERIFY2(info.family() == "Arial" || info.family() == "Liberation Sans",
                 qPrintable(info.family()));
        QVERIFY(info.bold());
    }

    // Widths of Arial Bold at 12 points (240 twips to the em) from the font's advance widths
    // in thousandths of an em; hinting may move each character by up to half a pixel.
    void textWidthIsArialBoldTwelve_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("emThousandths");
        row("empty", "", 0.0);
        row("digit", "7", 556.0);
        row("ten digits", "0123456789", 5560.0);
        row("plus", "+", 584.0);
        row("comma and colon", ",:", 611.0);
        row("function", "Sin(", 1889.0);
    }
    void textWidthIsArialBoldTwelve() {
        QFETCH(QString, text);
        QFETCH(double, emThousandths);
        numira::QtPlatform platform;
        const double expected = emThousandths * 240.0 / 1000.0;
        const double slack =
            static_cast<double>(text.size()) * 0.5 * 1440.0 / numira::logicalDpi() + 0.01;
        const double width = platform.textWidth(text.toStdString());
        QVERIFY2(std::abs(width - expected) <= slack,
                 qPrintable(QString("%1 twips, expected %2").arg(width).arg(expected)));
    }

    void screenWidthIsInTwips() {
        numira::QtPlatform platform;
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen != nullptr);
        QCOMPARE(platform.screenWidth(),
                 float(screen->geometry().width() * 1440.0 / screen->logicalDotsPerInchX()));
        QVERIFY(platform.screenWidth() > 3735);
    }

    void clipboardRoundTrip_data() {
        QTest::addColumn<QString>("text");
        row("result", "=25");
        row("decimal comma", "=0,33333");
        row("Cyrillic", "Деление на нула");
        row("empty", "");
    }
    void clipboardRoundTrip() {
        QFETCH(QString, text);
        numira::QtPlatform platform;
        platform.setClipboardText(text.toStdString());
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(QString::fromStdString(platform.clipboardText()), text);
        platform.clearClipboard();
        QCOMPARE(QString::fromStdString(platform.clipboardText()), QString());
    }

    void helpFileLiesBesideTheProgram() {
        numira::QtPlatform platform;
        const QString folder = QString::fromStdString(platform.programFolder());
        QVERIFY2(folder.endsWith("/share/numira"), qPrintable(folder));
        QVERIFY(QFileInfo::exists(folder + "/fORMULA.html"));
        QVERIFY(platform.openHelpFile((folder + "/fORMULA.html").toStdString()));
        QVERIFY(platform.helpViewer() != nullptr && platform.helpViewer()->isVisible());
        platform.helpViewer()->close();
    }

    void missingHelpFileOpensNothing_data() {
        QTest::addColumn<QString>("path");
        row("no such file", "/nonexistent/fORMULA.html");
        row("a folder", QDir::tempPath());
        row("empty", "");
    }
    void missingHelpFileOpensNothing() {
        QFETCH(QString, path);
        numira::QtPlatform platform;
        QVERIFY(!platform.openHelpFile(path.toStdString()));
        QVERIFY(platform.helpViewer() == nullptr);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
