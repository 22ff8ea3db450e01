// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numira {

// An expression as it leaves the program through the clipboard.
struct CopiedExpression {
    std::string text;  // plain: "2^3+1/4", "6*7", "2^(3+1)", "sin(0,5)"
    std::string html;  // the same for documents: "2<sup>3</sup>+1/4", "6·7"
};

// Where each exponent of the box starts: true before each character of t (and at its end)
// where comp, the same expression in engine notation, has a "^". Every key writes as many
// characters into comp as into t, apart from that "^"; when the two do not line up, nothing
// is marked and the result is empty.
std::vector<bool> exponentStarts(std::string_view t, std::string_view comp);

// The part of the expression box from `from`, `length` characters long (the whole box by
// default), as it leaves the program: t is the display text, raisedMask its raised characters
// ('1' raised; a shorter mask leaves the rest on the base line), comp the engine notation.
// The text is comp's part in the notation Numira's paste and other calculators read to the
// same value: the decimal comma, "*" and "/", function names in lower case with their
// parenthesis, "^" before each exponent, and an exponent the engine reads as a product of
// several factors in parentheses ("2^(3pi)"). The HTML raises each exponent of t (<sup>) and
// writes the dot as "·". When comp does not line up with t, the text is made from t alone:
// each raised run after "^", in parentheses unless it is one item.
CopiedExpression copyNotation(std::string_view t, std::string_view raisedMask,
                              std::string_view comp, std::size_t from = 0,
                              std::size_t length = std::string_view::npos);

}  // namespace numira
