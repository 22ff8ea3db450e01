#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "keypad/keys.h"

namespace numira {

// Why a text cannot be typed through the keys: the first character that has no key.
struct Refusal {
    std::size_t offset = 0;  // byte offset in the UTF-8 text
    std::string character;   // that character, UTF-8
};

// The keys that type a pasted text (UTF-8): digits; "," and "." (the decimal comma); "+",
// "-"; "*", "×", "·" (multiplication); ":", "/", "÷" (division); "^" (power); superscript
// digits (a raised exponent: "2²" is 2, power, 2); "√" (root); function names in any case
// followed by "(" ("sin(", "COTAN(", "sqrt("); "pi" in any case and "π"; "x" or "X"; "e"
// (the constant); "(", ")"; "="; spaces are skipped. Anything else refuses the whole text.
std::variant<std::vector<Key>, Refusal> keysForText(std::string_view text);

// The key of one character typed on the keyboard (a code point): as keysForText for a
// single character, plus "p" for pi. Nothing for a character without a key.
std::optional<Key> keyForTyped(char32_t character);

}  // namespace numira
