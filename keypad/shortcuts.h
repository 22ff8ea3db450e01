#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "keypad/keys.h"

namespace numira {

// A keyboard shortcut of the window, in the portable text of key sequences ("Ctrl+M", "F2").
// Together with the typed characters (keyForTyped) and Enter, Backspace, Esc, F1, Ctrl+C and
// Ctrl+V they reach every key, choice and menu item of the window.
struct Shortcut {
    std::string_view sequence;
    std::string_view meaning;  // what it does, in Bulgarian, for the help and the tooltips
};

std::span<const Shortcut> shortcuts();

// The key a shortcut presses now. "Ctrl+D" switches the angle unit, so its key depends on
// the unit chosen; nothing for a sequence that is not a shortcut.
std::optional<Key> keyForShortcut(const Form1& form, std::string_view sequence);

// The key of Esc: while the list of decimals is open it closes, keeping the number chosen;
// otherwise the clear key.
Key keyForEscape(const Form1& form);

// The shortcut that presses `key` ("" for none); Radians and Degrees both answer "Ctrl+D".
std::string_view shortcutForKey(Key key);

}  // namespace numira
