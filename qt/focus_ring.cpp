// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/focus_ring.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFocusFrame>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "qt/contrast.h"

namespace numira {

namespace {

constexpr int kRingWidth = 2;
// A ring against the colours it separates, as for any part of a control that must be seen.
constexpr double kRingContrast = 3.0;

// QFocusFrame follows the control (moves, resizes, stacking) and lets the mouse through; this
// one draws inside the control's edge, so that no neighbour and no parent's edge clips it.
class FocusRing : public QFocusFrame {
  public:
    using QFocusFrame::QFocusFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        const QWidget* control = widget();
        if (control == nullptr) {
            return;
        }
        const QRect edge(mapFromGlobal(control->mapToGlobal(QPoint(0, 0))), control->size());
        QPainter painter(this);
        painter.setClipRegion(QRegion(edge).subtracted(
            edge.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth)));
        painter.fillRect(edge, focusRingColour(control));
    }
};

class KeyboardFocus : public QObject {
  public:
    using QObject::QObject;
    // A ring around a top-level window, or one left without a control, has no parent to go with.
    ~KeyboardFocus() override { delete m_ring.data(); }
    KeyboardFocus(const KeyboardFocus&) = delete;
    KeyboardFocus& operator=(const KeyboardFocus&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || !watched->isWidgetType()) {
            return false;
        }
        auto* control = static_cast<QWidget*>(watched);
        switch (static_cast<QFocusEvent*>(event)->reason()) {
            case Qt::TabFocusReason:
            case Qt::BacktabFocusReason:
            case Qt::ShortcutFocusReason:
                // The menu bar shows its own highlighted title.
                ringAround(qobject_cast<QMenuBar*>(control) == nullptr ? control : nullptr);
                break;
            case Qt::ActiveWindowFocusReason:
            case Qt::PopupFocusReason:
                // Back from another window or a menu: the ring stays where it was.
                if (m_ring.isNull() || m_ring->widget() != control) {
                    ringAround(nullptr);
                }
                break;
            default:
                ringAround(nullptr);
                break;
        }
        return false;
    }

  private:
    void ringAround(QWidget* control) {
        if (m_ring.isNull()) {
            if (control == nullptr) {
                return;
            }
            // It lives beside the control it rings, and goes with that control's window.
            m_ring = new FocusRing;
            m_ring->setObjectName(QStringLiteral("focusRing"));
        }
        m_ring->setWidget(control);
    }

    QPointer<FocusRing> m_ring;
};

}  // namespace

QColor focusRingColour(const QWidget* control) {
    const QPalette& palette = control->palette();
    QColor colour = palette.color(QPalette::Highlight);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        colour = readableAgainst(colour, palette.color(role), kRingContrast);
    }
    return colour;
}

void showKeyboardFocus() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QCoreApplication::instance()->installEventFilter(
            new KeyboardFocus(QCoreApplication::instance()));
    }
}

}  // namespace numira
