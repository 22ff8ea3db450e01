// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/rich_text_box.h"

#include <algorithm>

namespace numira {

std::string RichTextBox::raisedMask() const {
    std::string mask;
    mask.reserve(m_formats.size());
    for (const CharFormat& f : m_formats) {
        mask.push_back(f.raised() ? '1' : '0');
    }
    return mask;
}

void RichTextBox::setText(std::string_view text) {
    m_text.assign(text);
    m_formats.assign(m_text.size(), m_typing);
    m_caret = m_text.size();
    m_selStart = m_caret;
    m_selLength = 0;
}

void RichTextBox::type(std::string_view text) {
    m_text.replace(m_selStart, m_selLength, text);
    const auto at = m_formats.begin() + static_cast<std::ptrdiff_t>(m_selStart);
    m_formats.erase(at, at + static_cast<std::ptrdiff_t>(m_selLength));
    m_formats.insert(m_formats.begin() + static_cast<std::ptrdiff_t>(m_selStart), text.size(),
                     m_typing);
    m_caret = m_selStart + text.size();
    m_selStart = m_caret;
    m_selLength = 0;
}

void RichTextBox::backspace() {
    if (m_selLength == 0) {
        if (m_caret == 0) {
            return;
        }
        m_selStart = m_caret - 1;
        m_selLength = 1;
    }
    m_text.erase(m_selStart, m_selLength);
    const auto at = m_formats.begin() + static_cast<std::ptrdiff_t>(m_selStart);
    m_formats.erase(at, at + static_cast<std::ptrdiff_t>(m_selLength));
    m_caret = m_selStart;
    m_selLength = 0;
    formatFromCaret();
}

void RichTextBox::placeCaret(std::size_t position) {
    select(position, position);
}

void RichTextBox::select(std::size_t anchor, std::size_t caret) {
    anchor = std::min(anchor, m_text.size());
    caret = std::min(caret, m_text.size());
    const std::size_t start = std::min(anchor, caret);
    const std::size_t length = std::max(anchor, caret) - start;
    const bool moved = caret != m_caret || start != m_selStart || length != m_selLength;
    m_caret = caret;
    m_selStart = start;
    m_selLength = length;
    if (moved) {
        formatFromCaret();
    }
}

void RichTextBox::formatFromCaret() {
    if (m_formats.empty()) {
        return;
    }
    m_typing = m_formats[m_caret > 0 ? m_caret - 1 : 0];
}

}  // namespace numira
