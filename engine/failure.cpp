// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/failure.h"

#include "engine/words.h"

namespace numira {

std::string_view failureReason(Failure failure) {
    switch (failure) {
        case Failure::DivisionByZero:
            return "division by zero";
        case Failure::InvalidExpression:
            return "not a valid expression";
        case Failure::OutsideDomain:
            return "outside the function's domain";
        case Failure::TooLarge:
            return "too large";
        case Failure::XHasNoValue:
            return "x has no value";
    }
    return "not a valid expression";
}

std::string_view failureReasonBg(Failure failure) {
    switch (failure) {
        case Failure::DivisionByZero:
            return word(Word::DivisionByZero);
        case Failure::InvalidExpression:
            return word(Word::InvalidExpression);
        case Failure::OutsideDomain:
            return word(Word::OutsideDomain);
        case Failure::TooLarge:
            return word(Word::TooLarge);
        case Failure::XHasNoValue:
            return word(Word::XHasNoValue);
    }
    return word(Word::InvalidExpression);
}

}  // namespace numira
