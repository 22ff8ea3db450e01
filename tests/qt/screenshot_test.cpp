#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QtTest>

#include "qt/main_window.h"
#include "qt/resources.h"

// Grabs the window after start-up, after 2 + 3 = and with the history panel open into
// <build>/screenshots, for the README's pictures (scripts/screenshot.sh).
class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { numira::initResources(); }

    void grabsStartAndResult() {
        const QString folder = QStringLiteral(NUMIRA_BUILD_DIR "/screenshots");
        QVERIFY(QDir().mkpath(folder));
        numira::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QImage start = window.grab().toImage();
        QVERIFY(start.save(folder + "/numira-start.png"));
        QCOMPARE(start.size(), window.size() * window.devicePixelRatio());

        for (const char* name : {"Commandbutton1", "CommandButton11", "CommandButton10", "Ravno"}) {
            auto* key = window.findChild<QPushButton*>(name);
            QVERIFY(key != nullptr);
            QTest::mouseClick(key, Qt::LeftButton);
        }
        const QImage result = window.grab().toImage();
        QVERIFY(result.save(folder + "/numira-2plus3.png"));

        QCOMPARE(result.size(), window.size() * window.devicePixelRatio());
        QVERIFY(start != result);
        QCOMPARE(QImage(folder + "/numira-2plus3.png").size(), result.size());

        // Two more calculations, one with an exponent, and the history panel open.
        for (const char* name :
             {"butonC", "Commandbutton1", "CommandButton21", "CommandButton5", "CommandButton11",
              "b1", "Ravno", "butonC", "b1", "CommandButton14", "CommandButton10", "Ravno"}) {
            auto* key = window.findChild<QPushButton*>(name);
            QVERIFY(key != nullptr);
            QTest::mouseClick(key, Qt::LeftButton);
        }
        window.form().Istoria_Click();
        window.refresh();
        const QImage history = window.grab().toImage();
        QVERIFY(history.save(folder + "/numira-history.png"));
        QVERIFY(history.height() > result.height());
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
