// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "qt/expression_box.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "qt/twips.h"
#include "window/spoken_text.h"

namespace numira {

namespace {
constexpr int kBorder = 2;         // the sunken 3D border
constexpr double kLeftMargin = 2;  // between the border and the first character
// Where the last "=" failed: a light red behind the characters and a red line under them.
const QColor kMarkTint(255, 210, 210);
const QColor kMarkLine(220, 0, 0);
}  // namespace

QChar drawnCharacter(char c) {
    return c == '.' ? QChar(0x00B7) : QChar::fromLatin1(c);
}

ExpressionBox::ExpressionBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setCursor(Qt::IBeamCursor);
}

void ExpressionBox::setModel(const RichTextBox& box) {
    m_box = box;
    m_followCaret = true;
    if (box.background) {
        m_background = QColor(box.background->r, box.background->g, box.background->b);
    }
    layoutText();
    update();

    const SpokenText spoken = spokenExpression(m_box);
    const QString text = QString::fromStdString(spoken.text);
    const int caret =
        static_cast<int>(spoken.positions.at(std::min(m_box.caret(), m_box.text().size())));
    if (text != m_spoken) {
        // Only the changed middle, so that a reader speaks the typed key, not the whole text.
        qsizetype head = 0;
        while (head < text.size() && head < m_spoken.size() && text[head] == m_spoken[head]) {
            ++head;
        }
        qsizetype tail = 0;
        while (tail < text.size() - head && tail < m_spoken.size() - head &&
               text[text.size() - 1 - tail] == m_spoken[m_spoken.size() - 1 - tail]) {
            ++tail;
        }
        QAccessibleTextUpdateEvent event(this, static_cast<int>(head),
                                         m_spoken.mid(head, m_spoken.size() - head - tail),
                                         text.mid(head, text.size() - head - tail));
        event.setCursorPosition(caret);
        m_spoken = text;
        QAccessible::updateAccessibility(&event);
    }
    if (caret != m_spokenCaret) {
        m_spokenCaret = caret;
        QAccessibleTextCursorEvent event(this, caret);
        QAccessible::updateAccessibility(&event);
    }
}

QFont ExpressionBox::fontFor(CharFormat format) const {
    QFont font(QString::fromStdString(m_box.font.name));
    font.setPointSizeF(format.size);
    font.setBold(m_box.font.bold);
    return font;
}

// Characters of the base size are centred in the box; any other format keeps that base line
// and is lifted by its own offset.
double ExpressionBox::baselineFor(CharFormat format) const {
    const QFontMetricsF base(fontFor(kBaseFormat), this);
    const double inner = height() - 2 * kBorder;
    const double baseline = kBorder + (inner - base.height()) / 2 + base.ascent();
    return baseline - twipsToPixels(format.offset, this);
}

void ExpressionBox::layoutText() {
    m_glyphs.clear();
    const std::string& text = m_box.text();
    m_glyphs.reserve(text.size());
    const double start = kBorder + kLeftMargin;
    double x = start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const CharFormat format = m_box.formats()[i];
        const QFontMetricsF metrics(fontFor(format), this);
        const double advance = metrics.horizontalAdvance(drawnCharacter(text[i]));
        const double baseline = baselineFor(format);
        m_glyphs.push_back({QRectF(x, baseline - metrics.ascent(), advance, metrics.height()),
                            baseline, static_cast<double>(format.size)});
        x += advance;
    }
    const std::size_t caret = m_box.caret();
    double caretX = caret == 0 || m_glyphs.empty()
                        ? start
                        : m_glyphs[std::min(caret, m_glyphs.size()) - 1].box.right();
    // A text wider than the box scrolls: after each event to show the caret, by the wheel
    // otherwise.
    const double room = width() - 2 * kBorder - kLeftMargin - 2;
    if (m_followCaret) {
        m_scroll = std::clamp(m_scroll, caretX - start - room, caretX - start);
    }
    m_scroll = std::clamp(m_scroll, 0.0, std::max(0.0, x - start - room));
    for (Glyph& glyph : m_glyphs) {
        glyph.box.translate(-m_scroll, 0);
    }
    caretX -= m_scroll;
    const QFontMetricsF typing(fontFor(m_box.typingFormat()), this);
    const double baseline = baselineFor(m_box.typingFormat());
    m_caretLine = QLineF(caretX, baseline - typing.ascent(), caretX, baseline + typing.descent());
}

void ExpressionBox::wheelEvent(QWheelEvent* event) {
    const QPoint steps = event->angleDelta();
    const int delta = steps.x() != 0 ? steps.x() : steps.y();
    m_followCaret = false;
    m_scroll -= delta / 4.0;
    layoutText();
    update();
    event->accept();
}

void ExpressionBox::setMarked(std::size_t begin, std::size_t end) {
    if (begin != m_markBegin || end != m_markEnd) {
        m_markBegin = begin;
        m_markEnd = end;
        update();
    }
}

void ExpressionBox::paintEvent(QPaintEvent*) {
    layoutText();
    QPainter painter(this);
    const QBrush fill(m_background);
    qDrawShadePanel(&painter, rect(), palette(), true, kBorder, &fill);
    painter.setClipRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));

    const std::size_t selStart = m_box.selectionStart();
    const std::size_t selEnd = selStart + m_box.selectionLength();
    for (std::size_t i = 0; i < m_glyphs.size(); ++i) {
        const Glyph& glyph = m_glyphs[i];
        const bool selected = i >= selStart && i < selEnd;
        const bool marked = i >= m_markBegin && i < m_markEnd;
        if (selected) {
            painter.fillRect(glyph.box, palette().highlight());
        } else if (marked) {
            painter.fillRect(glyph.box, kMarkTint);
        }
        if (marked) {
            painter.fillRect(QRectF(glyph.box.left(), glyph.box.bottom() - 2, glyph.box.width(), 2),
                             kMarkLine);
        }
        painter.setPen(selected ? palette().highlightedText().color() : QColor(Qt::black));
        painter.setFont(fontFor(m_box.formats()[i]));
        painter.drawText(QPointF(glyph.box.left(), glyph.baseline),
                         QString(drawnCharacter(m_box.text()[i])));
    }
    if (m_box.selectionLength() == 0) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(m_caretLine);
    }
}

void ExpressionBox::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

std::size_t ExpressionBox::positionAt(double x) const {
    for (std::size_t i = 0; i < m_glyphs.size(); ++i) {
        if (x < m_glyphs[i].box.center().x()) {
            return i;
        }
    }
    return m_glyphs.size();
}

void ExpressionBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked(positionAt(event->position().x()));
    }
}

}  // namespace numira
