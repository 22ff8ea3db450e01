// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/shortcuts.h"

#include <gtest/gtest.h>

#include <set>

#include "calculator.h"

namespace numira {
namespace {

using testing::Calculator;

// After the keys, the key a shortcut presses ("" for none) and the key of Esc.
struct Case {
    std::string_view keys;
    std::string_view sequence;
    std::string_view pressed;
    std::string_view escape;
};

constexpr Case kCases[] = {
    {"", "Ctrl+D", "deg", "C"},
    {"deg", "Ctrl+D", "rad", "C"},
    {"", "Ctrl+3", "round:3", "C"},
    {"menu:Raund", "Ctrl+M", "M", "round:5"},
    {"menu:Raund round:2", "F4", "menu:Kolektiv", "C"},
    {"", "Ctrl+Shift+X", "XC", "C"},
    {"", "Ctrl+Q", "", "C"},
};

TEST(Shortcuts, PressTheKeyTheStateCallsFor) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.keys) + " / " + std::string(c.sequence));
        Calculator calc;
        calc.keys(c.keys);
        const std::optional<Key> key = keyForShortcut(calc.form, c.sequence);
        EXPECT_EQ(key ? keyName(*key) : "", c.pressed);
        EXPECT_EQ(keyName(keyForEscape(calc.form)), c.escape);
    }
}

TEST(Shortcuts, EachSequenceIsOneKeyAndTheTooltipFindsIt) {
    std::set<std::string_view> seen;
    Calculator calc;
    for (const Shortcut& shortcut : shortcuts()) {
        EXPECT_TRUE(seen.insert(shortcut.sequence).second) << shortcut.sequence;
        const std::optional<Key> key = keyForShortcut(calc.form, shortcut.sequence);
        ASSERT_TRUE(key) << shortcut.sequence;
        EXPECT_EQ(shortcutForKey(*key), shortcut.sequence);
    }
}

}  // namespace
}  // namespace numira
