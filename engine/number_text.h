// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numira {

// The engine's number text, independent of the locale: "." as the decimal point, a leading
// "-" for negative values, and exponent form ("1E+20", "1.5E-07") for very large and very
// small magnitudes.

// Appends a finite double in at most 15 significant digits, for what is shown or saved.
void appendNumber(std::string& out, double value);
std::string numberText(double value);

// Appends the shortest text that reads back to the same double: the values the engine
// writes back between its passes, so that the only rounding is the display's.
void appendExactNumber(std::string& out, double value);

// Reads an optional "-", digits with at most one ".", and an optional exponent ("E" or "e",
// an optional sign, digits). Anything else, the empty text and "-" alone are not numbers.
// A magnitude beyond the double range reads as an infinity; the caller decides.
std::optional<double> readNumber(std::string_view text);

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// True for the characters that can continue a number in the scan: digits, "." and "E".
constexpr bool isNumberChar(char c) {
    return isDigit(c) || c == '.' || c == 'E';
}

}  // namespace numira
