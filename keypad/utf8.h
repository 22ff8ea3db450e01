// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

namespace numira {

// Decodes the UTF-8 code point at `at` (< text.size()) and gives it with its length in bytes.
// A byte that does not begin a well-formed sequence (a stray continuation byte, a truncated,
// overlong or surrogate sequence, a value past U+10FFFF) gives U+FFFD with length 1.
inline std::pair<char32_t, std::size_t> decodeUtf8(std::string_view text, std::size_t at) {
    constexpr std::pair<char32_t, std::size_t> kInvalid{0xFFFD, 1};
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || text.size() - at < length) {
        return kInvalid;
    }
    char32_t value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return kInvalid;
        }
        value = (value << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return kInvalid;
    }
    return {value, length};
}

}  // namespace numira
