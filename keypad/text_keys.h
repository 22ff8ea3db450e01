#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "keypad/keys.h"
#include "window/form1.h"
#include "window/platform.h"

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

// What pasting a text does (Ctrl+V in the window, paste: on the command line): the text
// without the white space around it (a copied line often ends in a line break) is typed
// through its keys. A text that keysForText refuses types nothing and leaves the window's
// message naming the character ("U+0009" for one that cannot be seen). False if refused.
bool paste(Form1& form, Platform& platform, std::string_view text);

}  // namespace numira
