// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/announcement.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/words.h"
#include "tests/keypad/calculator.h"
#include "window/spoken_text.h"

namespace numira::testing {
namespace {

std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The character at a character index of a UTF-8 text.
std::string characterAt(std::string_view utf8, std::size_t index) {
    std::size_t start = 0;
    for (; index > 0 && start < utf8.size(); --index) {
        do {
            ++start;
        } while (start < utf8.size() && (utf8[start] & 0xC0) == 0x80);
    }
    std::size_t end = start + 1;
    while (end < utf8.size() && (utf8[end] & 0xC0) == 0x80) {
        ++end;
    }
    return std::string(utf8.substr(start, end - start));
}

// What a screen reader is told after each step of keys, on one calculator.
TEST(Announcement, SaysEachResultReasonAndChangedSetting) {
    struct Step {
        std::string_view keys;
        std::string said;
    };
    const auto result = [](std::string_view number) { return word(Word::SaidResult, {number}); };
    const auto then = [](std::string_view first, const std::string& second) {
        return std::string(first) + ". " + second;
    };
    const Step kSteps[] = {
        {"7 * 2 ^ 3", ""},
        {"=", result("56")},
        {"=", result("56")},  // said again: the user asked again
        {"M", word(Word::SaidMemory, {"56"})},
        {"C 5 : 0 =", word(Word::SaidFailure, {word(Word::DivisionByZero)})},
        {"C 2 : 3 round:2 =", then(word(Word::SaidDecimals, {"2"}), result("0,67"))},
        {"round:1", word(Word::SaidOneDecimal, {"1"})},
        {"C sin 3 0 ) = deg", then(word(Word::Degrees), result("0,5"))},
        {"rad", then(word(Word::Radians), result("−1"))},
        {"MC", std::string(word(Word::SaidMemoryCleared))},
        {"MC", ""},
        {"menu:TF", std::string(word(Word::SaidPanelsShown))},
        {"C X + 1 =", std::string(word(Word::SaidXEntry))},
        {"2 =", result("3")},
        {"menu:TF", std::string(word(Word::SaidPanelsHidden))},
        {"C 2 +", ""},
    };
    Calculator c;
    AnnouncedState before = announcedState(c.form);
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.keys);
        c.keys(s.keys);
        AnnouncedState after = announcedState(c.form);
        EXPECT_EQ(announcement(before, after), s.said);
        before = std::move(after);
    }
}

TEST(SpokenText, WritesMathematicsInSignsAReaderSays) {
    struct Case {
        std::string_view text, raised, spoken;
    };
    constexpr Case kCases[] = {
        {"7.23", "0001", "7×2 на степен 3"},
        {"23+1", "0100", "2 на степен 3+1"},
        {"2(3+1)+5", "01111100", "2 на степен (3+1)+5"},
        {"234", "0100", "2 на степен (3)4"},
        {"23-1", "0111", "2 на степен (3−1)"},
        {"5:0-1/2", "0000000", "5÷0−1/2"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.text);
        const SpokenText s = spokenExpression(k.text, k.raised);
        EXPECT_EQ(s.text, k.spoken);
        // Every caret position maps into the text, in order, the end onto the end.
        ASSERT_EQ(s.positions.size(), k.text.size() + 1);
        EXPECT_TRUE(std::is_sorted(s.positions.begin(), s.positions.end()));
        EXPECT_EQ(s.positions.back(), characters(s.text));
        // The caret before a digit, raised or not, is before that digit in the spoken text.
        for (std::size_t i = 0; i < k.text.size(); ++i) {
            if (k.text[i] >= '0' && k.text[i] <= '9') {
                EXPECT_EQ(characterAt(s.text, s.positions[i]), std::string(1, k.text[i])) << i;
            }
        }
    }
}

}  // namespace
}  // namespace numira::testing
