// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/window_place.h"

#include "qt/scrolling_page.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace numira {

namespace {

QMargins frameMargins(const QWidget* window) {
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QRect freeArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen == nullptr ? QRect() : screen->availableGeometry();
}

// The window's frame margins; before the window manager has framed it, and while it reframes
// it (the frame is then briefly smaller than the window), its owner's.
QMargins expectedMargins(const QWidget* window) {
    QMargins margins = frameMargins(window);
    const bool known = !margins.isNull() && margins.left() >= 0 && margins.top() >= 0 &&
                       margins.right() >= 0 && margins.bottom() >= 0;
    if (!known && window->parentWidget() != nullptr) {
        margins = frameMargins(window->parentWidget()->window());
    }
    return margins;
}

// Where place() last put the window's frame, to tell a move by the user from our own.
constexpr char kPlacedAt[] = "numiraPlacedAt";
const QString kPlacerName = QStringLiteral("framePlacer");

// Moves the window by its frame: the window manager puts the frame's corner where asked
// even before it has told the frame's margins. Until it has, the owner's stand in for them.
void place(QWidget* window, const FramePlace& wanted) {
    const QRect screen = freeArea(window);
    if (screen.isEmpty()) {
        return;
    }
    const QMargins margins = expectedMargins(window);
    const QSize frame = window->size().grownBy(margins);
    const QPoint at = clientTopLeft(screen, margins, window->size(), wanted(screen, frame));
    window->move(at - QPoint(margins.left(), margins.top()));
    window->setProperty(kPlacedAt, window->pos());
}

// Places its window, and again whenever its size or its frame's margins have changed, or its
// frame has left the screen, while the window manager settles it: the layout settles the size
// at the first show, the manager tells the margins only after it has framed the window, with
// no event of its own, and may move the frame while it does. A while after the window is
// shown the manager is done: the work ends there. A move onto the screen is left alone, as the
// user's may be.
class FramePlacer : public QObject {
  public:
    FramePlacer(QWidget* window, FramePlace wanted)
        : QObject(window), m_window(window), m_wanted(std::move(wanted)) {
        setObjectName(kPlacerName);
        apply();
        window->installEventFilter(this);
        if (window->isVisible()) {
            settle();
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_window) {
            return false;
        }
        switch (event->type()) {
            case QEvent::Show:
                settle();
                [[fallthrough]];
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Paint:
                if (frameMargins(m_window) != m_margins || m_window->size() != m_size ||
                    !freeArea(m_window).contains(m_window->frameGeometry())) {
                    apply();
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    // How long after showing the window manager may still frame and move the window.
    static constexpr int kSettleMs = 1500;

    void settle() {
        if (!m_settling) {
            m_settling = true;
            QTimer::singleShot(kSettleMs, this, [this] { deleteLater(); });
        }
    }

    void apply() {
        m_margins = frameMargins(m_window);
        m_size = m_window->size();
        place(m_window, m_wanted);
    }

    QWidget* m_window;
    FramePlace m_wanted;
    QMargins m_margins;
    QSize m_size;
    bool m_settling = false;
};

// Fits each window as it is shown: the event comes after the layout has sized the window and
// before the window system maps it.
class WindowsOnScreen : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) {
            return false;
        }
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Window && type != Qt::Dialog) {
            return false;  // menus, lists and tips place themselves
        }
        window->resize(sizeOnScreen(window, window->size()));
        // A window placeByFrame places is left to its placer, which follows the new size.
        const bool placed =
            window->findChild<QObject*>(kPlacerName, Qt::FindDirectChildrenOnly) != nullptr;
        if (!placed && !freeArea(window).contains(window->frameGeometry())) {
            const QPoint at = window->frameGeometry().topLeft();
            place(window, [at](const QRect&, const QSize&) { return at; });
        }
        return false;
    }
};

}  // namespace

QPoint clientTopLeft(const QRect& screen, const QMargins& frame, const QSize& client,
                     QPoint wanted) {
    const QSize outer = client.grownBy(frame);
    const int x = std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - outer.width()));
    const int y =
        std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - outer.height()));
    return {x + frame.left(), y + frame.top()};
}

void placeByFrame(QWidget* window, FramePlace wanted) {
    // A placer still settling the window from before gives way to the new place.
    for (QObject* earlier :
         window->findChildren<QObject*>(kPlacerName, Qt::FindDirectChildrenOnly)) {
        delete earlier;
    }
    new FramePlacer(window, std::move(wanted));
}

bool movedSincePlaced(const QWidget* window) {
    const QVariant placed = window->property(kPlacedAt);
    return !placed.isValid() || placed.toPoint() != window->pos();
}

FramePlace besideWindow(const QWidget* owner) {
    const QRect ownerFrame = owner->frameGeometry();
    return [ownerFrame](const QRect& screen, const QSize& frame) {
        const int right = ownerFrame.right() + 1;
        if (right + frame.width() <= screen.right() + 1 ||
            ownerFrame.left() - frame.width() < screen.left()) {
            return QPoint(right, ownerFrame.top());
        }
        return QPoint(ownerFrame.left() - frame.width(), ownerFrame.top());
    };
}

void fitBeside(QWidget* window, const QWidget* owner) {
    const QRect screen = freeArea(owner);
    const QRect ownerFrame = owner->frameGeometry();
    // The window is not framed yet; the owner's frame is the best guess of its margins.
    const QMargins margins = frameMargins(owner);
    const int room =
        std::max(screen.right() - ownerFrame.right(), ownerFrame.left() - screen.left()) -
        margins.left() - margins.right();
    if (room < window->width()) {
        // Narrower than its page, the window would only scroll its content sideways.
        const int least = std::min(window->width(),
                                   std::max({window->width() / 2, window->minimumSizeHint().width(),
                                             pageLeastWidth(window)}));
        window->resize(std::max(room, least), window->height());
    }
}

void closeOnEscape(QWidget* window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

void keepOnScreen(QWidget* window) {
    const QRect screen = freeArea(window);
    if (!window->isVisible() || screen.isEmpty() || screen.contains(window->frameGeometry())) {
        return;
    }
    const QPoint at = window->frameGeometry().topLeft();
    place(window, [at](const QRect&, const QSize&) { return at; });
}

QSize sizeOnScreen(const QWidget* window, QSize wanted) {
    const QRect screen = freeArea(window);
    if (screen.isEmpty()) {
        return wanted;
    }
    const QMargins margins = expectedMargins(window);
    return wanted.boundedTo(screen.size().shrunkBy(margins));
}

void keepWindowsOnScreen() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QCoreApplication::instance()->installEventFilter(
            new WindowsOnScreen(QCoreApplication::instance()));
    }
}

}  // namespace numira
