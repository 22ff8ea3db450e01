// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Every window on a 1280×800 screen at scale factor 2 (640×400 to the program): its frame on
// the screen, and whatever does not fit scrolled by the keyboard.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "keypad/keys.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/resources.h"

using numira::Key;
using numira::MainWindow;

namespace {

// The frame on the screen; each scroll bar with somewhere to go moved by the keyboard, on the
// area itself where it takes the focus, else through the window's focused control. Returns
// how many bars it scrolled.
int checkFitsAndScrolls(QWidget* window, const QString& name) {
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!screen.contains(frame) || frame == window->geometry()) {
        QTest::qFail(qPrintable(QStringLiteral("%1: frame %2,%3 %4x%5 off the screen")
                                    .arg(name)
                                    .arg(frame.x())
                                    .arg(frame.y())
                                    .arg(frame.width())
                                    .arg(frame.height())),
                     __FILE__, __LINE__);
        return 0;
    }
    int scrolled = 0;
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
        const std::pair<QScrollBar*, Qt::Key> bars[] = {
            {area->verticalScrollBar(), Qt::Key_PageDown},
            {area->horizontalScrollBar(), Qt::Key_Right}};
        for (const auto& [bar, key] : bars) {
            if (!area->isVisible() || bar->maximum() == 0) {
                continue;
            }
            bar->setValue(0);
            QWidget* target = area->focusPolicy() == Qt::NoFocus ? window->focusWidget() : area;
            for (int i = 0; i < 5 && target != nullptr && bar->value() == 0; ++i) {
                QTest::keyClick(target, key);
            }
            if (bar->value() == 0) {
                QTest::qFail(qPrintable(QStringLiteral("%1: %2 does not scroll by keyboard")
                                            .arg(name, area->objectName())),
                             __FILE__, __LINE__);
                return scrolled;
            }
            ++scrolled;
        }
    }
    return scrolled;
}

}  // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(640, 400));
        numira::initResources();
    }

    void everyWindowFitsAndScrollsByKeyboard() {
        MainWindow calculator;
        calculator.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator));
        // The tallest calculator: the extra functions and the history shown.
        for (const Key key : {Key::MenuTF, Key::MenuIstoria, Key::X, Key::Times, Key::X}) {
            calculator.pressKey(key);
        }
        struct Window {
            const char* name;
            bool larger;  // larger than the screen at this scale: something must scroll
            std::function<QWidget*()> open;
        };
        const Window kWindows[] = {
            {"calculator", true, [&]() -> QWidget* { return &calculator; }},
            {"Ръководство", true,
             [&] {
                 calculator.pressKey(Key::Help);
                 return calculator.platform().helpViewer();
             }},
            {"ПОМОЩ", false,
             [&] {
                 calculator.pressKey(Key::MenuStepen);
                 return calculator.helpWindows().form3();
             }},
            {"Колектив", true,
             [&] {
                 calculator.pressKey(Key::MenuKolektiv);
                 return calculator.helpWindows().form2();
             }},
            {"Графика", true,
             [&] {
                 calculator.pressKey(Key::MenuGrafika);
                 return calculator.chartWindow();
             }},
        };
        for (const Window& w : kWindows) {
            const QString name = QString::fromUtf8(w.name);
            QWidget* window = w.open();
            QVERIFY2(window != nullptr && QTest::qWaitForWindowExposed(window), w.name);
            const int scrolled = checkFitsAndScrolls(window, name);
            QVERIFY2(!w.larger || scrolled > 0, w.name);
            if (window != &calculator) {
                window->close();
            }
        }

        // The chart's save dialog, checked while it is open.
        auto* save = calculator.chartWindow()->findChild<QPushButton*>(QStringLiteral("saveTable"));
        QVERIFY(save != nullptr);
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && QTest::qWaitForWindowExposed(dialog)) {
                checkFitsAndScrolls(dialog, QStringLiteral("save dialog"));
                checked = true;
                dialog->close();
            }
        });
        save->click();
        QVERIFY(checked);
    }
};

// The program sees a 1280×800 screen through a scale factor of 2.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280,
                         "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") <
            0) {
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    SmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
