// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"

// The token row as texts from position 1 to the last filled one; "" for an empty position.
inline std::vector<std::string> tokenTexts(const numira::Engine& engine) {
    std::vector<std::string> texts;
    for (std::size_t i = 1; i < engine.tokens.size(); ++i) {
        texts.push_back(engine.tokenText(engine.tokens[i]));
    }
    while (!texts.empty() && texts.back().empty()) {
        texts.pop_back();
    }
    return texts;
}
