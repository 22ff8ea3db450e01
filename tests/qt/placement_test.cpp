// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Where the secondary windows open under a real window manager (run by
// under_window_manager.sh): with the calculator in each corner of the screen and in its
// centre, every window has its whole frame on the screen, and the short help pages and the
// chart do not cover the calculator when there is room beside it.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "keypad/keys.h"
#include "qt/help_windows.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/resources.h"

using numira::Key;
using numira::MainWindow;

class PlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X display with a window manager (tests/qt/under_window_manager.sh)");
        }
        numira::initResources();
    }

    void everyWindowOnTheScreenAndBesideTheCalculator() {
        MainWindow calculator;
        calculator.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calculator));
        for (const Key key : {Key::X, Key::Times, Key::X}) {
            calculator.pressKey(key);
        }
        const QRect screen = calculator.screen()->availableGeometry();

        struct Window {
            const char* name;
            Key key;
            bool beside;  // kept off the calculator when the screen has room
            std::function<QWidget*()> shown;
        };
        const Window kWindows[] = {
            {"Ръководство", Key::Help, false,
             [&]() -> QWidget* { return calculator.platform().helpViewer(); }},
            {"Повдигане на степен", Key::MenuStepen, true,
             [&]() -> QWidget* { return calculator.helpWindows().form3(); }},
            {"Пресмятане на функция", Key::MenuFFun, true,
             [&]() -> QWidget* { return calculator.helpWindows().form3(); }},
            {"Колектив", Key::MenuKolektiv, false,
             [&]() -> QWidget* { return calculator.helpWindows().form2(); }},
            {"Графика", Key::MenuGrafika, true, [&] { return calculator.chartWindow(); }},
        };
        const QSize outer = calculator.frameGeometry().size();
        // The middle first: the chart window, made once, is then made with room on neither
        // side of the calculator.
        const QPoint kCalculatorAt[] = {
            screen.center() - QPoint(outer.width() / 2, outer.height() / 2),
            screen.topLeft(),
            {screen.right() + 1 - outer.width(), screen.top()},
            {screen.left(), screen.bottom() + 1 - outer.height()},
            {screen.right() + 1 - outer.width(), screen.bottom() + 1 - outer.height()},
        };

        for (const QPoint& at : kCalculatorAt) {
            calculator.move(at);
            QTRY_COMPARE(calculator.frameGeometry().topLeft(), at);
            const QRect calc = calculator.frameGeometry();
            for (const Window& w : kWindows) {
                const QString where = QStringLiteral("%1 with the calculator at %2,%3")
                                          .arg(QString::fromUtf8(w.name))
                                          .arg(at.x())
                                          .arg(at.y());
                calculator.pressKey(w.key);
                QWidget* window = w.shown();
                QVERIFY2(window != nullptr, qPrintable(where));
                QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(where));
                const auto placed = [&] {
                    const QRect frame = window->frameGeometry();
                    const bool room = std::max(calc.left() - screen.left(),
                                               screen.right() - calc.right()) >= frame.width();
                    return frame != window->geometry() && screen.contains(frame) &&
                           !(w.beside && room && frame.intersects(calc));
                };
                // The text, not a pointer into it: qPrintable of a temporary dangles once the
                // lambda returns, and a failed check then read freed memory.
                const auto said = [&](const char* what) {
                    const QRect f = window->frameGeometry();
                    return QStringLiteral("%1: %2 (frame %3,%4 %5x%6)")
                        .arg(where, QLatin1String(what))
                        .arg(f.x())
                        .arg(f.y())
                        .arg(f.width())
                        .arg(f.height())
                        .toLocal8Bit();
                };
                // Settled where it belongs, and there again once the manager is done with it
                // (a loaded machine may deliver the manager's last move late).
                QTRY_VERIFY2(placed(), said("not placed").constData());
                QTest::qWait(150);
                QTRY_VERIFY2(placed(), said("moved after placing").constData());
                // Made narrower to fit beside the calculator, but never so narrow that its
                // content would scroll sideways.
                if (const auto* page = window->findChild<QScrollArea*>()) {
                    QVERIFY2(page->horizontalScrollBar()->maximum() == 0,
                             said("scrolls sideways").constData());
                }
                // Closed as the user closes it: the help windows are gone, the chart hidden.
                window->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
    }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
