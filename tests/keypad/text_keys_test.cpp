#include "keypad/text_keys.h"

#include <gtest/gtest.h>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(TextKeys, PastedTextTypesThroughTheKeys) {
    struct Case {
        std::string_view text, t, comp, caption;
    };
    constexpr Case kCases[] = {
        {"2+3=", "2+3", "2+3", "=5"},
        {" 1,5 . 2 =", "1,5,2", "1.5.2", ""},
        {"3×4÷2=", "3.4:2", "3*4/2", "=6"},
        {"3·4*2=", "3.4.2", "3*4*2", "=24"},
        {"2²+1=", "22+1", "2^2+1", "=5"},
        {"10³=", "103", "10^3", "=1000"},
        {"2^(1+1)=", "2(1+1)", "2^(1+1)", "=4"},
        {"sin(0)+COS(0)=", "Sin(0)+Cos(0)", "SIN(0)+COS(0)", "=1"},
        {"Sqrt (16)=", "SQRT(16)", "SQRT(16)", "=4"},
        {"√(9)=", "SQRT(9)", "SQRT(9)", "=3"},
        {"cotan(1)", "Cotan(1)", "COTAN(1)", ""},
        {"asin(1)acos(1)atan(1)", "Asin(1)Acos(1)Atan(1)", "Asin(1)Acos(1)Atan(1)", ""},
        {"2π", "2pi", "2pi", ""},
        {"PI", "pi", "pi", ""},
        {"e", "e", "e", ""},
        {"x+X", "x+x", "x+x", ""},
        {"8/2:2=", "8/2:2", "8/2/2", "=2"},
        {"5-2=", "5-2", "5-2", "=3"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.text);
        const auto result = keysForText(k.text);
        ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(result));
        Calculator c;
        for (Key key : std::get<std::vector<Key>>(result)) {
            press(c.form, c.platform, key);
        }
        EXPECT_EQ(c.t(), k.t);
        EXPECT_EQ(c.comp(), k.comp);
        EXPECT_EQ(c.form.L.caption, k.caption);
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
        std::string_view character;
    };
    constexpr Case kCases[] = {
        {"2+a", 2, "a"},     {"1€", 1, "€"},      {"sin30", 0, "s"},
        {"1,5E+20", 3, "E"}, {"p", 0, "p"},       {"2\t3", 1, "\t"},
        {"ln(2)", 0, "l"},   {"\xff", 0, "\xff"}, {"2²a", 3, "a"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.text);
        const auto result = keysForText(k.text);
        ASSERT_TRUE(std::holds_alternative<Refusal>(result));
        EXPECT_EQ(std::get<Refusal>(result).offset, k.offset);
        EXPECT_EQ(std::get<Refusal>(result).character, k.character);
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
