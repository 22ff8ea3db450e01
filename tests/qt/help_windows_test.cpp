// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

#include "qt/accessibility.h"
#include "qt/help_viewer.h"
#include "qt/help_windows.h"
#include "qt/resources.h"
#include "qt/twips.h"
#include "qt/window_place.h"
#include "window/fake_platform.h"
#include "window/form1.h"

using numira::Form2;
using numira::Form3;
using numira::HelpWindows;

namespace {

// One row of a data table: its name, then one value per column.
template <typename... Values>
void row(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}

int countTopLevel(const QString& objectName) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName) {
            ++count;
        }
    }
    return count;
}

QPoint topRightCorner() {
    return QGuiApplication::primaryScreen()->geometry().topRight();
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

    numira::FakePlatform m_platform;
    numira::Form1 m_model{m_platform};

  private slots:
    void initTestCase() {
        numira::initResources();
        numira::installAccessibility();
    }

    void helpPagesCarryTheirText_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("phrase");
        const QString picS = "PicS";
        const QString picff = "Picff";
        row("power title", picS, "Повдигане на степен");
        row("power caret rises", picS, "курсорът се смалява и се качва нагоре");
        row("power exponent", picS, "степенния показател");
        row("power comes down", picS, "курсорът слиза сам");
        row("power parentheses", picS, "когато затворите последната");
        row("function title", picff, "Пресмятане на функция");
        row("function menu", picff, "„Функции“");
        row("function x key", picff, "Въведете функцията");
        row("function value", picff, "Задайте стойност на x");
        row("function again", picff, "натиснете отново");
    }
    void helpPagesCarryTheirText() {
        QFETCH(QString, page);
        QFETCH(QString, phrase);
        Form3 form(m_model.Form3);
        auto* browser = form.findChild<QTextBrowser*>(page);
        QVERIFY(browser != nullptr);
        QVERIFY2(browser->toPlainText().contains(phrase), qPrintable(phrase));
    }

    // Every key picture a page names is a real image, not a broken link.
    void helpPagesShowKeyPictures_data() {
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("key");
        row("power key", "PicS", "key:power");
        row("plus key", "PicS", "key:plus");
        row("open parenthesis", "PicS", "key:open");
        row("x key", "Picff", "key:x");
        row("x value key", "Picff", "key:xis");
        row("equals key", "Picff", "key:equals");
    }
    void helpPagesShowKeyPictures() {
        QFETCH(QString, pageName);
        QFETCH(QString, key);
        Form3 form(m_model.Form3);
        auto* browser = form.findChild<QTextBrowser*>(pageName);
        QVERIFY(browser != nullptr);
        QVERIFY(browser->toHtml().contains(key));
        const QVariant image =
            browser->document()->resource(QTextDocument::ImageResource, QUrl(key));
        QVERIFY(image.isValid());
        QVERIFY(!image.value<QPixmap>().isNull());
        // A reader hears the key's name, never "object replacement character".
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(browser)->textInterface();
        const QString heard = text->text(0, text->characterCount());
        QVERIFY(heard.contains(QStringLiteral("деление")) ||
                heard.contains(QStringLiteral("X равно")));
        QVERIFY(!heard.contains(QChar(0xFFFC)));
    }

    void form3HasItsCaptionAndPlaces() {
        Form3 form(m_model.Form3);
        QCOMPARE(form.windowTitle(), QString("ПОМОЩ"));
        QCOMPARE(form.size(), QSize(numira::twipsToPixels(9795), numira::twipsToPixels(4680)));
        for (const char* name : {"PicS", "Picff"}) {
            auto* page = form.findChild<QWidget*>(QLatin1String(name));
            QVERIFY(page != nullptr);
            QCOMPARE(page->geometry(), numira::twipsToPixels(120, 120, 9540, 4425));
        }
    }

    void pagesAreShownOneAtATime_data() {
        QTest::addColumn<QString>("menuItems");
        QTest::addColumn<bool>("picSVisible");
        row("power", QString("Stepen"), true);
        row("function", QString("FFun"), false);
        row("power then function", QString("Stepen FFun"), false);
        row("function then power", QString("FFun Stepen"), true);
        row("function twice", QString("FFun FFun"), false);
    }
    void pagesAreShownOneAtATime() {
        QFETCH(QString, menuItems);
        QFETCH(bool, picSVisible);
        numira::Form1 model(m_platform);
        QWidget owner;
        HelpWindows windows(&owner);
        for (const QString& item : menuItems.split(' ')) {
            item == "Stepen" ? model.Stepen_Click() : model.FFun_Click();
            windows.showForm3(model.Form3);
        }
        QCOMPARE(countTopLevel("Form3"), 1);
        QVERIFY(windows.form3()->isVisible());
        QCOMPARE(windows.form3()->findChild<QWidget*>("PicS")->isVisible(), picSVisible);
        QCOMPARE(windows.form3()->findChild<QWidget*>("Picff")->isVisible(), !picSVisible);
    }

    // The help pages open beside the calculator, the credits at the corner; a window the user
    // moved stays put while it is open, and one opened again after closing is placed anew.
    void windowsOpenWhereTheirModelSays_data() {
        QTest::addColumn<bool>("credits");
        row("help window", false);
        row("credits window", true);
    }
    void windowsOpenWhereTheirModelSays() {
        QFETCH(bool, credits);
        QWidget owner;
        owner.setGeometry(20, 40, 100, 200);
        owner.show();
        HelpWindows windows(&owner);
        auto open = [&]() -> QWidget* {
            if (credits) {
                windows.showForm2(m_model.Form2);
                return windows.form2();
            }
            windows.showForm3(m_model.Form3);
            return windows.form3();
        };
        auto placed = [&](QWidget* window) {
            const QRect frame = window->frameGeometry();
            return credits ? frame.topRight() == topRightCorner()
                           : frame.topLeft() == owner.frameGeometry().topRight() + QPoint(1, 0);
        };
        QWidget* window = open();
        QVERIFY(placed(window));

        window->move(10, 20);
        QCOMPARE(open(), window);
        QCOMPARE(window->pos(), QPoint(10, 20));

        QVERIFY(window->close());
        QTRY_VERIFY(credits ? windows.form2() == nullptr : windows.form3() == nullptr);
        QVERIFY(placed(open()));
    }

    // Windows are placed by their frame: the whole frame on the screen, as near to the wanted
    // place as it allows, the title bar reachable even on a screen too small for the window.
    void placementKeepsTheFrameOnTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("frameAt");
        const QRect screen(0, 0, 1000, 800);
        row("fits where wanted", screen, QPoint(692, 0), QSize(300, 200), QPoint(692, 0));
        row("title bar above the screen", screen, QPoint(100, -50), QSize(300, 200),
            QPoint(100, 0));
        row("past the right and bottom", screen, QPoint(900, 700), QSize(300, 200),
            QPoint(692, 566));
        row("larger than the screen", screen, QPoint(50, 50), QSize(1200, 900), QPoint(0, 0));
        row("second screen", QRect(1000, 0, 800, 600), QPoint(0, 0), QSize(300, 200),
            QPoint(1000, 0));
    }
    void placementKeepsTheFrameOnTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(QPoint, wanted);
        QFETCH(QSize, client);
        QFETCH(QPoint, frameAt);
        const QMargins margins(4, 30, 4, 4);  // a title bar and thin borders
        QCOMPARE(numira::clientTopLeft(screen, margins, client, wanted),
                 frameAt + QPoint(margins.left(), margins.top()));
    }

    void escapeClosesEveryWindow() {
        QWidget owner;
        HelpWindows windows(&owner);
        windows.showForm3(m_model.Form3);
        windows.showForm2(m_model.Form2);
        numira::HelpViewer viewer;
        viewer.show();
        const QList<QWidget*> all{windows.form3(), windows.form2(), &viewer};
        for (QWidget* window : all) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_Escape);
        }
        QTRY_VERIFY(windows.form3() == nullptr && windows.form2() == nullptr);
        QVERIFY(!viewer.isVisible());
    }

    void creditsNameTheProjectAndItsTeam() {
        Form2 form(m_model.Form2);
        const QString title = form.windowTitle();
        QCOMPARE(title, QString("Творчески колектив"));
        QCOMPARE(form.size(), QSize(numira::twipsToPixels(8745), numira::twipsToPixels(8040)));
        auto* upper = form.findChild<QWidget*>("Picture1");
        auto* lower = form.findChild<QWidget*>("Picture2");
        QVERIFY(upper != nullptr && lower != nullptr);
        QCOMPARE(upper->geometry(), numira::twipsToPixels(0, 0, 8745, 4875));
        QCOMPARE(lower->geometry(), numira::twipsToPixels(480, 5280, 7860, 2430));
        QVERIFY(upper->findChild<QLabel*>()->text().contains("Нумира"));
        QVERIFY(lower->findChild<QLabel*>()->text().contains("екипът на Нумира"));
    }

    void helpViewerShowsTheFileOrSaysItIsMissing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("shown");
        row("shipped file", QString(NUMIRA_SOURCE_HELP), true, "Съдържание");
        row("missing file", QString(NUMIRA_BUILD_DIR "/no-such-dir/numira-help.html"), false,
            "Файлът с помощта не е намерен");
        row("a folder, not a file", QString(NUMIRA_BUILD_DIR), false, NUMIRA_BUILD_DIR);
        row("empty path", QString(), false, "не може да бъде отворена");
    }
    void helpViewerShowsTheFileOrSaysItIsMissing() {
        QFETCH(QString, path);
        QFETCH(bool, found);
        QFETCH(QString, shown);
        numira::HelpViewer viewer;
        QCOMPARE(viewer.openFile(path), found);
        QVERIFY2(viewer.browser()->toPlainText().contains(shown),
                 qPrintable(viewer.browser()->toPlainText().left(200)));
    }

    // The help file covers every subject its contents page promises, each with an anchor.
    void helpFileHasEveryChapter_data() {
        QTest::addColumn<QString>("anchor");
        for (const char* anchor :
             {"display", "keys", "powers", "functions", "memory", "xfunction", "menus", "settings",
              "keyboard", "failure", "graph", "windows", "nomouse"}) {
            row(anchor, QString(anchor));
        }
    }
    void helpFileHasEveryChapter() {
        QFETCH(QString, anchor);
        QFile file(NUMIRA_SOURCE_HELP);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains("href=\"#" + anchor + "\""));
        QVERIFY(html.contains("name=\"" + anchor + "\""));
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
