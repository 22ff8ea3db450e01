// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/engine.h"
#include "engine/failure.h"

namespace numira {

// A part of a text, [begin, end) in bytes.
struct TextSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// Where in `expression` (engine notation, as given to Engine::evaluate) `failure` arose: the
// division by zero's "/" and divisor, the function whose argument lies outside its domain
// (its name through its ")"), the power that is too large or has no real value, the
// parenthesis with no partner, the character that is no part of an expression, the operator
// with no operand, the first x without a value. The smallest such part that fails the same
// way on its own; the whole expression when no part does. Nothing for an empty expression.
//
// It runs only after a failure and probes a bounded number of parts with the engine, so the
// cost of an evaluation that succeeds is unchanged.
std::optional<TextSpan> locateFailure(std::string_view expression, Failure failure,
                                      const EngineSettings& settings);

}  // namespace numira
