// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/words.h"
#include "qt/main_window.h"
#include "qt/resources.h"

namespace {

// What a reader hears for a failure: the catalogue's words, not a copy of them.
QString said(numira::Word reason) {
    return QString::fromStdString(numira::word(numira::Word::SaidFailure, {numira::word(reason)}));
}

// Every interface under `root`, depth first.
void collect(QAccessibleInterface* root, QList<QAccessibleInterface*>& out) {
    out.append(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            collect(child, out);
        }
    }
}

// Shows the window and types into its expression box, which it returns (null when the
// window did not show).
QWidget* showAndType(numira::MainWindow& window, const QString& typed) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return nullptr;
    }
    auto* box = window.findChild<QWidget*>("t");
    QTest::keyClicks(box, typed);
    return box;
}

// Ends the test program when a query does not return in time: a reader that asks must never
// hang the calculator.
class Watchdog {
  public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                  std::fputs("a text query did not return\n", stderr);
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

}  // namespace

// The window as a screen reader finds it, through the accessibility tree.
class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { numira::initResources(); }

    void readsTheWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("result");
        QTest::newRow("raised exponent") << "7*2^3"
                                         << "7×2 на степен 3"
                                         << "";
        QTest::newRow("exponent group") << "2^(3+1)+5"
                                        << "2 на степен (3+1)+5"
                                        << "";
        QTest::newRow("result") << "2+3="
                                << "2+3"
                                << "Резултат 5";
        QTest::newRow("decimal result") << "7:4="
                                        << "7÷4"
                                        << "Резултат 1,75";
        QTest::newRow("failure") << "5:0="
                                 << "5÷0" << said(numira::Word::DivisionByZero);
        QTest::newRow("invalid") << "5*="
                                 << "5×" << said(numira::Word::InvalidExpression);
    }
    void readsTheWindow() {
        QFETCH(QString, typed);
        QFETCH(QString, boxText);
        QFETCH(QString, result);
        numira::MainWindow window;
        QWidget* boxWidget = showAndType(window, typed);
        QVERIFY(boxWidget != nullptr);

        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(boxWidget);
        QCOMPARE(box->role(), QAccessible::EditableText);
        QVERIFY(box->state().readOnly);
        QAccessibleTextInterface* text = box->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), boxText);
        QCOMPARE(text->cursorPosition(), text->characterCount());

        QAccessibleInterface* label =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("L"));
        QCOMPARE(label->role(), QAccessible::StatusBar);
        QCOMPARE(label->text(QAccessible::Name), result);
        QCOMPARE(label->state().invisible, result.isEmpty());
        QCOMPARE(box->text(QAccessible::Description), result);

        // What a reader speaks at once is a notification, showing, named by the result.
        QAccessibleInterface* announcer =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("announcer"));
        QCOMPARE(announcer->role(), QAccessible::Notification);
        QCOMPARE(announcer->text(QAccessible::Name), result);
        QCOMPARE(announcer->state().invisible, result.isEmpty());

        // One run of attributes covers the whole text, wherever a reader asks.
        for (int at = 0; at <= text->characterCount(); ++at) {
            int start = -1;
            int end = -1;
            text->attributes(at, &start, &end);
            QCOMPARE(start, 0);
            QCOMPARE(end, text->characterCount());
        }

        // Every key and control has a name; the measuring label is not there to be read.
        QList<QAccessibleInterface*> all;
        collect(QAccessible::queryAccessibleInterface(&window), all);
        QVERIFY(all.size() > 60);
        for (QAccessibleInterface* node : all) {
            const QString name = node->object() ? node->object()->objectName() : QString();
            QVERIFY2(name != "tm", "the measuring label is exposed");
            const QAccessible::Role role = node->role();
            if (role == QAccessible::StatusBar || role == QAccessible::Notification ||
                role == QAccessible::Client || role == QAccessible::MenuBar ||
                role == QAccessible::Window) {
                continue;
            }
            if (node->object() == nullptr && node->rect().isEmpty()) {
                continue;  // a table's corner, which nobody can reach
            }
            QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                     qPrintable(QStringLiteral("%1 (role %2) has no name")
                                    .arg(name)
                                    .arg(static_cast<int>(role))));
        }
    }

    // Return presses the focused button in any window, as Space does.
    void returnPressesTheFocusedButton() {
        numira::MainWindow window;  // installs the view's behaviour for every window
        QWidget other;
        auto* button = new QPushButton(QStringLiteral("Запис"), &other);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTRY_COMPARE(clicks, 1);
    }

    // Every query at every offset, the end included, for every boundary type, returns a piece
    // of the text that holds the offset; walking the pieces from the start gives back the
    // whole text, so that a reader moving by word or character reaches the end and stops.
    void answersEveryTextQuery_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lastWord");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("sum") << "12+34"
                             << "34";
        QTest::newRow("power") << "7*2^3"
                               << "3";
        QTest::newRow("group") << "2^(3+1)+5"
                               << "5";
    }
    void answersEveryTextQuery() {
        QFETCH(QString, typed);
        QFETCH(QString, lastWord);
        numira::MainWindow window;
        QWidget* boxWidget = showAndType(window, typed);
        QVERIFY(boxWidget != nullptr);
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(boxWidget)->textInterface();
        const int n = text->characterCount();
        const QString whole = text->text(0, n);

        const Watchdog watchdog(std::chrono::seconds(20));
        using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType,
                                                            int*, int*) const;
        for (const QAccessible::TextBoundaryType type :
             {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
              QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary}) {
            for (int at = -1; at <= n + 1; ++at) {
                for (const Query query : {&QAccessibleTextInterface::textBeforeOffset,
                                          &QAccessibleTextInterface::textAtOffset,
                                          &QAccessibleTextInterface::textAfterOffset}) {
                    int start = -2;
                    int end = -2;
                    const QString piece = (text->*query)(at, type, &start, &end);
                    QVERIFY(0 <= start && start <= end && end <= n);
                    QCOMPARE(piece, whole.mid(start, end - start));
                }
            }
            QString walked;
            int start = 0;
            int end = 0;
            walked = text->textAtOffset(0, type, &start, &end);
            for (int steps = 0; end < n; ++steps) {
                QVERIFY(steps <= n);
                walked += text->textAfterOffset(start, type, &start, &end);
            }
            QCOMPARE(walked, whole);
        }
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(n, QAccessible::WordBoundary, &start, &end), lastWord);
        QCOMPARE(text->textAtOffset(n, QAccessible::LineBoundary, &start, &end), whole);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
