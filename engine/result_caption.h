#pragma once

#include <string>
#include <string_view>

namespace numira {

// The caption of the result label for a value given as engine number text.
//
// With rounding on, the value is rounded to `decimals` places (0 to 7; a half in a text of
// up to 15 digits, as a person types it, goes to the even neighbour; a 16- or 17-digit text
// is a double's shortest text, and the double's own value decides which way it goes) and shown
// with a decimal comma: "=0,33333", "=123456789", "=1,5E+20". Plain notation below 1E+15 in
// magnitude, exponent form from there on; no trailing zeros, never "-0".
// With rounding off the caption is "=" followed by the number text itself ("=0.333333333333333").
std::string resultCaption(std::string_view numberText, int decimals, bool roundingOn = true);

}  // namespace numira
