#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "window/rich_text_box.h"

namespace numira {

class Form1;

// The expression box as a screen reader should read it: "7·2^3" for 7·2³. A raised run is
// written after "^", in parentheses where its end would otherwise be lost ("2^(3+1)" stays
// as typed, "2^(3)4" for a 4 back on the base line); the multiplication dot becomes "·".
struct SpokenText {
    std::string text;  // UTF-8
    // For each caret position 0..n of the box, the same place in `text`, counted in
    // characters (every character of `text` is one UTF-16 unit as well).
    std::vector<std::size_t> positions;
};
SpokenText spokenExpression(const RichTextBox& box);

// What the window says when "=" has finished: "Резултат: 5" for the result "=5", the
// failure's reason after "Грешка: " while the last "=" failed, "" while no result is shown.
std::string resultAnnouncement(const Form1& form);

}  // namespace numira
