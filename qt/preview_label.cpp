// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/preview_label.h"

#include <QPainter>

#include "qt/contrast.h"

namespace numira {

PreviewLabel::PreviewLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PreviewLabel::setText(const QString& text) {
    if (text != m_text) {
        m_text = text;
        update();
    }
}

QSize PreviewLabel::sizeHint() const {
    return fontMetrics().size(Qt::TextSingleLine, m_text);
}

QColor PreviewLabel::textColour() const {
    return readableAgainst(palette().color(QPalette::Disabled, QPalette::WindowText),
                           palette().color(QPalette::Window));
}

void PreviewLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(textColour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

}  // namespace numira
