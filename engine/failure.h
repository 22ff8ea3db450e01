// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string_view>

namespace numira {

// Why an expression could not be evaluated. The engine reports exactly one.
enum class Failure {
    DivisionByZero,     // a zero divisor, or zero to a negative power
    InvalidExpression,  // text that is not an expression: "5*", "2+3)", "((2"
    OutsideDomain,  // a function or power with no real value there: SQRT(-1), TAN(90) in degrees
    TooLarge,       // beyond the range of a double
    XHasNoValue,    // the expression has x and x was given no value
};

// One line of English for the command line ("division by zero").
std::string_view failureReason(Failure failure);

// The Bulgarian wording the window shows beside the result ("Деление на нула").
std::string_view failureReasonBg(Failure failure);

}  // namespace numira
