// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSvgWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "keypad/keys.h"
#include "keypad/paste.h"
#include "keypad/text_keys.h"
#include "qt/expression_box.h"
#include "qt/help_viewer.h"
#include "qt/history_panel.h"
#include "qt/key_hints.h"
#include "qt/main_window.h"
#include "qt/menu_text.h"
#include "qt/preview_label.h"
#include "qt/resources.h"
#include "qt/twips.h"

using numira::MainWindow;

namespace {

// One row of a data table: its name, then one value per column.
template <typename... Values>
void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

QString raisedMask(const numira::ExpressionBox& box) {
    QString mask;
    for (const auto& glyph : box.glyphs()) {
        mask += glyph.pointSize < 12 ? '1' : '0';
    }
    return mask;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> m_window;

    MainWindow& window() { return *m_window; }
    template <typename T>
    T* widget(const QString& name) {
        T* found = m_window->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no widget %s", qPrintable(name));
        }
        return found;
    }
    numira::ExpressionBox& box() { return *widget<numira::ExpressionBox>("t"); }
    QLabel& result() { return *widget<QLabel>("L"); }

    void click(const QString& name) {
        auto* button = widget<QPushButton>(name);
        QVERIFY2(button->isVisible(), qPrintable(name + " is hidden"));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types n on a cleared box and evaluates it.
    void typeNumber(int n) {
        window().pressKey(numira::Key::Clear);
        for (const QChar digit : QString::number(n)) {
            window().pressKey(static_cast<numira::Key>(digit.digitValue()));
        }
        window().pressKey(numira::Key::Equals);
    }
    void clickAll(const QStringList& names) {
        for (const QString& name : names) {
            click(name);
        }
    }
    void chooseMenu(const QString& name) {
        auto* action = m_window->findChild<QAction*>(name);
        QVERIFY2(action != nullptr, qPrintable(name));
        action->trigger();
    }

  private slots:
    void initTestCase() { numira::initResources(); }

    void init() {
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != m_window.get() && top->isVisible()) {
                top->close();
            }
        }
        m_window.reset();
    }

    void startsWithTheWindowOfTheModel() {
        QCOMPARE(window().windowTitle(), QString("Нумира"));
        QCOMPARE(window().form().windowHeight, 5100.0F);
        QCOMPARE(window().size(),
                 window().innerSizeFor(window().form().windowWidth, window().form().windowHeight));
        QCOMPARE(box().glyphs().size(), std::size_t{0});
        QVERIFY(box().hasFocus());
    }

    // Every control of the model sits at its place, converted from twips, in its container,
    // shown as the model says.
    void controlsSitAtTheirPlaces() {
        const auto containerName = [](numira::Container container) {
            switch (container) {
                case numira::Container::Frame1:
                    return QStringLiteral("Frame1");
                case numira::Container::F2:
                    return QStringLiteral("F2");
                case numira::Container::Frame2:
                    return QStringLiteral("Frame2");
                case numira::Container::Window:
                    break;
            }
            return QStringLiteral("client");
        };
        for (const numira::Control* model : window().form().controls()) {
            const QString name = QString::fromStdString(model->name);
            QWidget* control = m_window->findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(control->parentWidget()->objectName(), containerName(model->container));
            const numira::Geometry& g = model->geometry;
            QCOMPARE(control->geometry(),
                     numira::twipsToPixels(g.left, g.top, g.width, g.height, control));
            QCOMPARE(control->isVisibleTo(control->parentWidget()), model->visible);
        }
    }

    void keysShowTheirCaptionsAndColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("colour");
        row("digit 1", "b1", "1", "#ff8000");
        row("comma", "CommandButton3", ",", "#ff8000");
        row("equals", "Ravno", "=", "#ffff00");
        row("clear", "butonC", "C", "#ff0000");
        row("memory", "CommandButton22", "M", "#80ff80");
        row("parenthesis", "CommandButton18", "(", "#00ffff");
        row("help", "Command15", "S / V", "#ff8000");
        row("plus picture", "CommandButton11", "", "#ffff00");
        row("backspace picture", "Command6", "", "#ff0000");
    }
    void keysShowTheirCaptionsAndColours() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, colour);
        auto* button = widget<QPushButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->icon().isNull(), !caption.isEmpty());
        QVERIFY2(button->styleSheet().contains("background-color: " + colour),
                 qPrintable(button->styleSheet()));
        QVERIFY(button->font().family().startsWith("Arial") ||
                QFontInfo(button->font()).family().contains("Liberation"));
    }

    void menusCarryTheirCaptionsInOrder() {
        const QList<QAction*> menus = window().menuBar()->actions();
        const QStringList expectedMenus{"Опции", "Функции", "Помощ"};
        QCOMPARE(menus.size(), expectedMenus.size());
        const QList<QStringList> expectedItems{
            {"Брой на цифрите след десетичната запетая", "Включване на компютърен запис на екрана",
             "Копиране на екрана", "Копиране на резултат", "Поставяне", "История на изчисленията",
             "Междинен резултат"},
            {"Включване на допълнителни функции", "Графика на функцията"},
            {"Повдигане на степен", "Пресмятане на функция", "Колектив", "Ръководство"}};
        for (qsizetype i = 0; i < menus.size(); ++i) {
            QCOMPARE(numira::captionOf(menus[i]->text()), expectedMenus[i]);
            QStringList items;
            for (QAction* item : menus[i]->menu()->actions()) {
                items << numira::captionOf(item->text());
            }
            QCOMPARE(items, expectedItems[i]);
        }
    }

    // Clicks on the real buttons, then what the expression box, its raised characters, the
    // plain box and the result label show.
    void clicksReachTheModel_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("raised");
        QTest::addColumn<QString>("comp");
        QTest::addColumn<QString>("caption");
        row("2 plus 3 equals",
            QStringList{"Commandbutton1", "CommandButton11", "CommandButton10", "Ravno"}, "2+3",
            "000", "2+3", "=5");
        row("comma and times",
            QStringList{"Commandbutton1", "CommandButton3", "CommandButton8", "CommandButton13",
                        "CommandButton9", "Ravno"},
            "2,5.4", "00000", "2.5*4", "=10");
        row("power raises the exponent",
            QStringList{"Commandbutton1", "CommandButton21", "CommandButton10", "CommandButton11",
                        "b1", "Ravno"},
            "23+1", "0100", "2^3+1", "=9");
        row("parenthesised exponent",
            QStringList{"Commandbutton1", "CommandButton21", "CommandButton18", "CommandButton10",
                        "CommandButton11", "b1", "CommandButton17", "Ravno"},
            "2(3+1)", "011111", "2^(3+1)", "=16");
        row("root",
            QStringList{"CommandButton16", "b1", "CommandButton7", "CommandButton17", "Ravno"},
            "SQRT(16)", "00000000", "SQRT(16)", "=4");
        row("backspace", QStringList{"CommandButton6", "CommandButton5", "Command6"}, "7", "0", "7",
            "");
        row("clear", QStringList{"CommandButton6", "CommandButton11", "butonC"}, "", "", "", "");
        row("pi and division", QStringList{"Command10", "Command4", "Commandbutton1", "Ravno"},
            "pi/2", "0000", "pi/2", "=1,5708");
    }
    void clicksReachTheModel() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, text);
        QFETCH(QString, raised);
        QFETCH(QString, comp);
        QFETCH(QString, caption);
        clickAll(clicks);
        QCOMPARE(QString::fromStdString(window().form().t.text()), text);
        QCOMPARE(raisedMask(box()), raised);
        QCOMPARE(widget<QLineEdit>("comp")->text(), comp);
        QCOMPARE(result().isVisible(), !caption.isEmpty());
        if (!caption.isEmpty()) {
            QCOMPARE(result().text(), caption);
        }
    }

    // Raised characters are drawn at 8 points, 70 twips above the base line of the others.
    void exponentIsDrawnSmallerAndRaised() {
        clickAll({"Commandbutton1", "CommandButton21", "CommandButton10"});
        const auto& glyphs = box().glyphs();
        QCOMPARE(glyphs.size(), std::size_t{2});
        QCOMPARE(glyphs[0].pointSize, 12.0);
        QCOMPARE(glyphs[1].pointSize, 8.0);
        QCOMPARE(glyphs[0].baseline - glyphs[1].baseline, double(numira::twipsToPixels(70)));
        QVERIFY(glyphs[1].box.left() >= glyphs[0].box.right() - 0.01);
        QVERIFY(glyphs[1].box.height() < glyphs[0].box.height());
        // The level arrow shows red while the exponent is typed.
        QVERIFY(widget<QSvgWidget>("Pic2")->isVisible());
        click("CommandButton11");
        QVERIFY(!widget<QSvgWidget>("Pic2")->isVisible());
        QVERIFY(widget<QSvgWidget>("Pic1")->isVisible());
    }

    // The box, the result label and the window grow as the model computes.
    void longExpressionWidensBoxAndWindow() {
        const QSize before = window().size();
        for (int i = 0; i < 30; ++i) {
            click("CommandButton8");
        }
        click("Ravno");
        const numira::Form1& form = window().form();
        QVERIFY(form.t.geometry.width > 3255);
        const auto& g = form.t.geometry;
        QCOMPARE(box().geometry(), numira::twipsToPixels(g.left, g.top, g.width, g.height));
        const auto& l = form.L.geometry;
        QCOMPARE(result().geometry(), numira::twipsToPixels(l.left, l.top, l.width, l.height));
        QCOMPARE(window().size(), window().innerSizeFor(form.windowWidth, form.windowHeight));
        QVERIFY(window().width() > before.width());
        // Nothing of the text is cut off: the last character ends inside the box.
        QVERIFY(box().glyphs().back().box.right() < box().width());
    }

    // Keys typed on the keyboard go through the keys; the box takes no text by itself.
    void keyboardTypesThroughTheKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        row("sum and Enter", "2+3\r", "2+3", "=5");
        row("point is the comma", "1.5*2=", "1,5.2", "=3");
        row("comma", "1,5:3=", "1,5:3", "=0,5");
        row("slash", "9/3=", "9/3", "=3");
        row("power", "2^10=", "210", "=1024");
        row("parentheses", "2(1+2)=", "2(1+2)", "=6");
        row("p for pi", "p", "pi", "");
        row("e", "e", "e", "");
        row("x", "x", "x", "");
        row("letter without a key", "q", "", "");
        row("space", " ", "", "");
    }
    void keyboardTypesThroughTheKeys() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        for (const QChar c : typed) {
            if (c == '\r') {
                QTest::keyClick(&box(), Qt::Key_Return);
            } else {
                QTest::keyClicks(&box(), QString(c));
            }
        }
        QCOMPARE(QString::fromStdString(window().form().t.text()), text);
        QCOMPARE(QString::fromStdString(window().form().comp.text).size(),
                 QString::fromStdString(window().form().t.text()).size() +
                     QString::fromStdString(window().form().comp.text).count('^'));
        QCOMPARE(result().isVisible(), !caption.isEmpty());
        if (!caption.isEmpty()) {
            QCOMPARE(result().text(), caption);
        }
    }

    void specialKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        row("Backspace deletes", "12", int(Qt::Key_Backspace), "1");
        row("Escape clears", "12+", int(Qt::Key_Escape), "");
        row("keypad Enter evaluates", "4*4", int(Qt::Key_Enter), "4.4");
    }
    void specialKeys() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, text);
        QTest::keyClicks(&box(), typed);
        QTest::keyClick(&box(), Qt::Key(key));
        QCOMPARE(QString::fromStdString(window().form().t.text()), text);
    }

    void ctrlCCopiesTheResult() {
        QGuiApplication::clipboard()->setText("before");
        QTest::keyClicks(&box(), "12:8=");
        QCOMPARE(result().text(), QString("=1,5"));
        QTest::keyClick(&box(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("=1,5"));
        QCOMPARE(QString::fromStdString(window().form().t.text()), QString("12:8"));
    }

    // The expression leaves as text that pastes back to it, and as HTML with its exponent.
    void menuCopiesTheExpressionAndTheResult() {
        clickAll({"Commandbutton1", "CommandButton21", "CommandButton10", "CommandButton11", "b1",
                  "Command4", "CommandButton9", "CommandButton13", "CommandButton6", "Ravno"});
        chooseMenu("CopEkran");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2^3+1/4*7"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->html(),
                 QString("2<sup>3</sup>+1/4\u00B77"));
        chooseMenu("CopRez");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("=9,75"));
        QGuiApplication::clipboard()->setText("2^3+1/4*7");
        clickAll({"butonC"});
        QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(window().form().comp.text), QString("2^3+1/4*7"));
    }

    // A mouse pastes through the menu and through the box's own menu, which also copies.
    void menusPaste() {
        QGuiApplication::clipboard()->setText("2^-1");
        chooseMenu("Postavyane");
        QCOMPARE(QString::fromStdString(window().form().comp.text), QString("2^(-1)"));
        clickAll({"butonC"});
        QGuiApplication::clipboard()->setText("SIN(30) = 0,5   [градуси]");
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                offered << action->objectName();
            }
            menu->actions().constLast()->trigger();
            menu->close();
        });
        emit box().customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(offered, QStringList({"CopEkran", "CopRez", "Postavyane"}));
        QCOMPARE(QString::fromStdString(window().form().comp.text), QString("SIN(30)"));
    }

    // Ctrl+V types the clipboard's text key by key, or refuses it whole.
    void pasteTypesOrRefuses_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("raised");
        QTest::addColumn<QString>("refused");
        row("sum", "2 + 3", "2+3", "000", "");
        row("signs", "6×2÷3·1", "6.2:3.1", "0000000", "");
        row("superscript", "3²", "32", "01", "");
        row("root sign", "√(9)", "SQRT(9)", "0000000", "");
        row("root of a number", "√16", "SQRT(16)", "00000000", "");
        row("signed exponent", "2^-1", "2(-1)", "01111", "");
        row("power in an exponent's parentheses", "2^(3^2)", "", "", "^2");
        row("function in capitals", "SIN(0)", "Sin(0)", "000000", "");
        row("line break around it", "\n7-1\r\n", "7-1", "000", "");
        row("letter without a key", "2+a", "", "", "a");
        row("tab inside", "2\t3", "", "", "U+0009");
        row("currency sign", "5€", "", "", "€");
    }
    void pasteTypesOrRefuses() {
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QFETCH(QString, raised);
        QFETCH(QString, refused);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(window().form().t.text()), text);
        QCOMPARE(raisedMask(box()), raised);
        if (refused.isEmpty()) {
            QVERIFY(window().lastMessage().isEmpty());
        } else {
            QVERIFY2(window().lastMessage().contains("„" + refused + "“"),
                     qPrintable(window().lastMessage()));
            auto* message = window().findChild<QMessageBox*>("message");
            QVERIFY(message != nullptr && message->isVisible());
            QCOMPARE(message->text(), window().lastMessage());
        }
    }

    // The reason in red words in the result's place, and a red mark naming it, while "=" could
    // not evaluate.
    void failureMarkNamesTheReason_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        row("division by zero", "5:0", "Деление на нула");
        row("invalid expression", "5*", "Невалиден израз");
        row("parenthesis too many", "(2))", "Невалиден израз");
        row("root of a negative", "√(0-4)", "Извън дефиниционната област");
        row("too large", "9^999", "Твърде голямо число");
    }
    void failureMarkNamesTheReason() {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        QGuiApplication::clipboard()->setText(typed);
        QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&box(), Qt::Key_Return);
        QLabel* mark = window().failureMark();
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->toolTip(), reason);
        QVERIFY(box().geometry().contains(mark->geometry()));
        QVERIFY(!result().isVisible());
        QLabel* words = window().failureText();
        QVERIFY(words->isVisible());
        QCOMPARE(words->text(), reason);
        QVERIFY(window().clientArea()->rect().contains(words->geometry()));
        click("CommandButton6");
        QVERIFY(!mark->isVisible());
        QVERIFY(!words->isVisible());
    }

    // The value while typing, grey in the result's place; gone on "=", on a failure and when
    // the menu item turns it off. The box marks the part a failed "=" names.
    void previewShowsAndClears() {
        numira::PreviewLabel* preview = window().previewLabel();
        QTest::keyClicks(&box(), "2+3");
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->text(), QString("=5"));
        QVERIFY(!result().isVisible());
        QVERIFY(window().clientArea()->rect().contains(preview->geometry()));
        QVERIFY(preview->accessibleName().isEmpty());
        QTest::keyClicks(&box(), "+");
        QVERIFY(!preview->isVisible());
        QTest::keyClicks(&box(), "1=");
        QVERIFY(!preview->isVisible());
        QVERIFY(result().isVisible());
        QTest::keyClicks(&box(), ":0=");
        QVERIFY(!preview->isVisible());
        QCOMPARE(box().marked(), (std::pair<std::size_t, std::size_t>{5, 7}));
        click("CommandButton6");
        QCOMPARE(box().marked(), (std::pair<std::size_t, std::size_t>{0, 0}));
        chooseMenu("Preview");
        QVERIFY(!window().findChild<QAction*>("Preview")->isChecked());
        QTest::keyClicks(&box(), "4");
        QVERIFY(!preview->isVisible());
    }

    void failureMarkForXWithoutValue() {
        chooseMenu("TF");
        clickAll({"Command2", "Command7", "Command5"});
        QVERIFY(window().failureMark()->isVisible());
        QCOMPARE(window().failureMark()->toolTip(), QString("x няма стойност"));
    }

    void tooltipsNameTheKeyboardEquivalent() {
        int checked = 0;
        for (const numira::KeyRow& row : numira::keyTable()) {
            if (row.hintName.empty()) {
                continue;
            }
            auto* button = widget<QPushButton>(QLatin1String(row.control));
            QCOMPARE(button->toolTip(), numira::keyToolTip(row));
            QVERIFY(!button->accessibleName().isEmpty());
            if (row.hintKeyboard.size() == 1) {
                // The key the tooltip names types what the button does.
                QCOMPARE(numira::keyForTyped(static_cast<char32_t>(row.hintKeyboard[0])),
                         numira::keyForControl(row.control));
                ++checked;
            }
        }
        QVERIFY(checked >= 18);
    }

    void pictureKeysHaveBulgarianNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessible");
        row("plus", "CommandButton11", "плюс");
        row("minus", "CommandButton12", "минус");
        row("times", "CommandButton13", "умножение");
        row("colon", "CommandButton14", "деление");
        row("root", "CommandButton16", "корен квадратен");
        row("power", "CommandButton21", "степен");
        row("backspace", "Command6", "изтриване на последния знак");
    }
    void pictureKeysHaveBulgarianNames() {
        QFETCH(QString, name);
        QFETCH(QString, accessible);
        QCOMPARE(widget<QPushButton>(name)->accessibleName(), accessible);
    }

    void additionalFunctionsMenu() {
        chooseMenu("TF");
        const numira::Form1& form = window().form();
        QCOMPARE(form.windowHeight, 6900.0F);
        QCOMPARE(window().size(), window().innerSizeFor(form.windowWidth, 6900));
        QVERIFY(widget<QWidget>("F2")->isVisible());
        QVERIFY(widget<QWidget>("Frame2")->isVisible());
        QCOMPARE(numira::captionOf(window().findChild<QAction*>("TF")->text()),
                 QString("Изключване на допълнителни функции"));
        // The whole lower panel lies inside the client area.
        const QRect panel = widget<QWidget>("Frame2")->geometry();
        QVERIFY(window().clientArea()->rect().contains(panel));
        QCOMPARE(widget<QComboBox>("Gradusi")->currentText(), QString("Радиани"));

        chooseMenu("TF");
        QCOMPARE(window().size(), window().innerSizeFor(form.windowWidth, 5100));
        QVERIFY(!widget<QWidget>("F2")->isVisible());
        QCOMPARE(numira::captionOf(window().findChild<QAction*>("TF")->text()),
                 QString("Включване на допълнителни функции"));
    }

    void angleUnitChoiceReachesTheModel() {
        chooseMenu("TF");
        clickAll({"CommandButton20", "CommandButton10", "b1", "CommandButton17"});
        auto* gradusi = widget<QComboBox>("Gradusi");
        gradusi->setCurrentIndex(1);
        emit gradusi->activated(1);
        QVERIFY(window().form().degreesMode);
        QVERIFY(result().isVisible());
        QCOMPARE(result().text(), QString("=0,51504"));
    }

    void roundingChoiceReachesTheModel() {
        chooseMenu("Raund");
        auto* izbor = widget<QComboBox>("Izbor");
        QVERIFY(izbor->isVisible());
        QCOMPARE(izbor->currentText(), QString("0,00001"));
        emit izbor->activated(2);
        QVERIFY(!izbor->isVisible());
        QTest::keyClicks(&box(), "2:3=");
        QCOMPARE(result().text(), QString("=0,67"));
    }

    void computerNotationShowsOverTheBox() {
        QTest::keyClicks(&box(), "2,5^2");
        chooseMenu("KomEkran");
        auto* comp = widget<QLineEdit>("comp");
        QVERIFY(comp->isVisible());
        QCOMPARE(comp->text(), QString("2.5^2"));
        QCOMPARE(comp->geometry(), box().geometry());
        QCOMPARE(numira::captionOf(window().findChild<QAction*>("KomEkran")->text()),
                 QString("Изключване на компютърен запис на екрана"));
        // comp lies in front of t: it is later among the siblings drawn.
        const QObjectList siblings = window().clientArea()->children();
        QVERIFY(siblings.indexOf(comp) > siblings.indexOf(&box()));
        chooseMenu("KomEkran");
        QVERIFY(!comp->isVisible());
    }

    void memoryKeys() {
        QTest::keyClicks(&box(), "5*5=");
        click("CommandButton22");
        QCOMPARE(widget<QLabel>("Label1")->text(), QString("M=25"));
        QTest::keyClick(&box(), Qt::Key_Escape);
        click("CommandButton23");
        QCOMPARE(QString::fromStdString(window().form().t.text()), QString("25"));
        click("Command1");
        QCOMPARE(widget<QLabel>("Label1")->text(), QString());
    }

    void helpMenuOpensOneHelpWindow() {
        chooseMenu("Stepen");
        numira::Form3* form3 = window().helpWindows().form3();
        QVERIFY(form3 != nullptr && form3->isVisible());
        QVERIFY(form3->findChild<QWidget*>("PicS")->isVisible());
        chooseMenu("FFun");
        QCOMPARE(window().helpWindows().form3(), form3);
        QVERIFY(form3->findChild<QWidget*>("Picff")->isVisible());
        QVERIFY(!form3->findChild<QWidget*>("PicS")->isVisible());
        QVERIFY(form3->close());
        QTRY_VERIFY(window().helpWindows().form3() == nullptr);
        QVERIFY(!window().form().Form3.open);
        chooseMenu("Kolektiv");
        QVERIFY(window().helpWindows().form2() != nullptr);
        QVERIFY(window().helpWindows().form2()->windowTitle().endsWith("Творчески колектив"));
    }

    void helpKeyOpensTheHelpFile() {
        click("Command15");
        numira::HelpViewer* viewer = window().platform().helpViewer();
        QVERIFY(viewer != nullptr && viewer->isVisible());
        QVERIFY(viewer->browser()->toPlainText().contains("Съдържание"));
        QVERIFY(window().lastMessage().isEmpty());
    }

    void missingHelpFileGivesAMessage() {
        window().platform().setProgramFolder(QStringLiteral("/nonexistent/numira"));
        QTest::keyClick(&box(), Qt::Key_F1);
        QVERIFY(window().platform().helpViewer() == nullptr);
        QVERIFY2(window().lastMessage().contains("/nonexistent/numira/"),
                 qPrintable(window().lastMessage()));
        QVERIFY(window().findChild<QMessageBox*>("message") != nullptr);
        // The window goes on working.
        QTest::keyClicks(&box(), "1+1=");
        QCOMPARE(result().text(), QString("=2"));
    }

    // The function table and its chart open in their window, loaded with its module on first
    // use; with nothing to tabulate the window says so and loads nothing.
    void graphMenuShowsTheChartWindow() {
        QVERIFY(window().chartWindow() == nullptr);
        chooseMenu("Grafika");
        QVERIFY(window().chartWindow() == nullptr);
        QVERIFY(!window().lastMessage().isEmpty());
        QTest::keyClicks(&box(), "x^2");
        chooseMenu("Grafika");
        QWidget* chart = window().chartWindow();
        QVERIFY(chart != nullptr);
        QVERIFY(chart->isVisible());
        QVERIFY(chart->isWindow());
        QCOMPARE(chart->windowTitle(), QString("Графика"));
        auto* table = chart->findChild<QTableWidget*>();
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 200);
        QCOMPARE(table->item(0, 1)->text(), QString("=(-49)^2"));
    }

    // Closed and opened again, the chart keeps the range the user set and comes back beside
    // the calculator where that is now; once the user has moved it, it stays where they put it.
    void chartOpensAgainWithItsRangeBesideTheCalculator() {
        QTest::keyClicks(&box(), "x^2");
        chooseMenu("Grafika");
        QWidget* chart = window().chartWindow();
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->frameGeometry().top(), window().frameGeometry().top());
        QDoubleSpinBox* from = nullptr;
        for (auto* box : chart->findChildren<QDoubleSpinBox*>()) {
            from = box->accessibleName() == "от" ? box : from;
        }
        QVERIFY(from != nullptr);
        from->setValue(0);
        chart->close();

        window().move(window().pos() + QPoint(0, 40));
        QTest::keyClick(&box(), Qt::Key_Escape);
        QTest::keyClicks(&box(), "x+1");
        chooseMenu("Grafika");
        QCOMPARE(window().chartWindow(), chart);
        auto* table = chart->findChild<QTableWidget*>();
        QCOMPARE(table->rowCount(), 151);
        QCOMPARE(table->item(0, 2)->text(), QString("1"));
        QCOMPARE(chart->frameGeometry().top(), window().frameGeometry().top());

        chart->move(5, 7);
        chart->close();
        chooseMenu("Grafika");
        QCOMPARE(chart->pos(), QPoint(5, 7));
    }

    // Without its module the chart cannot open: the window says why and goes on working.
    void missingChartModuleGivesAMessage() {
        window().chartSheet().setModulePath(QStringLiteral("/nonexistent/libnumira-chart.so"));
        QTest::keyClicks(&box(), "x^2");
        chooseMenu("Grafika");
        QVERIFY(window().chartWindow() == nullptr);
        QCOMPARE(window().lastMessage(),
                 QString("Графиката не може да се зареди: липсва модулът за графики "
                         "/nonexistent/libnumira-chart.so."));
        QVERIFY(window().findChild<QMessageBox*>("message") != nullptr);
        QTest::keyClick(&box(), Qt::Key_Escape);
        QTest::keyClicks(&box(), "1+1=");
        QCOMPARE(result().text(), QString("=2"));
    }

    // The timers follow the model's flags and their ticks reach it.
    // Evaluate, open the panel with Ctrl+H, bring an expression back with a double click,
    // evaluate it again; a click on a result types the number; Up walks back.
    void historyPanel() {
        clickAll({"Commandbutton1", "CommandButton11", "CommandButton10", "Ravno", "butonC",
                  "CommandButton9", "CommandButton13", "CommandButton8", "Ravno"});
        auto* panel = window().historyPanel();
        QVERIFY(!panel->isVisible());
        const QSize closed = window().size();
        QTest::keyClick(&window(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(panel->isVisible());
        QVERIFY(window().size().height() > closed.height());
        QVERIFY(window().clientArea()->rect().contains(panel->geometry()));
        QTableWidget* table = panel->table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 1)->text(), QString("20"));

        const QRect first = table->visualItemRect(table->item(0, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(window().form().t.text(), std::string("2+3"));
        QCOMPARE(box().glyphs().size(), std::size_t{3});
        click("Ravno");
        QCOMPARE(result().text(), QString("=5"));
        QCOMPARE(table->rowCount(), 3);

        click("CommandButton11");
        const QRect twenty = table->visualItemRect(table->item(1, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, twenty.center());
        QCOMPARE(window().form().t.text(), std::string("2+3+20"));
        QTest::keyClick(&box(), Qt::Key_Up);
        QCOMPARE(window().form().t.text(), std::string("2+3"));

        QTest::mouseClick(panel->findChild<QPushButton*>("historyCopy"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString("2+3 = 5\n4*5 = 20\n2+3 = 5\n"));
        // Clearing can be undone until the next calculation.
        auto* clear = panel->findChild<QPushButton*>("historyClear");
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(clear->text(), QString("Връщане"));
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(2, 0)->text(), QString("2+3"));
        QTest::mouseClick(clear, Qt::LeftButton);
        click("Ravno");
        QCOMPARE(clear->text(), QString("Изчистване"));
        QCOMPARE(table->rowCount(), 1);
        chooseMenu("Istoria");
        QVERIFY(!panel->isVisible());
        QCOMPARE(window().size().height(), closed.height());
    }

    // The panel adds and drops rows one at a time; after any number of "=" past the history's
    // capacity, and a clear and its undo, its rows are the history's entries. A long reason
    // is elided in its narrow column, whole in the tooltip, and a click scrolls nothing.
    void historyPanelFollowsALongSession() {
        chooseMenu("Istoria");
        QTableWidget* table = window().historyPanel()->table();
        auto& history = window().form().history;
        const auto expectRows = [&] {
            QCOMPARE(table->rowCount(), static_cast<int>(history.size()));
            for (std::size_t n : {std::size_t{0}, history.size() / 2, history.size() - 1}) {
                const int row = table->rowCount() - 1 - static_cast<int>(n);
                QCOMPARE(table->item(row, 0)->text().toStdString(), history.fromNewest(n)->t);
            }
        };
        for (int i = 0; i < 1010; ++i) {
            typeNumber(i);
            if (i % 300 == 299) {
                history.clear();
                history.restore();
            }
            window().refresh();
        }
        expectRows();
        QTest::keyClick(&box(), Qt::Key_Escape);
        QTest::keyClicks(&box(), "1:0=");
        expectRows();
        QTableWidgetItem* reason = table->item(table->rowCount() - 1, 1);
        QVERIFY(reason->toolTip().startsWith(reason->text()));
        QVERIFY(table->columnWidth(1) < table->fontMetrics().horizontalAdvance(reason->text()));
        QCOMPARE(table->columnWidth(0) + table->columnWidth(1), table->viewport()->width());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(reason).center());
        QCOMPARE(table->horizontalScrollBar()->value(), 0);
    }

    // The rows by keyboard: Enter types a result, Shift+Enter brings an expression back (the
    // focus back in the box each time), Delete removes a row, Ctrl+C copies, Shift+Delete
    // clears.
    void historyByKeyboard() {
        QTest::keyClicks(&box(), "2+3=");
        QTest::keyClick(&box(), Qt::Key_Escape);
        QTest::keyClicks(&box(), "4*5=");
        QTest::keyClick(&box(), Qt::Key_Escape);
        QTest::keyClick(&window(), Qt::Key_H, Qt::ControlModifier);
        QTableWidget* table = window().historyPanel()->table();
        const auto onRow = [table](int row, Qt::Key key, Qt::KeyboardModifiers modifiers) {
            table->setFocus();
            table->setCurrentCell(row, 0);
            QTest::keyClick(table, key, modifiers);
        };
        onRow(0, Qt::Key_Return, {});
        QCOMPARE(window().form().t.text(), std::string("5"));
        QVERIFY(box().hasFocus());
        QTest::keyClick(&box(), Qt::Key_Escape);
        onRow(1, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(window().form().t.text(), std::string("4.5"));
        onRow(0, Qt::Key_Delete, {});
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 1)->text(), QString("20"));
        onRow(0, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("4*5 = 20\n"));
        onRow(0, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(table->rowCount(), 0);
    }

    void relockTimerFollowsTheModel() {
        auto* timer1 = window().findChild<QTimer*>("Timer1");
        QVERIFY(timer1 != nullptr);
        QTest::keyClicks(&box(), "7");
        QVERIFY(timer1->isActive());
        QCOMPARE(timer1->interval(), 1000);
        QVERIFY(!window().form().t.readOnly);
        QVERIFY(QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection));
        QVERIFY(window().form().t.readOnly);
        QVERIFY(!timer1->isActive());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
