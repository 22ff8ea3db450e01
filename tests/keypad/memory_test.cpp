// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

int tabsDelivered(Form1& form) {
    const auto strokes = form.takeDelivered();
    return static_cast<int>(std::count_if(strokes.begin(), strokes.end(), [](const Keystroke& k) {
        return k.kind == Keystroke::Kind::Tab;
    }));
}

TEST(Memory, StoreAndRecall) {
    Calculator c;
    c.keys("7 = M");
    EXPECT_EQ(c.form.memoryText, "M=7");
    EXPECT_EQ(c.form.Label1.caption, "M=7");
    c.keys("C MR");
    EXPECT_EQ(c.t(), "7");
    EXPECT_EQ(c.comp(), "7");
    EXPECT_EQ(keypadState(c.form).typedLength, 1);
}

TEST(Memory, StoreEvaluatesWhenNoResultIsShown) {
    Calculator c;
    c.keys("2 + 3 M");
    EXPECT_EQ(c.form.Label1.caption, "M=5");
    EXPECT_TRUE(c.form.L.visible);
}

TEST(Memory, StoreKeepsTheOldValueWhenTheEvaluationFails) {
    struct Case {
        std::string_view name, keys;
    };
    constexpr Case kCases[] = {
        {"division by zero", "C 5 : 0 M"},
        {"empty expression", "C M"},
        {"expression with x", "C X M"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.name);
        Calculator c;
        c.keys("7 = M");
        c.keys(k.keys);
        EXPECT_EQ(c.form.Label1.caption, "M=7");
        EXPECT_EQ(c.form.memoryText, "M=7");
    }
}

TEST(Memory, RecallLeavesTheClipboardAlone) {
    Calculator c;
    c.keys("7 : 2 = M C");
    c.platform.clipboard = "from another program";
    c.keys("MR");
    EXPECT_EQ(c.t(), "3,5");
    EXPECT_EQ(c.comp(), "3,5");
    EXPECT_EQ(keypadState(c.form).typedLength, 3);
    EXPECT_EQ(c.platform.clipboard, "from another program");
    c.keys("+ 1 =");
    EXPECT_EQ(c.form.L.caption, "=4,5");
}

TEST(Memory, RecallAddsAtTheEndWhateverIsSelected) {
    Calculator c;
    c.keys("7 = M C 1 + menu:CopEkran MR");
    EXPECT_EQ(c.t(), "1+7");
    EXPECT_EQ(c.comp(), "1+7");
    Calculator clicked;
    clicked.keys("7 = M C 1 +");
    clicked.form.t_Click(0);
    clicked.keys("MR");
    EXPECT_EQ(clicked.t(), "1+7");
}

TEST(Memory, RecallIntoAnExponent) {
    Calculator c;
    c.keys("1 2 = M C 2 ^");
    c.form.takeDelivered();
    c.keys("MR");
    EXPECT_EQ(tabsDelivered(c.form), 4) << "three Tabs, then tabb's";
    EXPECT_EQ(c.t(), "212");
    EXPECT_EQ(c.raised(), "011");
    EXPECT_EQ(c.comp(), "2^12");
    c.keys("+");
    c.form.takeDelivered();
    c.keys("MR");
    EXPECT_EQ(tabsDelivered(c.form), 3);
}

TEST(Memory, RecallOfAnEmptyMemory) {
    struct Case {
        std::string_view name, keys;
    };
    constexpr Case kCases[] = {{"never stored", "4"}, {"cleared", "4 = M MC"}};
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.name);
        Calculator c;
        c.platform.clipboard = "kept";
        c.keys(k.keys);
        const int before = keypadState(c.form).typedLength;
        c.keys("MR");
        EXPECT_EQ(c.t(), "4");
        EXPECT_EQ(c.comp(), "4");
        EXPECT_EQ(c.form.Label1.caption, "");
        EXPECT_EQ(keypadState(c.form).typedLength, before + 1) << "masiv still runs once";
        EXPECT_EQ(c.platform.clipboard, "kept");
    }
}

TEST(Memory, SurvivesClearAndRecallsInXEntryMode) {
    Calculator c;
    c.keys("menu:TF 9 = M C X + X= MR");
    EXPECT_EQ(c.t(), "x+9");
    EXPECT_EQ(c.comp(), "x+9");
    EXPECT_EQ(c.form.Label4.caption, "");
}

TEST(VariableX, TypesXAndShowsY) {
    Calculator c;
    expectSteps(c, {{"menu:TF X", "x", "0", "x"}, {"X", "xx", "00", "xx"}});
    EXPECT_TRUE(c.form.Label2.visible);
    EXPECT_EQ(c.form.Label2.geometry.height, c.form.t.geometry.height);
}

TEST(VariableX, XEqualsTakesAValue) {
    Calculator c;
    c.keys("menu:TF 5 = X + 1");
    ASSERT_EQ(c.form.L.caption, "=5");
    c.keys("X=");
    EXPECT_TRUE(c.form.Label3.visible);
    EXPECT_TRUE(c.form.Label4.visible);
    EXPECT_TRUE(c.form.t.readOnly);
    EXPECT_TRUE(c.form.comp.readOnly);
    EXPECT_EQ(keypadState(c.form).xEntryMode, 1);
    EXPECT_EQ(c.form.L.caption, "");
    EXPECT_FALSE(c.form.L.visible);
    c.keys("2 =");
    EXPECT_EQ(c.form.L.caption, "=11");
    c.keys("X= 3 =2");
    EXPECT_EQ(c.form.L.caption, "=16");
}

TEST(VariableX, XClearEmptiesTheValueAndStaysInXEntryMode) {
    Calculator c;
    c.keys("menu:TF X * 2 X= 4 = XC");
    EXPECT_EQ(c.form.Label4.caption, "");
    EXPECT_EQ(c.form.L.caption, "");
    EXPECT_FALSE(c.form.L.visible);
    EXPECT_EQ(keypadState(c.form).xEntryMode, 1);
    EXPECT_TRUE(c.form.Label4.visible);
    c.keys("6 =");
    EXPECT_EQ(c.form.L.caption, "=12");
    Calculator outside;
    outside.keys("3 = XC");
    EXPECT_EQ(outside.form.L.caption, "");
    EXPECT_EQ(keypadState(outside.form).xEntryMode, 0);
    EXPECT_FALSE(outside.form.Label4.visible);
}

TEST(VariableX, EqualsOnXEntersXEntryModeFirst) {
    Calculator c;
    c.keys("menu:TF 4 = X + 1 =");
    EXPECT_EQ(keypadState(c.form).xEntryMode, 1);
    EXPECT_TRUE(c.form.Label3.visible);
    EXPECT_TRUE(c.form.Label4.visible);
    EXPECT_EQ(c.form.L.caption, "=4") << "nothing evaluated";
    c.keys("=");
    EXPECT_EQ(c.form.lastFailure, Failure::XHasNoValue);
    c.keys("pi =");
    EXPECT_EQ(c.t(), "4x+1");
    EXPECT_EQ(c.form.L.caption, "=13,56637");
}

}  // namespace
}  // namespace numira::testing
