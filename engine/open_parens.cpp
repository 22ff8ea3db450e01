// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/open_parens.h"

namespace numira {

std::optional<std::size_t> missingCloseParens(std::string_view text) {
    std::size_t open = 0;
    for (const char c : text) {
        if (c == '(') {
            ++open;
        } else if (c == ')') {
            if (open == 0) {
                return std::nullopt;
            }
            --open;
        }
    }
    return open;
}

}  // namespace numira
