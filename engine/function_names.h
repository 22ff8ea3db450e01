// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <string_view>

namespace numira {

// The function names of engine notation, each written before its "(", and the code letter
// the scan sees in its place. "COTAN" comes before "TAN", so that it is replaced first.
struct FunctionCode {
    std::string_view name;
    char code;
};
inline constexpr FunctionCode kFunctionCodes[] = {
    {"SQRT", 'K'}, {"COTAN", 'G'}, {"SIN", 'S'},  {"COS", 'C'},
    {"TAN", 'T'},  {"Atan", 'N'},  {"Asin", 'A'}, {"Acos", 'B'},
};

// The function whose name `text` starts with, or nullptr.
constexpr const FunctionCode* functionAt(std::string_view text) {
    for (const FunctionCode& f : kFunctionCodes) {
        if (text.starts_with(f.name)) {
            return &f;
        }
    }
    return nullptr;
}

// The length of the function name that `text` starts with, or 0.
constexpr std::size_t functionNameAt(std::string_view text) {
    const FunctionCode* f = functionAt(text);
    return f != nullptr ? f->name.size() : 0;
}

}  // namespace numira
