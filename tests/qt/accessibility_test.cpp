#include <QAccessible>
#include <QApplication>
#include <QtTest>
#include <memory>

#include "qt/main_window.h"
#include "qt/resources.h"

namespace {

// Every interface under `root`, depth first.
void collect(QAccessibleInterface* root, QList<QAccessibleInterface*>& out) {
    out.append(root);
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i)) {
            collect(child, out);
        }
    }
}

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
                                         << "7·2^3"
                                         << "";
        QTest::newRow("exponent group") << "2^(3+1)+5"
                                        << "2^(3+1)+5"
                                        << "";
        QTest::newRow("result") << "2+3="
                                << "2+3"
                                << "Резултат: 5";
        QTest::newRow("decimal result") << "7:4="
                                        << "7:4"
                                        << "Резултат: 1,75";
        QTest::newRow("failure") << "5:0="
                                 << "5:0"
                                 << "Грешка: Деление на нула";
        QTest::newRow("invalid") << "5*="
                                 << "5·"
                                 << "Грешка: Невалиден израз";
    }
    void readsTheWindow() {
        QFETCH(QString, typed);
        QFETCH(QString, boxText);
        QFETCH(QString, result);
        numira::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* boxWidget = window.findChild<QWidget*>("t");
        QTest::keyClicks(boxWidget, typed);

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

        // Every key and control has a name; the measuring label is not there to be read.
        QList<QAccessibleInterface*> all;
        collect(QAccessible::queryAccessibleInterface(&window), all);
        QVERIFY(all.size() > 60);
        for (QAccessibleInterface* node : all) {
            const QString name = node->object() ? node->object()->objectName() : QString();
            QVERIFY2(name != "tm", "the measuring label is exposed");
            const QAccessible::Role role = node->role();
            if (role == QAccessible::StatusBar || role == QAccessible::Client ||
                role == QAccessible::MenuBar || role == QAccessible::Window) {
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
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
