// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/text_keys.h"

namespace numira {

std::optional<Key> keyForTyped(char32_t c) {
    for (const KeyRow& row : keyTable()) {
        if (row.typed.find(c) != std::u32string_view::npos) {
            return row.key;
        }
    }
    return std::nullopt;
}

}  // namespace numira
