// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "keypad/keys.h"
#include "window/form1.h"
#include "window/platform.h"

namespace numira {

// Why a pasted text is not typed: the part of it (UTF-8, as pasted) and, for a part whose
// characters all have keys, why the keys cannot type it with its meaning; an empty reason
// means the part is a character without a key.
struct Refusal {
    std::size_t offset = 0;  // byte offset of the part in the text
    std::string part;
    std::string_view reason;
};

// The keys that type a text (UTF-8) with the meaning the engine gives the same text, as the
// keys would type it into an empty box. The text holds digits; "," and "." (the decimal
// comma); "+", "-"; "*", "×", "·"; ":", "/", "÷"; "^"; superscript digits (a raised
// exponent: "2³4" is 2³·4); "√" before "(" or before a number, pi, e or x; function names in
// any case followed by "("; "pi", "π"; "x", "X"; "e"; "(", ")"; spaces. Parentheses left open
// stay open, for "=" to close.
//
// An exponent is what the engine raises together: "^", its signs and the factors that
// follow without an operator. One factor is typed after the power key; a signed exponent or
// a product in parentheses ("2^-1" as 2^(-1), "2^3pi" as 2^(3pi)), which mean the same. A
// power inside an exponent's parentheses ("2^(3^2)") has no keys: the power key does not act
// there.
std::variant<std::vector<Key>, Refusal> keysForText(std::string_view text);

// The expression of a pasted text: the last line that is not blank, without the white space
// around it, without a trailing annotation in square brackets ("   [градуси]") and without
// everything from its first "=" on (a copied history line is "expression = result").
std::string_view pastedExpression(std::string_view text);

// Ctrl+V, the menu's paste and paste: on the command line: types pastedExpression(text)
// through its keys, appended to what the box holds. A refused text types nothing and leaves
// the window's message naming the part ("U+0009" for a character that cannot be seen).
// False if refused.
bool paste(Form1& form, Platform& platform, std::string_view text);

}  // namespace numira
