// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numira::graph {

// An expression in engine notation ("2x^2-SIN(x)", "COTAN(pi/4)") rewritten in spreadsheet
// syntax with the same meaning: implied multiplications made explicit, SIN, COS, TAN,
// 1/TAN for the cotangent, ASIN, ACOS, ATAN, SQRT, PI() and EXP(1); in degrees the trig
// arguments go through RADIANS and the arc results through DEGREES. The engine's precedence
// (a sign binds to its number before a power, powers chain left to right, "-" after an operand
// subtracts the whole term) is also the spreadsheet's, so operators are copied as they are.
// What the engine ignores and a spreadsheet refuses is dropped: a trailing "^", a "+" before
// ")" or the end; "()" is 0.
//
// Each x is left as a slot: rowFormula fills it with a parenthesised value.
class SheetFormula {
  public:
    SheetFormula(std::string_view expression, bool degreesMode);

    // False when the text cannot be a spreadsheet formula (unbalanced parentheses, a
    // character of no key, a function name without its "(", an operator with nothing after
    // it); the formula is then still made, for showing, but must not be stored as one.
    bool valid() const { return m_valid; }

    // "=" and the formula with every x as "(" xText ")": "=(-49)^2".
    std::string rowFormula(std::string_view xText) const;

  private:
    std::vector<std::string> m_pieces;  // the text between the x slots
    bool m_valid = true;
};

}  // namespace numira::graph
