// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/failure.h"

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
            return "Деление на нула";
        case Failure::InvalidExpression:
            return "Невалиден израз";
        case Failure::OutsideDomain:
            return "Извън дефиниционната област";
        case Failure::TooLarge:
            return "Твърде голямо число";
        case Failure::XHasNoValue:
            return "x няма стойност";
    }
    return "Невалиден израз";
}

}  // namespace numira
