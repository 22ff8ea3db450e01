// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QSvgWidget>
#include <QTimer>
#include <functional>
#include <utility>

#include "engine/failure.h"
#include "keypad/history_keys.h"
#include "keypad/shortcuts.h"
#include "keypad/text_keys.h"
#include "qt/accessibility.h"
#include "qt/announcer.h"
#include "qt/contrast.h"
#include "qt/expression_box.h"
#include "qt/focus_ring.h"
#include "qt/history_panel.h"
#include "qt/key_hints.h"
#include "qt/key_picture.h"
#include "qt/menu_text.h"
#include "qt/preview_label.h"
#include "qt/twips.h"
#include "qt/window_place.h"

namespace numira {

namespace {

constexpr int kFailureMarkSize = 12;
// The failure's red, moved as far as the window's background needs for its text to be read.
const QColor kFailureRed(192, 0, 0);

QColor toColor(const Rgb& rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

QFont toFont(const Font& font) {
    QFont qfont(toQString(font.name));
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    return qfont;
}

QString picturePath(Picture picture) {
    switch (picture) {
        case Picture::Plus:
            return QStringLiteral(":/icons/plus.svg");
        case Picture::Minus:
            return QStringLiteral(":/icons/minus.svg");
        case Picture::RaisedDot:
            return QStringLiteral(":/icons/dot.svg");
        case Picture::Colon:
            return QStringLiteral(":/icons/colon.svg");
        case Picture::Slash:
            return QStringLiteral(":/icons/slash.svg");
        case Picture::Radical:
            return QStringLiteral(":/icons/radical.svg");
        case Picture::Power:
            return QStringLiteral(":/icons/power.svg");
        case Picture::Backspace:
            return QStringLiteral(":/icons/backspace.svg");
        case Picture::ArrowUp:
            return QStringLiteral(":/icons/arrow_up.svg");
        case Picture::ArrowDown:
            return QStringLiteral(":/icons/arrow_down.svg");
        case Picture::None:
            break;
    }
    return {};
}

// A coloured key of the classic look: a flat face with a raised 3D edge, sunk while pressed.
QString buttonStyle(const QString& name, const QColor& face) {
    const QString light = face.lighter(160).name();
    const QString dark = face.darker(180).name();
    return QStringLiteral(
               "QPushButton#%1 { background-color: %2; color: black; border-width: 2px; "
               "border-style: solid; border-color: %3 %4 %4 %3; padding: 0px; }"
               "QPushButton#%1:pressed { border-color: %4 %3 %3 %4; padding-top: 1px; }")
        .arg(name, face.name(), light, dark);
}

// A coloured combo box with the narrow drop-down button of the classic look, so that its
// entries fit the small box; its open list is black on white, readable whatever the box's
// colours.
QString comboStyle(const QString& name, const QColor& background, const QColor& text) {
    return QStringLiteral(
               "QComboBox#%1 { background-color: %2; color: %3; border-width: 2px; "
               "border-style: solid; border-color: #404040 #ffffff #ffffff #404040; "
               "padding: 0px 0px 0px 2px; }"
               "QComboBox#%1::drop-down { width: 14px; border-width: 1px; border-style: solid; "
               "border-color: #ffffff #404040 #404040 #ffffff; background-color: #c0c0c0; }"
               "QComboBox#%1::down-arrow { image: url(:/icons/combo_arrow.svg); width: 8px; "
               "height: 5px; }"
               "QComboBox#%1 QAbstractItemView { background-color: white; color: black; "
               "selection-background-color: #000080; selection-color: white; }")
        .arg(name, background.name(), text.name());
}

// The window's size, no larger than the screen's free area less the window frame.
QSize fitToScreen(const QSize& size, const QWidget* window) {
    QSize fitted = sizeOnScreen(window, size);
    if (fitted.height() < size.height()) {
        // Room for the vertical scroll bar, so that no horizontal one is needed as well.
        const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
        fitted.setWidth(sizeOnScreen(window, size + QSize(bar, 0)).width());
    }
    return fitted;
}

void setGeometryIfChanged(QWidget* widget, const QRect& rect) {
    if (widget->geometry() != rect) {
        widget->setGeometry(rect);
    }
}

}  // namespace

// The window's client area: the six lines are drawn on it, under the controls.
// Scrolls the controls on a small screen, but leaves every key to the window: the arrows,
// Home and End belong to the expression box and the history, not to the scroll bars.
class ClientScroll : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

  protected:
    void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

class ClientArea : public QWidget {
  public:
    using QWidget::QWidget;
    void setLines(QList<QLine> lines) {
        if (lines != m_lines) {
            m_lines = std::move(lines);
            update();
        }
    }

    // Called once, after the first paint has been handed to the window system.
    std::function<void()> afterFirstPaint;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // The window's text colour: black on the usual light window, light on a dark one.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawLines(m_lines);
        if (afterFirstPaint) {
            QTimer::singleShot(0, this, std::exchange(afterFirstPaint, nullptr));
        }
    }

  private:
    QList<QLine> m_lines;
};

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      m_platform(this),
      m_form(m_platform),
      m_helpWindows(this),
      m_chartSheet(this) {
    setObjectName(QStringLiteral("Form1"));
    installAccessibility();
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));

    m_helpWindows.onForm3Closed = [this] { m_form.Form3_Unload(); };
    m_helpWindows.onForm2Closed = [this] { m_form.Form2_Unload(); };
    m_chartSheet.onFailure = [this](const QString& message) { showMessage(message); };
    m_form.sheetApp = [this] { return m_chartSheet.sheet(); };
    m_form.Form_Load();
    m_form.processKeystrokes();

    m_client = new ClientArea(this);
    m_client->setObjectName(QStringLiteral("client"));
    // The icon's picture has text in it, and its fonts and drawing would delay the first
    // frame; the window system shows it as soon as it comes. Two sizes drawn once, not the
    // four a scalable icon gives the window system.
    m_client->afterFirstPaint = [this] {
        QIcon icon;
        for (const int side : {32, 64}) {
            icon.addPixmap(svgPixmap(QStringLiteral(":/icons/numira.svg"), QSize(side, side)));
        }
        setWindowIcon(icon);
    };
    // On a screen too small for the window (a large scale factor) the controls scroll.
    auto* scroll = new ClientScroll(this);
    scroll->setObjectName(QStringLiteral("clientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(m_client);
    scroll->horizontalScrollBar()->setAccessibleName(QStringLiteral("Превъртане надясно"));
    scroll->verticalScrollBar()->setAccessibleName(QStringLiteral("Превъртане надолу"));
    setCentralWidget(scroll);
    buildControls();
    buildMenus();
    buildTimers();
    buildHistoryPanel();
    stackControls();
    m_announcer = new Announcer(m_client);
    m_announced = announcedState(m_form);
    refresh();
    m_t->setFocus();
    returnFocusFromSecondaryWindows(this);
    keepWindowsOnScreen();
    showKeyboardFocus();
}

QString MainWindow::lastAnnouncement() const {
    return m_announcer->said();
}

QWidget* MainWindow::clientArea() const {
    return m_client;
}

QSize MainWindow::innerSizeFor(float widthTwips, float heightTwips) const {
    return {twipsToPixels(widthTwips - 2 * kBorderTwips, this),
            twipsToPixels(heightTwips - kCaptionTwips - 2 * kBorderTwips, this)};
}

void MainWindow::buildControls() {
    auto containerOf = [this](Container container) -> QWidget* {
        switch (container) {
            case Container::Frame1:
                return m_widgets.at("Frame1");
            case Container::F2:
                return m_widgets.at("F2");
            case Container::Frame2:
                return m_widgets.at("Frame2");
            case Container::Window:
                break;
        }
        return m_client;
    };

    for (Control* control : m_form.controls()) {
        QWidget* parent = containerOf(control->container);
        const QString name = toQString(control->name);
        QWidget* widget = nullptr;
        switch (control->kind) {
            case ControlKind::Frame: {
                auto* frame = new QFrame(parent);
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                widget = frame;
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton(parent);
                button->setFocusPolicy(Qt::NoFocus);
                button->setAutoDefault(false);
                if (control->background) {
                    button->setStyleSheet(buttonStyle(name, toColor(*control->background)));
                }
                const QString picture = picturePath(control->picture);
                if (!picture.isEmpty()) {
                    button->setIcon(QIcon(picture));
                }
                const std::string controlName = control->name;
                connect(button, &QPushButton::clicked, this,
                        [this, controlName] { controlClicked(controlName); });
                if (const std::optional<Key> key = keyForControl(control->name);
                    key && !keyRow(*key).hintName.empty()) {
                    button->setAccessibleName(toQString(std::string(keyRow(*key).hintName)));
                    button->setToolTip(keyToolTip(keyRow(*key)));
                }
                widget = button;
                break;
            }
            case ControlKind::Label: {
                auto* label = new QLabel(parent);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                widget = label;
                break;
            }
            case ControlKind::TextBox: {
                auto* box = new QLineEdit(parent);
                box->setReadOnly(true);
                box->setFocusPolicy(Qt::NoFocus);
                widget = box;
                break;
            }
            case ControlKind::PictureBox:
                widget = new QSvgWidget(picturePath(control->picture), parent);
                break;
            case ControlKind::ComboBox:
            case ControlKind::RichTextBox:
                continue;
        }
        widget->setObjectName(name);
        widget->setFont(toFont(control->font));
        if (control->kind != ControlKind::Button && (control->background || control->foreground)) {
            QPalette palette = widget->palette();
            if (control->background) {
                palette.setColor(QPalette::Window, toColor(*control->background));
                palette.setColor(QPalette::Base, toColor(*control->background));
                widget->setAutoFillBackground(true);
            }
            if (control->foreground) {
                palette.setColor(QPalette::WindowText, toColor(*control->foreground));
                palette.setColor(QPalette::Text, toColor(*control->foreground));
            }
            widget->setPalette(palette);
        }
        m_widgets[control->name] = widget;
    }
    if (QWidget* pic2 = m_widgets["Pic2"]) {
        pic2->setAccessibleName(QStringLiteral("пишете степенен показател"));
    }
    if (QWidget* pic1 = m_widgets["Pic1"]) {
        pic1->setAccessibleName(QStringLiteral("пишете на основния ред"));
    }

    m_t = new ExpressionBox(m_client);
    m_t->setObjectName(QStringLiteral("t"));
    m_t->setAccessibleName(QStringLiteral("израз"));
    connect(m_t, &ExpressionBox::clicked, this, [this](std::size_t position) {
        m_form.t_Click(position);
        refresh();
    });
    m_widgets["t"] = m_t;
    // The box's own menu: what a mouse needs to move an expression in and out.
    m_t->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_t, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(m_t);
        menu.setObjectName(QStringLiteral("tMenu"));
        for (const char* name : {"CopEkran", "CopRez", "Postavyane"}) {
            menu.addAction(m_actions.at(name));
        }
        menu.exec(m_t->mapToGlobal(at));
    });

    auto makeCombo = [this](ComboBox& model, QWidget* parent) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(toQString(model.name));
        combo->setFocusPolicy(Qt::NoFocus);
        combo->setFont(toFont(model.font));
        for (const std::string& entry : model.entries) {
            combo->addItem(toQString(entry));
        }
        if (model.background && model.foreground) {
            const QColor text = toColor(*model.foreground);
            combo->setStyleSheet(comboStyle(
                combo->objectName(), readableAgainst(toColor(*model.background), text), text));
        }
        m_widgets[model.name] = combo;
        return combo;
    };
    m_izbor = makeCombo(m_form.Izbor, m_client);
    m_gradusi = makeCombo(m_form.Gradusi, containerOf(m_form.Gradusi.container));
    const auto shortcutText = [](Key key) { return toQString(std::string(shortcutForKey(key))); };
    m_gradusi->setToolTip(
        QStringLiteral("Градуси или радиани — клавиатура: %1").arg(shortcutText(Key::Degrees)));
    m_izbor->setToolTip(QStringLiteral("Брой на цифрите след запетаята — клавиатура: %1 … %2")
                            .arg(shortcutText(Key::Round0), shortcutText(Key::Round7)));
    connect(m_izbor, &QComboBox::activated, this, [this](int index) {
        pressKey(static_cast<Key>(static_cast<int>(Key::Round0) + index));
    });
    connect(m_gradusi, &QComboBox::activated, this,
            [this](int index) { pressKey(index == 0 ? Key::Radians : Key::Degrees); });

    m_failureMark = new QLabel(m_client);
    m_failureMark->setObjectName(QStringLiteral("failureMark"));
    m_failureMark->setPixmap(svgPixmap(QStringLiteral(":/icons/failure.svg"),
                                       QSize(kFailureMarkSize, kFailureMarkSize),
                                       devicePixelRatio()));
    m_failureMark->setAccessibleName(QStringLiteral("грешка"));
    m_failureMark->resize(kFailureMarkSize, kFailureMarkSize);
    m_failureMark->hide();

    m_failureText = new QLabel(m_client);
    m_failureText->setObjectName(QStringLiteral("failureText"));
    m_failureText->setTextFormat(Qt::PlainText);
    // Screen readers hear the reason from the result label; this one is named for a reader
    // who walks the window.
    m_failureText->setAccessibleName(QStringLiteral("причина за грешката"));
    m_failureText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_failureText->palette();
    palette.setColor(QPalette::WindowText,
                     readableAgainst(kFailureRed, palette.color(QPalette::Window)));
    m_failureText->setPalette(palette);
    m_failureText->hide();

    m_angleMark = new QLabel(m_client);
    m_angleMark->setObjectName(QStringLiteral("angleUnitMark"));
    m_angleMark->setTextFormat(Qt::PlainText);
    m_angleMark->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    QFont markFont(QStringLiteral("Arial"));
    markFont.setPointSizeF(7);
    markFont.setBold(true);
    m_angleMark->setFont(markFont);
    m_angleMark->setToolTip(
        QStringLiteral("Мярка за ъглите — клавиатура: %1").arg(shortcutText(Key::Degrees)));

    m_preview = new PreviewLabel(m_client);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFont(toFont(m_form.L.font));
    m_preview->hide();
}

// Earlier controls lie in front of later ones: comp over t, t over tm, Pic2 over Pic1.
void MainWindow::stackControls() {
    std::vector<QWidget*> order;
    for (Control* control : m_form.controls()) {
        order.push_back(m_widgets.at(control->name));
        if (control->name == "comp") {
            order.push_back(m_izbor);
        } else if (control->name == "Pic1") {
            order.push_back(m_t);
        } else if (control->name == "Command8") {
            order.push_back(m_gradusi);
        }
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        (*it)->raise();
    }
    m_failureMark->raise();
    m_failureText->raise();
    m_preview->raise();
}

void MainWindow::buildMenus() {
    QString usedLetters;
    for (const Menu& menu : m_form.menus) {
        QMenu* qmenu = menuBar()->addMenu(withAccessLetter(toQString(menu.caption), usedLetters));
        qmenu->setObjectName(toQString(menu.name));
        qmenu->setAccessibleName(toQString(menu.caption));
        for (const MenuItem& item : menu.items) {
            QAction* action = qmenu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            const std::string name = item.name;
            connect(action, &QAction::triggered, this, [this, name] { controlClicked(name); });
            m_actions[item.name] = action;
        }
    }
    for (const Shortcut& shortcut : shortcuts()) {
        auto* qshortcut =
            new QShortcut(QKeySequence::fromString(toQString(std::string(shortcut.sequence)),
                                                   QKeySequence::PortableText),
                          this);
        connect(qshortcut, &QShortcut::activated, this,
                [this, sequence = std::string(shortcut.sequence)] {
                    if (const std::optional<Key> key = keyForShortcut(m_form, sequence)) {
                        pressKey(*key);
                        const std::string_view name = keyName(*key);
                        syncSecondaryWindows(std::string(name.substr(name.find(':') + 1)));
                    }
                });
    }
    // F10 opens the first menu, as on other desktops; the arrows go on from there.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
}

void MainWindow::buildTimers() {
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, [this] { pressKey(Key::Tick1); });
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    connect(m_timer2, &QTimer::timeout, this, [this] { pressKey(Key::Tick2); });
}

void MainWindow::buildHistoryPanel() {
    m_history = new HistoryPanelView(m_client);
    // Typing goes on in the box, whether the row was chosen by mouse or keyboard.
    const auto after = [this](auto reuse) {
        return [this, reuse](std::size_t n) {
            reuse(m_form, m_platform, n);
            refresh();
            m_t->setFocus();
        };
    };
    connect(m_history, &HistoryPanelView::expressionChosen, this,
            after([](Form1& f, Platform& p, std::size_t n) { recallHistory(f, p, n); }));
    connect(m_history, &HistoryPanelView::resultChosen, this,
            after([](Form1& f, Platform& p, std::size_t n) { recallHistoryResult(f, p, n); }));
    connect(m_history, &HistoryPanelView::clearRequested, this, [this] {
        m_form.history.clear();
        refresh();
    });
    connect(m_history, &HistoryPanelView::restoreRequested, this, [this] {
        m_form.history.restore();
        refresh();
    });
    connect(m_history, &HistoryPanelView::removeRequested, this, [this](std::size_t n) {
        m_form.history.remove(n);
        refresh();
    });
    connect(m_history, &HistoryPanelView::copyRequested, this, [this] {
        copyHistory(m_form, m_platform);
        refresh();
    });
}

void MainWindow::controlClicked(const std::string& name) {
    if (const std::optional<Key> key = keyForControl(name)) {
        pressKey(*key);
        syncSecondaryWindows(name);
    }
}

void MainWindow::pressKey(Key key) {
    press(m_form, m_platform, key);
    refresh();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        pressKey(Key::MenuCopRez);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressKey(Key::Equals);
            return;
        case Qt::Key_Backspace:
            pressKey(Key::Backspace);
            return;
        case Qt::Key_Escape:
            pressKey(keyForEscape(m_form));
            return;
        case Qt::Key_Home:
            m_form.t_Click(0);
            refresh();
            return;
        case Qt::Key_End:
            m_form.t_Click(m_form.t.text().size());
            refresh();
            return;
        // The caret reviews the expression for a screen reader; the next key types at the
        // end again.
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const std::size_t caret = m_form.t.caret();
            m_form.t_Click(event->key() == Qt::Key_Left ? (caret == 0 ? 0 : caret - 1) : caret + 1);
            refresh();
            return;
        }
        // On a screen too small for the window the keyboard scrolls it too.
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (auto* scroll = qobject_cast<QScrollArea*>(centralWidget())) {
                scroll->verticalScrollBar()->triggerAction(
                    event->key() == Qt::Key_PageUp ? QAbstractSlider::SliderPageStepSub
                                                   : QAbstractSlider::SliderPageStepAdd);
            }
            return;
        case Qt::Key_Up:
            pressKey(Key::HistoryBack);
            return;
        case Qt::Key_Down:
            pressKey(Key::HistoryForward);
            return;
        default:
            break;
    }
    bool handled = false;
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        for (const char32_t character : event->text().toUcs4()) {
            if (const std::optional<Key> key = keyForTyped(character)) {
                press(m_form, m_platform, *key);
                handled = true;
            }
        }
    }
    if (handled) {
        refresh();
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::syncSecondaryWindows(const std::string& raised) {
    if (m_form.Form3.open &&
        (m_helpWindows.form3() == nullptr || raised == "Stepen" || raised == "FFun")) {
        m_helpWindows.showForm3(m_form.Form3);
    }
    if (m_form.Form2.open && (m_helpWindows.form2() == nullptr || raised == "Kolektiv")) {
        m_helpWindows.showForm2(m_form.Form2);
    }
}

void MainWindow::showMessage(const QString& text) {
    m_lastMessage = text;
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Нумира"), text,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("message"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MainWindow::refresh() {
    setWindowTitle(toQString(m_form.caption));
    const QSize inner = innerSizeFor(m_form.windowWidth, m_form.windowHeight);
    setFixedSize(fitToScreen(inner, this));
    m_client->setFixedSize(inner.width(), inner.height() - menuBar()->sizeHint().height());
    keepOnScreen(this);

    for (Control* control : m_form.controls()) {
        QWidget* widget = m_widgets.at(control->name);
        const Geometry& g = control->geometry;
        setGeometryIfChanged(widget, twipsToPixels(g.left, g.top, g.width, g.height, this));
        const QString caption = toQString(control->caption);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            if (button->text() != caption) {
                button->setText(caption);
            }
            if (!button->icon().isNull()) {
                const int side = std::max(8, std::min(button->height() - 9, 16));
                button->setIconSize(QSize(side * 3 / 2, side));
            }
            if (button->accessibleName().isEmpty()) {
                button->setAccessibleName(caption);
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text() != caption) {
                label->setText(caption);
            }
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            const QString text = toQString(control->text);
            if (box->text() != text) {
                box->setText(text);
            }
        }
        widget->setEnabled(control->enabled);
        widget->setVisible(control->visible);
    }

    const Geometry& tg = m_form.t.geometry;
    setGeometryIfChanged(m_t, twipsToPixels(tg.left, tg.top, tg.width, tg.height, this));
    m_t->setVisible(m_form.t.visible);
    m_t->setModel(m_form.t);
    m_t->setMarked(m_form.failureAt ? m_form.failureAt->begin : 0,
                   m_form.failureAt ? m_form.failureAt->end : 0);

    for (auto [combo, model] : {std::pair{m_izbor, &m_form.Izbor}, {m_gradusi, &m_form.Gradusi}}) {
        const QSignalBlocker block(combo);
        combo->setPlaceholderText(toQString(model->text));
        combo->setCurrentIndex(model->listIndex);
        const Geometry& g = model->geometry;
        setGeometryIfChanged(combo, twipsToPixels(g.left, g.top, g.width, g.height, this));
        combo->setVisible(model->visible);
    }

    const Geometry& hg = m_form.historyPanel.geometry;
    setGeometryIfChanged(m_history, twipsToPixels(hg.left, hg.top, hg.width, hg.height, this));
    m_history->setVisible(m_form.historyPanel.visible);
    m_history->setHistory(m_form.history);

    QList<QLine> lines;
    for (const Line* line : m_form.lines()) {
        if (line->visible) {
            lines.append(QLine(twipsToPixels(line->x1, this), twipsToPixels(line->y1, this),
                               twipsToPixels(line->x2, this), twipsToPixels(line->y2, this)));
        }
    }
    m_client->setLines(lines);

    for (const Menu& menu : m_form.menus) {
        QString usedLetters;
        for (const MenuItem& item : menu.items) {
            QAction* action = m_actions.at(item.name);
            const std::optional<Key> key = keyForControl(item.name);
            action->setText(
                menuItemText(toQString(item.caption), usedLetters,
                             key ? toQString(std::string(shortcutForKey(*key))) : QString()));
            action->setVisible(item.visible);
            action->setCheckable(item.checked.has_value());
            action->setChecked(item.checked.value_or(false));
        }
    }

    // The mark sits inside the right end of the box, in the margin the box keeps after its
    // text, so that it is beside the result label and never outside the window.
    if (m_form.lastFailure) {
        const QRect box = m_t->geometry();
        m_failureMark->move(box.right() - kFailureMarkSize - 3,
                            box.top() + (box.height() - kFailureMarkSize) / 2);
        m_failureMark->setToolTip(toQString(std::string(failureReasonBg(*m_form.lastFailure))));
        m_failureMark->show();
    } else {
        m_failureMark->hide();
    }
    const Form1::FailureText& shown = m_form.failureShown;
    if (!shown.words.empty()) {
        m_failureText->setFont(toFont(Font{m_form.L.font.name, shown.fontSize, true}));
        m_failureText->setText(toQString(shown.words));
        const Geometry& g = shown.place;
        // A pixel's rounding must not cut the last letter.
        QRect place = twipsToPixels(g.left, g.top, g.width, g.height, this);
        place.setWidth(std::max(place.width(), m_failureText->sizeHint().width()));
        setGeometryIfChanged(m_failureText, place);
    }
    m_failureText->setVisible(!shown.words.empty());

    const QString unit = toQString(std::string(m_form.angleUnitMark()));
    if (m_angleMark->text() != unit) {
        m_angleMark->setText(unit);
        m_angleMark->setAccessibleName(
            QStringLiteral("мярка за ъглите: ") +
            toQString(m_form.Gradusi.entries.at(m_form.degreesMode ? 1 : 0)));
    }
    // Over the right end of the box, in the row of the memory label.
    const QRect box = m_t->geometry();
    const QSize mark = m_angleMark->sizeHint();
    setGeometryIfChanged(
        m_angleMark, QRect(box.right() + 1 - mark.width(), std::max(0, box.top() - mark.height()),
                           mark.width(), std::min(mark.height(), box.top())));

    const Form1::PreviewText& preview = m_form.preview;
    if (!preview.caption.empty()) {
        m_preview->setText(toQString(preview.caption));
        const Geometry& g = preview.place;
        QRect place = twipsToPixels(g.left, g.top, g.width, g.height, this);
        place.setWidth(std::max(place.width(), m_preview->sizeHint().width()));
        setGeometryIfChanged(m_preview, place);
    }
    m_preview->setVisible(!preview.caption.empty());

    for (auto [timer, model] : {std::pair{m_timer1, &m_form.Timer1}, {m_timer2, &m_form.Timer2}}) {
        timer->setInterval(model->intervalMs);
        if (model->enabled && !timer->isActive()) {
            timer->start();
        } else if (!model->enabled && timer->isActive()) {
            timer->stop();
        }
    }

    if (!m_form.message.empty()) {
        showMessage(toQString(m_form.takeMessage()));
    }
    syncSecondaryWindows({});
    updateAccessibleNames(m_form, m_client, m_widgets.at("L"), m_t);
    AnnouncedState now = announcedState(m_form);
    m_announcer->say(toQString(announcement(m_announced, now)));
    m_announced = std::move(now);
}

}  // namespace numira
