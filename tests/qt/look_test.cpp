// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// What low vision needs to see, under the default palette and a dark high-contrast one: where
// the keyboard is, and every text readable.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTextTable>
#include <QVBoxLayout>
#include <QtTest>
#include <algorithm>

#include "qt/contrast.h"
#include "qt/focus_ring.h"
#include "qt/main_window.h"
#include "qt/numira_style.h"
#include "qt/preview_label.h"
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

// The colour behind a widget: its own where it fills its background, else its parent's.
QColor behind(const QWidget* widget) {
    while (!widget->autoFillBackground() && !widget->isWindow()) {
        widget = widget->parentWidget();
    }
    return widget->palette().color(widget->backgroundRole());
}

QColor brushOr(const QBrush& brush, const QColor& otherwise) {
    return brush.style() == Qt::NoBrush ? otherwise : brush.color();
}

// Every text of the window's visible widgets under 4.5:1, as "what: ratio".
QStringList unreadable(QWidget* window) {
    QStringList found;
    const auto check = [&](const QWidget* w, const QString& what, QColor fg, QColor bg) {
        if (contrast(fg, bg) < 4.5) {
            found << QStringLiteral("%1 %2 \"%3\": %4 on %5, %6:1")
                         .arg(w->metaObject()->className(), w->objectName(), what.left(30),
                              fg.name(), bg.name())
                         .arg(contrast(fg, bg), 0, 'f', 2);
        }
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        const QPalette& p = w->palette();
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && !label->text().isEmpty()) {
            check(w, label->text(), p.color(w->foregroundRole()), behind(w));
        } else if (auto* preview = qobject_cast<numira::PreviewLabel*>(w)) {
            check(w, preview->text(), preview->textColour(), behind(w));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button != nullptr && !button->text().isEmpty()) {
            check(w, button->text(), p.color(QPalette::ButtonText), p.color(QPalette::Button));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            check(w, combo->currentText(), p.color(QPalette::ButtonText),
                  p.color(QPalette::Button));
        } else if (qobject_cast<QLineEdit*>(w) != nullptr) {
            check(w, qobject_cast<QLineEdit*>(w)->text(), p.color(QPalette::Text),
                  p.color(QPalette::Base));
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w);
                   view != nullptr && qobject_cast<QHeaderView*>(w) == nullptr) {
            const QAbstractItemModel* model = view->model();
            for (int r = 0; model != nullptr && r < std::min(model->rowCount(), 20); ++r) {
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QModelIndex i = model->index(r, c);
                    const bool selected = view->selectionModel()->isSelected(i);
                    check(w, i.data().toString(),
                          selected ? p.color(QPalette::HighlightedText)
                                   : brushOr(i.data(Qt::ForegroundRole).value<QBrush>(),
                                             p.color(QPalette::Text)),
                          selected ? p.color(QPalette::Highlight)
                                   : brushOr(i.data(Qt::BackgroundRole).value<QBrush>(),
                                             p.color(QPalette::Base)));
                }
            }
        } else if (auto* text = qobject_cast<QTextEdit*>(w)) {
            const QTextDocument* document = text->document();
            for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
                QColor bg = brushOr(b.blockFormat().background(), p.color(QPalette::Base));
                QTextCursor at(b);
                if (const QTextTable* table = at.currentTable()) {
                    bg = brushOr(table->cellAt(at).format().background(), bg);
                }
                for (auto f = b.begin(); !f.atEnd(); ++f) {
                    const QTextCharFormat format = f.fragment().charFormat();
                    check(w, f.fragment().text(),
                          brushOr(format.foreground(), p.color(QPalette::Text)),
                          brushOr(format.background(), bg));
                }
            }
        }
    }
    return found;
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

    // Every text in every window 4.5:1 against what it is drawn on.
    void everyTextIsReadable_data() { palettes_data(); }
    void everyTextIsReadable() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        numira::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        using numira::Key;
        for (const Key key :
             {Key::MenuTF, Key::MenuIstoria, Key::MenuKolektiv, Key::MenuStepen, Key::Help, Key::D5,
              Key::Colon, Key::D0, Key::Equals, Key::X, Key::MenuGrafika, Key::D1}) {
            window.pressKey(key);
        }
        const auto check = [] {
            QStringList found;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible()) {
                    found << unreadable(top);
                }
            }
            return found.join('\n');
        };
        QVERIFY2(check().isEmpty(), qPrintable(check()));
        // The desktop's theme changed with the windows open: they follow it, and the help stays
        // where it was read.
        QScrollBar* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* browser = top->findChild<QTextBrowser*>("helpBrowser")) {
                help = browser->verticalScrollBar();
            }
        }
        QVERIFY(help != nullptr && help->maximum() > 0);
        help->setValue(help->maximum() / 2);
        const int readTo = help->value();
        QApplication::setPalette(palette == m_default ? darkHighContrast() : m_default);
        QApplication::processEvents();
        QVERIFY2(check().isEmpty(), qPrintable("after the change:\n" + check()));
        QCOMPARE(help->value(), readTo);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &window) {
                top->close();
            }
        }
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
