#pragma once

#include <string>
#include <string_view>

namespace numira {

// An expression as it leaves the program through the clipboard.
struct CopiedExpression {
    std::string text;  // plain: "2^3+1/4", "6*7", "2^(3+1)", "sin(0,5)"
    std::string html;  // the same for documents: "2<sup>3</sup>+1/4", "6·7"
};

// The expression box's display text and its raised characters ('1' in raisedMask for a
// raised character; a mask shorter than the text leaves the rest on the base line) in the
// notation that Numira's paste and other calculators read to the same value: "*" for the
// multiplication dot, "/" for both divisions, function names in lower case with their
// parenthesis, the decimal comma kept, and each raised run as "^" and the run, in parentheses
// unless it is one item (a number, x, e, pi, a parenthesis or a function with its
// argument). The HTML keeps the raised runs raised (<sup>) and the dot as "·".
CopiedExpression copyNotation(std::string_view text, std::string_view raisedMask);

}  // namespace numira
