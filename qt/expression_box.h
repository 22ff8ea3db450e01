// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>
#include <utility>
#include <vector>

#include "window/rich_text_box.h"

namespace numira {

// How a character of the box's text is drawn: its "." is multiplication, shown as the key
// shows it, a raised dot, so that 6·7 does not read as a decimal number. The text itself
// stays as it is.
QChar drawnCharacter(char c);

// The expression box t drawn from the model: each character at the size and raise the model
// gives it (an exponent at 8 points raised 70 twips, the rest at 12 points on the base line),
// the selection highlighted and the caret drawn at the typing format; a text wider than the box
// scrolls to keep the caret in view, or by the wheel. It never takes text from the keyboard: key
// presses go on to the window, which turns them into keys.
class ExpressionBox : public QWidget {
    Q_OBJECT
  public:
    explicit ExpressionBox(QWidget* parent = nullptr);

    // What the box shows; called by the view after every event. A change of its spoken text
    // or caret is told to screen readers.
    void setModel(const RichTextBox& box);
    const RichTextBox& model() const { return m_box; }
    // The characters [begin, end) where the last "=" failed, tinted and underlined in red;
    // an empty span marks nothing.
    void setMarked(std::size_t begin, std::size_t end);
    std::pair<std::size_t, std::size_t> marked() const { return {m_markBegin, m_markEnd}; }

    // One drawn character: its box and base line in widget pixels, and its point size.
    struct Glyph {
        QRectF box;
        double baseline = 0;
        double pointSize = 0;
    };
    // The characters as the last paint (or layout) placed them, one per character of the text.
    const std::vector<Glyph>& glyphs() const { return m_glyphs; }
    // The caret line as drawn: x, top and bottom in widget pixels.
    QLineF caretLine() const { return m_caretLine; }
    // Places the characters without painting (for tests and for the caret).
    void layoutText();
    // The caret position nearest to x (a character boundary, 0 to the text's length).
    std::size_t positionAt(double x) const;

  signals:
    // The user clicked into the box.
    void clicked(std::size_t position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QFont fontFor(CharFormat format) const;
    double baselineFor(CharFormat format) const;

    RichTextBox m_box;  // the model's box as of the last event
    QColor m_background = Qt::white;
    std::vector<Glyph> m_glyphs;
    QLineF m_caretLine;
    double m_scroll = 0;  // pixels of the text scrolled out on the left
    bool m_followCaret = true;
    std::size_t m_markBegin = 0;
    std::size_t m_markEnd = 0;
    QString m_spoken;  // as screen readers were last told
    int m_spokenCaret = 0;
};

}  // namespace numira
