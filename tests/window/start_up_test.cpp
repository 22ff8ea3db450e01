// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <set>

#include "engine/words.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(StartUp, WindowAsTheFirstLoadLeavesIt) {
    Calculator c;
    const Form1& f = c.form;
    EXPECT_FALSE(f.degreesMode);
    EXPECT_EQ(f.Gradusi.text, word(Word::Radians));
    EXPECT_EQ(f.Gradusi.listIndex, 0);
    EXPECT_EQ(f.Izbor.listIndex, kDefaultDecimals);
    EXPECT_EQ(f.Izbor.text, f.Izbor.entries[kDefaultDecimals]);
    EXPECT_FALSE(f.Izbor.visible);
    EXPECT_EQ(f.roundingOn, 1);
    EXPECT_EQ(f.windowHeight, kKeypadHeight);
    // The window is as wide as the box with a margin each side; the box keeps its width.
    EXPECT_EQ(f.startWidth, 2 * f.t.geometry.left + f.t.geometry.width);
    EXPECT_EQ(f.windowWidth, f.startWidth);
    EXPECT_EQ(static_cast<float>(f.startBoxWidth), f.t.geometry.width);
    EXPECT_EQ(static_cast<float>(f.screenWidth), c.platform.screenWidth());
    // The two upright lines span the keypad.
    for (const Line* line : {&f.Line5, &f.Line6}) {
        EXPECT_EQ(line->y1, f.Frame1.geometry.top);
        EXPECT_EQ(line->y2, f.Frame1.geometry.top + f.Frame1.geometry.height);
    }
    EXPECT_EQ(f.focus, "t");
    EXPECT_FALSE(f.L.visible);
    EXPECT_FALSE(f.comp.visible);
    EXPECT_FALSE(f.F2.visible);
    EXPECT_FALSE(f.Frame2.visible);
    EXPECT_TRUE(f.Pic1.visible);
    EXPECT_FALSE(f.Pic2.visible);
    EXPECT_TRUE(f.Timer1.enabled);
    EXPECT_FALSE(f.Timer2.enabled);
    EXPECT_FALSE(c.form.control("Command3")->visible);
    EXPECT_EQ(f.caption, "Нумира");
}

TEST(StartUp, ControlsHaveUniqueNamesAndTabStops) {
    FakePlatform platform;
    Form1 form(platform);
    std::set<std::string> names;
    std::set<int> tabs{form.t.tabIndex, form.Izbor.tabIndex, form.Gradusi.tabIndex};
    for (Control* control : form.controls()) {
        EXPECT_TRUE(names.insert(control->name).second) << control->name;
        EXPECT_TRUE(tabs.insert(control->tabIndex).second) << control->name;
    }
    // No position left out: a control added with a stray tab index shows as a gap.
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(tabs.size()) - 1);
}

TEST(StartUp, MenusInOrder) {
    FakePlatform platform;
    Form1 form(platform);
    ASSERT_EQ(form.menus.size(), 3U);
    EXPECT_EQ(form.menus[0].caption, "Опции");
    EXPECT_EQ(form.menus[1].caption, "Функции");
    EXPECT_EQ(form.menus[2].caption, "Помощ");
    // Every menu item is pressed by its key, and every key of a menu item has its item, once.
    std::multiset<std::string_view> items;
    for (const Menu& menu : form.menus) {
        for (const MenuItem& item : menu.items) {
            items.insert(item.name);
            const std::optional<Key> key = keyForControl(item.name);
            ASSERT_TRUE(key.has_value()) << item.name;
            EXPECT_EQ(keyRow(*key).control, item.name);
        }
    }
    for (const KeyRow& row : keyTable()) {
        if (keyName(row.key).starts_with("menu:")) {
            EXPECT_EQ(items.count(row.control), 1U) << row.control;
        }
    }
}

TEST(Timers, Timer1LocksOnceAfterEachUnlock) {
    Calculator c;
    c.keys("tick1");
    EXPECT_TRUE(c.form.t.readOnly);
    EXPECT_TRUE(c.form.comp.readOnly);
    EXPECT_FALSE(c.form.Timer1.enabled);
    c.keys("5");
    EXPECT_FALSE(c.form.t.readOnly);
    EXPECT_TRUE(c.form.Timer1.enabled);
    c.keys("tick1");
    EXPECT_TRUE(c.form.t.readOnly);
    EXPECT_FALSE(c.form.Timer1.enabled);
}

TEST(Timers, Timer2TickBeforeAKeyKeepsTheExponentLevel) {
    // A power key pressed before the delayed lowering must still type raised.
    Calculator c;
    c.keys("2 ^ 3 bs ^ tick2 4");
    EXPECT_EQ(c.comp(), "2^4");
    EXPECT_EQ(c.raised(), "01");
}

TEST(FailureMark, EqualsShowsTheReasonAndTheNextKeyClearsIt) {
    struct Case {
        std::string_view keys;
        Failure failure;
        Word words;
        float screen;  // twips; a narrow screen leaves the window no room to widen
    };
    constexpr Case kCases[] = {
        {"5 : 0 =", Failure::DivisionByZero, Word::DivisionByZero, 28800},
        {"5 + ) =", Failure::InvalidExpression, Word::InvalidExpression, 28800},
        {"5 * =", Failure::InvalidExpression, Word::InvalidExpression, 28800},
        {"asin 2 =", Failure::OutsideDomain, Word::OutsideDomain, 28800},
        {"asin 2 =", Failure::OutsideDomain, Word::OutsideDomain, 4500},
        {"menu:TF X = =", Failure::XHasNoValue, Word::XHasNoValue, 28800},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c(k.screen);
        c.keys("7 =");
        c.keys(k.keys);
        EXPECT_EQ(c.form.lastFailure, k.failure);
        const Form1::FailureText& shown = c.form.failureShown;
        EXPECT_EQ(shown.words, word(k.words));
        EXPECT_LE(shown.fontSize, c.form.L.font.size);
        EXPECT_FLOAT_EQ(shown.place.width,
                        c.platform.textWidth(shown.words) * shown.fontSize / c.form.L.font.size);
        EXPECT_GE(shown.place.left, 0);
        EXPECT_LE(shown.place.left + shown.place.width, c.form.windowWidth - 2 * kBorderTwips)
            << "inside the window";
        EXPECT_EQ(c.form.L.caption, "=7") << "the result label keeps its caption";
        EXPECT_FALSE(c.form.L.visible);
        c.keys("tick1");
        EXPECT_EQ(c.form.lastFailure, k.failure) << "a tick is not a key";
        c.keys("bs");
        EXPECT_EQ(c.form.lastFailure, std::nullopt);
        EXPECT_EQ(c.form.failureShown.words, "");
    }
}

TEST(FailureMark, EmptyExpressionChangesNothing) {
    Calculator c;
    c.keys("9 = C =");
    EXPECT_EQ(c.form.L.caption, "");
    EXPECT_EQ(c.form.lastFailure, std::nullopt);
    c.keys("=2");
    EXPECT_FALSE(c.form.L.visible);
}

}  // namespace
}  // namespace numira::testing
