// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// What low vision needs to see, under the default palette and a dark high-contrast one: where
// the keyboard is, and every text readable.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "qt/contrast.h"
#include "qt/focus_ring.h"
#include "qt/main_window.h"
#include "qt/numira_style.h"
#include "qt/resources.h"

using numira::contrast;

namespace {

// Light text on black, a yellow highlight: what a high-contrast desktop theme gives.
QPalette darkHighContrast() {
    QPalette p(QColor(0x20, 0x20, 0x20), QColor(0x10, 0x10, 0x10));
    for (const auto& [role, colour] : {std::pair{QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0)},
                                       {QPalette::Text, QColor(Qt::white)},
                                       {QPalette::ButtonText, QColor(Qt::white)},
                                       {QPalette::Base, QColor(Qt::black)},
                                       {QPalette::AlternateBase, QColor(0x18, 0x18, 0x18)},
                                       {QPalette::Highlight, QColor(Qt::yellow)},
                                       {QPalette::HighlightedText, QColor(Qt::black)},
                                       {QPalette::PlaceholderText, QColor(0xc0, 0xc0, 0xc0)}}) {
        p.setColor(QPalette::All, role, colour);
    }
    return p;
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT

    QPalette m_default;

  private slots:
    void initTestCase() {
        QApplication::setStyle(new numira::NumiraStyle);
        m_default = QApplication::palette();
        numira::initResources();
        numira::showKeyboardFocus();
    }
    void cleanup() { QApplication::setPalette(m_default); }

    void palettes_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("default") << m_default;
        QTest::newRow("dark high contrast") << darkHighContrast();
    }

    // Tab rings the control, 3:1 against the window around it and the control inside it;
    // the mouse takes the ring away.
    void keyboardFocusIsSeen_data() { palettes_data(); }
    void keyboardFocusIsSeen() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(10, 10, 10, 10);
        auto* combo = new QComboBox;
        combo->addItem(QStringLiteral("Градуси"));
        auto* list = new QListWidget;
        list->addItem(QStringLiteral("x = 0"));
        auto* table = new QTableWidget(3, 2);
        const QList<QWidget*> controls{new QPushButton(QStringLiteral("Копиране")), combo,
                                       new QSpinBox, table, list};
        for (QWidget* control : controls) {
            layout->addWidget(control);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (QWidget* control : controls) {
            const char* name = control->metaObject()->className();
            control->clearFocus();
            control->setFocus(Qt::TabFocusReason);
            const QImage ringed = window.grab().toImage();
            control->clearFocus();
            control->setFocus(Qt::MouseFocusReason);
            const QImage plain = window.grab().toImage();
            const QPoint top = control->geometry().topLeft() + QPoint(control->width() / 2, 0);
            const QColor ring = ringed.pixelColor(top);
            QCOMPARE(ring, numira::focusRingColour(control));
            QVERIFY2(ring != plain.pixelColor(top), name);
            QVERIFY2(contrast(ring, ringed.pixelColor(top - QPoint(0, 1))) >= 3, name);
            QVERIFY2(contrast(ring, ringed.pixelColor(top + QPoint(0, 4))) >= 3, name);
        }
    }

    // Alt alone puts the menu bar under the keyboard, its first title highlighted 3:1 against
    // the bar.
    void altHighlightsTheFirstMenuTitle_data() { palettes_data(); }
    void altHighlightsTheFirstMenuTitle() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        numira::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QMenuBar* bar = window.menuBar();
        const QImage before = bar->grab().toImage();
        QTest::keyPress(&window, Qt::Key_Alt);
        QTest::keyRelease(&window, Qt::Key_Alt);
        QTRY_VERIFY(bar->hasFocus());
        QCOMPARE(bar->activeAction(), bar->actions().constFirst());
        const QImage after = bar->grab().toImage();
        const QRect title = bar->actionGeometry(bar->activeAction());
        const QPoint inside = title.topLeft() + QPoint(2, title.height() / 2);
        QVERIFY(contrast(after.pixelColor(inside), before.pixelColor(inside)) >= 3);
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
