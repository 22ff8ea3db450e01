// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <string_view>

namespace numira {

// Encloses in parentheses an exponent made of factors that multiply without a sign, so that
// the whole product is the exponent, as the raised text shows it: "2^3pi" becomes "2^(3pi)",
// "2^2x" becomes "2^(2x)", "e^2SIN(x)" becomes "e^(2SIN(x))". A factor is a number, a
// parenthesised group, a function with its parentheses, pi, e or x. An exponent of one factor,
// and every other text, are left as they are ("2^3*pi", "2pi^2"); so is anything unbalanced.
std::string groupImpliedExponents(std::string_view text);

}  // namespace numira
