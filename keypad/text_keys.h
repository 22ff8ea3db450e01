// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>

#include "keypad/keys.h"

namespace numira {

// The key of one character typed on the keyboard (a code point): digits, "," and ".", "p" and
// "π", "e", "x", the operators with their other spellings ("×", "·", "÷"), "^", "√", "(",
// ")", "=". Nothing for a character without a key. A pasted text is read by keypad/paste.h.
std::optional<Key> keyForTyped(char32_t character);

}  // namespace numira
