// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/numira_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

namespace numira {
namespace {

// An icon of the base style, asked for at the first paint or size query.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    const QIcon& icon() {
        if (!m_loaded && m_style != nullptr) {
            m_icon = m_style->standardIcon(m_which);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_loaded = false;
    QIcon m_icon;
};

}  // namespace

QIcon NumiraStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

int NumiraStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_FocusFrame_AboveWidget) {
        return 1;
    }
    if (hint == SH_FocusFrame_Mask) {
        return 0;  // the ring is drawn inside the control, where a mask of the margin hides it
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void NumiraStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item != nullptr && (item->state & State_Selected) != 0 &&
        widget != nullptr && widget->hasFocus()) {
        QStyleOptionMenuItem open = *item;
        open.state |= State_Sunken;
        QProxyStyle::drawControl(element, &open, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace numira
