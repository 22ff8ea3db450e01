// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "window/controls.h"

namespace numira {

// The format of one character of the expression box: font size in points and how far it is
// raised above the base line, in twips.
struct CharFormat {
    std::int16_t size = 12;
    std::int16_t offset = 0;
    bool raised() const { return offset != 0; }
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

inline constexpr CharFormat kBaseFormat{12, 0};
inline constexpr CharFormat kRaisedFormat{8, 70};

// The rich-text expression box t. Its text is ASCII (the display notation of the keys), so
// one byte is one character and each character keeps the format it was typed with.
//
// It behaves as a rich-text box does: typed text replaces the selection and takes the typing
// format; a move of the caret that changes the caret or the selection, and every deletion,
// make the typing format that of the character before the caret (the first character at
// position 0; unchanged in an empty box). Setting the typing format never reformats text
// already in the box. Positions are clamped to the text, so no call can fail.
class RichTextBox {
  public:
    const std::string& text() const { return m_text; }
    const std::vector<CharFormat>& formats() const { return m_formats; }
    bool raisedAt(std::size_t index) const { return m_formats.at(index).raised(); }
    // One character per character of the text: '1' raised, '0' on the base line.
    std::string raisedMask() const;

    std::size_t caret() const { return m_caret; }
    std::size_t selectionStart() const { return m_selStart; }
    std::size_t selectionLength() const { return m_selLength; }
    std::string selectedText() const { return m_text.substr(m_selStart, m_selLength); }

    CharFormat typingFormat() const { return m_typing; }
    void setTypingFormat(CharFormat format) { m_typing = format; }

    // Replaces the whole text; every character gets the typing format, the caret goes to
    // the end.
    void setText(std::string_view text);
    // Types text at the caret, replacing the selection.
    void type(std::string_view text);
    // Deletes the selection, or else the character before the caret (nothing at position 0).
    void backspace();
    // Places the caret (End, a click) with an empty selection.
    void placeCaret(std::size_t position);
    void moveToEnd() { placeCaret(m_text.size()); }
    // Selects from `anchor` to `caret` (either order); the caret ends at `caret`.
    void select(std::size_t anchor, std::size_t caret);

    Geometry geometry;
    bool visible = true;
    bool readOnly = false;
    std::optional<Rgb> background;
    Font font;
    int tabIndex = -1;

  private:
    void formatFromCaret();

    std::string m_text;
    std::vector<CharFormat> m_formats;
    std::size_t m_caret = 0;
    std::size_t m_selStart = 0;
    std::size_t m_selLength = 0;
    CharFormat m_typing = kBaseFormat;
};

}  // namespace numira
