// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/text_keys.h"
#include "keypad/paste.h"

#include <gtest/gtest.h>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(TextKeys, PastedTextTypesThroughTheKeys) {
    struct Case {
        std::string_view text, t, raised, comp;
    };
    constexpr Case kCases[] = {
        {" 1,5 . 2 ", "1,5,2", "00000", "1.5.2"},
        {"3×4÷2", "3.4:2", "00000", "3*4/2"},
        {"3·4*2", "3.4.2", "00000", "3*4*2"},
        {"2²+1", "22+1", "0100", "2^2+1"},
        {"2³4", "23.4", "0100", "2^3*4"},
        {"2^(1+1)", "2(1+1)", "011111", "2^(1+1)"},
        {"2^-1", "2(-1)", "01111", "2^(-1)"},
        {"2^3^2", "232", "011", "2^3^2"},
        {"2^3pi", "2(3pi)", "011111", "2^(3pi)"},
        {"(2^3)^2", "(23)2", "00111", "(2^3)^2"},
        {"sin(0)+COS(0)", "Sin(0)+Cos(0)", "0000000000000", "SIN(0)+COS(0)"},
        {"Sqrt (16)", "SQRT(16)", "00000000", "SQRT(16)"},
        {"√9+1", "SQRT(9)+1", "000000000", "SQRT(9)+1"},
        {"2^√9", "2SQRT(9)", "01111111", "2^SQRT(9)"},
        {"asin(1)acos(1)atan(1", "Asin(1)Acos(1)Atan(1", "00000000000000000000",
         "Asin(1)Acos(1)Atan(1"},
        {"2πe", "2pie", "0000", "2pie"},
        {"PI+x+X", "pi+x+x", "000000", "pi+x+x"},
        {"8/2:2", "8/2:2", "00000", "8/2/2"},
        {"2³+1/4 = 8,25", "23+1/4", "010000", "2^3+1/4"},
        {"SIN(30) = 0,5   [градуси]", "Sin(30)", "0000000", "SIN(30)"},
        {"x^2+1 = 5   [x = 2]", "x2+1", "0100", "x^2+1"},
        {"1+1 = 2\n2^-2 = 0,25\n", "2(-2)", "01111", "2^(-2)"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.text);
        Calculator c;
        ASSERT_TRUE(paste(c.form, c.platform, k.text)) << c.form.message;
        EXPECT_EQ(c.t(), k.t);
        EXPECT_EQ(c.raised(), k.raised);
        EXPECT_EQ(c.comp(), k.comp);
    }
}

TEST(TextKeys, SuperscriptShowsRaised) {
    const auto result = keysForText("2³4");
    ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(result));
    const std::vector<Key> expected{Key::D2, Key::Power, Key::D3, Key::Power, Key::D4};
    EXPECT_EQ(std::get<std::vector<Key>>(result), expected);
}

TEST(TextKeys, AnythingElseIsRefusedWhole) {
    struct Case {
        std::string_view text;
        std::size_t offset;
        std::string_view part;
    };
    constexpr Case kCases[] = {
        {"2+a", 2, "a"}, {"1€", 1, "€"},       {"sin30", 0, "s"},    {"1,5E+20", 3, "E"},
        {"p", 0, "p"},   {"2\t3", 1, "\t"},    {"ln(2)", 0, "l"},    {"\xff", 0, "\xff"},
        {"2²a", 3, "a"}, {"2^(3^2)", 4, "^2"}, {"2^(1+3²)", 6, "²"}, {"2^*3", 1, "^"},
        {"√-4", 0, "√"}, {"^2", 0, "^"},       {"2+3=", 3, "="},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.text);
        const auto result = keysForText(k.text);
        ASSERT_TRUE(std::holds_alternative<Refusal>(result));
        EXPECT_EQ(std::get<Refusal>(result).offset, k.offset);
        EXPECT_EQ(std::get<Refusal>(result).part, k.part);
    }
}

TEST(TextKeys, TypedCharacters) {
    struct Case {
        char32_t c;
        std::optional<Key> key;
    };
    const Case kCases[] = {
        {U'7', Key::D7},      {U'.', Key::Comma},   {U',', Key::Comma}, {U'p', Key::Pi},
        {U'π', Key::Pi},      {U'×', Key::Times},   {U'÷', Key::Colon}, {U'/', Key::Slash},
        {U'=', Key::Equals},  {U'e', Key::E},       {U'x', Key::X},     {U'√', Key::Sqrt},
        {U'q', std::nullopt}, {U'E', std::nullopt},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(static_cast<unsigned>(k.c));
        EXPECT_EQ(keyForTyped(k.c), k.key);
    }
}

TEST(KeyNames, EveryKeyHasANameThatFindsIt) {
    for (int i = 0; i <= static_cast<int>(Key::Tick2); ++i) {
        const auto key = static_cast<Key>(i);
        const std::string_view name = keyName(key);
        ASSERT_FALSE(name.empty()) << i;
        EXPECT_EQ(keyForName(name), key) << name;
    }
    EXPECT_EQ(keyForName("round:8"), std::nullopt);
    EXPECT_EQ(keyForName("sine"), std::nullopt);
}

TEST(KeyNames, EveryButtonAndMenuItemIsReachableByItsName) {
    FakePlatform platform;
    Form1 form(platform);
    for (Control* control : form.controls()) {
        if (control->kind != ControlKind::Button || control->name == "Command3") {
            continue;
        }
        EXPECT_TRUE(keyForControl(control->name)) << control->name;
    }
    for (const Menu& menu : form.menus) {
        for (const MenuItem& item : menu.items) {
            EXPECT_TRUE(keyForControl(item.name)) << item.name;
        }
    }
}

}  // namespace
}  // namespace numira::testing
