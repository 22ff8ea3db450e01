// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "keypad/keys.h"

namespace numira {

// The keyboard shortcuts of the window, from the key table. Together with the typed
// characters (keyForTyped) and Enter, Backspace, Esc, F1, Ctrl+C and Ctrl+V they reach every
// key, choice and menu item of the window.
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
