// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "window/rich_text_box.h"

namespace numira {

// An expression as a screen reader should read it, in signs its Bulgarian speech tables say
// as mathematics: "7×2 на степен 3" for 7·2³. Multiplication is "×" (U+00D7, which also has
// a name when read alone), the minus "−" (U+2212), the colon "÷"; a raised run follows
// " на степен ", in parentheses where its end would otherwise be lost ("2 на степен (3+1)"
// as typed, "2 на степен (3)4" for a 4 back on the base line).
struct SpokenText {
    std::string text;  // UTF-8
    // For each caret position 0..n of the expression, the same place in `text`, counted in
    // characters (every character of `text` is one UTF-16 unit as well); a raised character's
    // is the character itself, after the words before it, so that a reader moving the caret
    // hears the digit.
    std::vector<std::size_t> positions;
};
// `raised` has one character per character of `text`: '1' raised, '0' not.
SpokenText spokenExpression(std::string_view text, std::string_view raised);
SpokenText spokenExpression(const RichTextBox& box);

}  // namespace numira
