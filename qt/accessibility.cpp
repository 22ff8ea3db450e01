// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "qt/contrast.h"
#include "qt/expression_box.h"
#include "window/announcement.h"
#include "window/form1.h"
#include "window/spoken_text.h"

namespace numira {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QList<std::pair<int, int>> piecesOf(const QString& text, QAccessible::TextBoundaryType type) {
    QList<std::pair<int, int>> pieces;
    const int n = static_cast<int>(text.size());
    const auto inWord = [&text](int i) {
        return text[i].isLetterOrNumber() || text[i] == QLatin1Char(',');
    };
    for (int i = 0; i < n;) {
        const int start = i;
        if (type == QAccessible::CharBoundary) {
            ++i;
        } else if (type == QAccessible::WordBoundary) {
            if (inWord(i)) {
                while (i < n && inWord(i)) {
                    ++i;
                }
            } else {
                ++i;
            }
            while (i < n && text[i].isSpace()) {
                ++i;
            }
        } else {
            i = n;
        }
        pieces.append({start, i});
    }
    return pieces;
}

// The piece of the given boundary type at `offset`, or the one before (step -1) or after
// (step 1) it; an empty text at the near end when there is none. Words are runs of
// letters and digits, or one sign, with the blanks after them; every other boundary
// type gives the whole line. At the end of the text the last piece counts as the one
// there, except for characters.
QString textPiece(const QString& text, int offset, QAccessible::TextBoundaryType type, int step,
                  int* startOffset, int* endOffset) {
    const QList<std::pair<int, int>> pieces = piecesOf(text, type);
    const int at = std::clamp(offset, 0, static_cast<int>(text.size()));
    qsizetype index = 0;
    while (index < pieces.size() && pieces[index].second <= at) {
        ++index;
    }
    if (index == pieces.size() && type != QAccessible::CharBoundary && index > 0) {
        --index;
    }
    index += step;
    if (index < 0 || index >= pieces.size()) {
        *startOffset = *endOffset = index < 0 ? 0 : static_cast<int>(text.size());
        return {};
    }
    *startOffset = pieces[index].first;
    *endOffset = pieces[index].second;
    return text.mid(*startOffset, *endOffset - *startOffset);
}

// A read-only text for screen readers over what readText() gives; every query answers, at
// every offset. No caret or selection unless a subclass has one.
class AccessibleReadOnlyText : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    AccessibleReadOnlyText(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}
    virtual QString readText() const = 0;

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.focusable = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? readText() : QAccessibleWidget::text(t);
    }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    // The model owns the caret and the selection; a reader cannot move them.
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    int cursorPosition() const override { return 0; }
    QString text(int startOffset, int endOffset) const override {
        return readText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(readText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes over the whole text; a reader that gets an empty run reads
    // the line without its last character.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        return textPiece(readText(), offset, type, -1, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        return textPiece(readText(), offset, type, 0, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        return textPiece(readText(), offset, type, 1, startOffset, endOffset);
    }
};

// The expression box in the words of spokenExpression.
class AccessibleExpressionBox : public AccessibleReadOnlyText {
  public:
    explicit AccessibleExpressionBox(QWidget* widget)
        : AccessibleReadOnlyText(widget, QAccessible::EditableText) {}
    QString readText() const override { return fromUtf8(spoken().text); }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        const RichTextBox& model = box()->model();
        if (selectionIndex != 0 || model.selectionLength() == 0) {
            return;
        }
        const SpokenText s = spoken();
        *startOffset = offset(s, model.selectionStart());
        *endOffset = offset(s, model.selectionStart() + model.selectionLength());
    }
    int selectionCount() const override { return box()->model().selectionLength() > 0 ? 1 : 0; }
    int cursorPosition() const override { return offset(spoken(), box()->model().caret()); }
    QRect characterRect(int characterOffset) const override {
        const SpokenText s = spoken();
        const auto& glyphs = box()->glyphs();
        for (std::size_t i = 0; i < glyphs.size() && i + 1 < s.positions.size(); ++i) {
            if (characterOffset < offset(s, i + 1)) {
                const QRect local = glyphs[i].box.toAlignedRect();
                return {widget()->mapToGlobal(local.topLeft()), local.size()};
            }
        }
        return {};
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = widget()->mapFromGlobal(point);
        return offset(spoken(), box()->positionAt(local.x()));
    }

  private:
    const ExpressionBox* box() const { return static_cast<const ExpressionBox*>(object()); }
    SpokenText spoken() const { return spokenExpression(box()->model()); }
    static int offset(const SpokenText& s, std::size_t position) {
        return static_cast<int>(s.positions.at(std::min(position, s.positions.size() - 1)));
    }
};

// A help page ("ПОМОЩ") with its key pictures in words: the text it was given as its
// description, where a reader would otherwise say "object replacement character" for each.
class AccessibleHelpPage : public AccessibleReadOnlyText {
  public:
    explicit AccessibleHelpPage(QWidget* widget)
        : AccessibleReadOnlyText(widget, QAccessible::EditableText) {}
    QString readText() const override { return widget()->accessibleDescription(); }
    // Said once, as the text, not again as a description.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Description ? QString() : AccessibleReadOnlyText::text(t);
    }
};

// The result label L: a status object named by what the window announces. It counts as shown
// while it has something to say, as a failure does while the label itself stays hidden.
class AccessibleResult : public QAccessibleWidget {
  public:
    explicit AccessibleResult(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = widget()->accessibleName().isEmpty();
        s.offscreen = s.invisible;
        return s;
    }
};

// The client area without the measuring label tm, which lies hidden under the box.
class AccessibleClientArea : public QAccessibleWidget {
  public:
    explicit AccessibleClientArea(QWidget* widget) : QAccessibleWidget(widget) {}
    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr
                   ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())))
                   : -1;
    }

  private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* object : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (w != nullptr && !w->isWindow() && w->objectName() != QLatin1String("tm")) {
                list.append(w);
            }
        }
        return list;
    }
};

// A secondary window, named by its title without the blanks that centre it.
class AccessibleWindow : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return widget()->windowTitle().trimmed();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("numira::ExpressionBox")) {
        return new AccessibleExpressionBox(widget);
    }
    if (className == QLatin1String("numira::HelpPage")) {
        return new AccessibleHelpPage(widget);
    }
    if (className == QLatin1String("QLabel") && widget->objectName() == QLatin1String("L")) {
        return new AccessibleResult(widget);
    }
    if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String("client")) {
        return new AccessibleClientArea(widget);
    }
    for (const char* window :
         {"numira::Form3", "numira::Form2", "numira::HelpViewer", "numira::ChartWindow"}) {
        if (className == QLatin1String(window)) {
            return new AccessibleWindow(widget);
        }
    }
    return nullptr;
}

// Names of the controls a caption does not name; a label's caption follows its name.
struct ControlName {
    const char* control;
    const char* name;
};
constexpr ControlName kControlNames[] = {
    {"Label1", "Памет"},
    {"Label4", "Стойност на x"},
    {"comp", "Компютърен запис"},
    {"Frame1", "Основна клавиатура"},
    {"F2", "Тригонометрични функции"},
    {"Frame2", "Променлива x"},
    {"Izbor", "Брой на цифрите след десетичната запетая"},
    {"Gradusi", "Мерна единица за ъглите"},
};

// Return presses the focused button in every window, as Space does; without it only a
// dialog's default button answers Return.
class ReturnPressesButtons : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->hasFocus() || key->modifiers() != Qt::NoModifier ||
            (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) {
            return false;
        }
        button->animateClick();
        return true;
    }
};

class SecondaryFocus : public QObject {
  public:
    explicit SecondaryFocus(QWidget* owner) : QObject(owner), m_owner(owner) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_owner) {
            if (event->type() == QEvent::ChildPolished) {
                auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
                if (child != nullptr && child->isWindow()) {
                    child->installEventFilter(this);
                }
            }
            return false;
        }
        auto* window = qobject_cast<QWidget*>(watched);
        if (window == nullptr || event->spontaneous()) {
            return false;
        }
        if (event->type() == QEvent::Show) {
            QTimer::singleShot(0, window, [window] {
                window->activateWindow();
                for (QWidget* w = window->nextInFocusChain();
                     window->focusWidget() == nullptr && w != window; w = w->nextInFocusChain()) {
                    if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(window)) {
                        w->setFocus(Qt::ActiveWindowFocusReason);
                    }
                }
            });
        } else if (event->type() == QEvent::Hide && m_owner->isVisible()) {
            QTimer::singleShot(0, m_owner, [owner = m_owner] {
                owner->activateWindow();
                owner->raise();
            });
        }
        return false;
    }

  private:
    QWidget* m_owner;
};

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    QAccessible::installFactory(factory);
    qApp->installEventFilter(new ReturnPressesButtons(qApp));
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight,
                         readableAgainst(palette.color(group, QPalette::Highlight),
                                         palette.color(group, QPalette::HighlightedText)));
    }
    QApplication::setPalette(palette);
}

void updateAccessibleNames(Form1& form, QWidget* client, QWidget* result, QWidget* box) {
    for (const ControlName& entry : kControlNames) {
        auto* widget = client->findChild<QWidget*>(QLatin1String(entry.control));
        const Control* control = form.control(entry.control);
        if (widget == nullptr) {
            continue;
        }
        QString name = QString::fromUtf8(entry.name);
        if (control != nullptr && control->kind == ControlKind::Label &&
            !control->caption.empty()) {
            name += QStringLiteral(": ") + fromUtf8(control->caption);
        }
        if (widget->accessibleName() != name) {
            widget->setAccessibleName(name);
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                combo->view()->setAccessibleName(name);
            }
        }
    }

    // A label with a name of its own sends no name change when its caption changes, so tm,
    // which the tree leaves out, stays silent while the expression is typed.
    if (auto* tm = client->findChild<QWidget*>(QStringLiteral("tm"));
        tm != nullptr && tm->accessibleName().isEmpty()) {
        tm->setAccessibleName(QStringLiteral("tm"));
    }

    const QString announcement = fromUtf8(resultAnnouncement(form));
    if (result->accessibleName() == announcement) {
        return;
    }
    result->setAccessibleName(announcement);
    box->setAccessibleDescription(announcement);
}

void returnFocusFromSecondaryWindows(QWidget* owner) {
    owner->installEventFilter(new SecondaryFocus(owner));
}

}  // namespace numira
