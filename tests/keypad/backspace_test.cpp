// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(Backspace, RemovesOneCharacterFromEachBox) {
    Calculator c;
    expectSteps(c, {
                       {"1 2 sin", "12Sin(", "000000", "12SIN("},
                       {"bs", "12Sin", "00000", "12SIN"},
                       {"bs bs bs", "12", "00", "12"},
                       {"bs bs", "", "", ""},
                       {"bs", "", "", ""},
                   });
    EXPECT_EQ(keypadState(c.form).typedLength, 0);
}

TEST(Backspace, EmptiedExponentIsDroppedAndTimer2Lowers) {
    Calculator c;
    expectSteps(c, {{"2 ^ 3", "23", "01", "2^3"}, {"bs", "2", "0", "2"}});
    EXPECT_EQ(keypadState(c.form).typedLength, 1);
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    EXPECT_TRUE(c.form.Timer2.enabled);
    c.keys("tick2");
    EXPECT_FALSE(c.form.Timer2.enabled);
    EXPECT_EQ(c.nextLevel(), '0');
    c.keys("5");
    EXPECT_EQ(c.raised(), "00");
    EXPECT_EQ(c.comp(), "25");
}

TEST(Backspace, RestoresTheExponentOfTheNewLastPosition) {
    Calculator c;
    expectSteps(c, {
                       {"2 ^ 3 +", "23+", "010", "2^3+"},
                       {"bs", "23", "01", "2^3"},
                   });
    EXPECT_EQ(keypadState(c.form).typedLength, 2);
    EXPECT_EQ(keypadState(c.form).exponentMode, 1);
    EXPECT_FALSE(c.form.Pic1.visible);
    EXPECT_FALSE(c.form.Pic2.visible);
    expectSteps(c, {{"4", "234", "011", "2^34"}});
    EXPECT_TRUE(c.form.Pic2.visible);
}

TEST(Backspace, RightAfterThePowerKeyBothBoxesLoseTheBase) {
    Calculator c;
    expectSteps(c, {
                       {"2 ^", "2", "0", "2^"},
                       {"bs", "", "", ""},
                       {"3", "3", "0", "3"},
                   });
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    Calculator longer;
    expectSteps(longer, {{"2 3 ^ bs", "2", "0", "2"}, {"4", "24", "00", "24"}});
}

TEST(Backspace, InsideParenthesesOfAnExponent) {
    Calculator c;
    expectSteps(c, {
                       {"2 ^ ( 3", "2(3", "011", "2^(3"},
                       {"bs", "2(", "01", "2^("},
                       {"4", "2(4", "011", "2^(4"},
                   });
    EXPECT_EQ(keypadState(c.form).openParens, 1);
    EXPECT_EQ(keypadState(c.form).exponentMode, 1);
}

TEST(Backspace, ADeletedParenthesisStopsTheCount) {
    // Without resetting the count the next "(" would count outside any exponent and the
    // power key would be refused inside it.
    Calculator c;
    c.keys("2 ^ ( bs");
    EXPECT_EQ(c.comp(), "2");
    EXPECT_EQ(keypadState(c.form).parenFlag, 0);
    c.keys("( 3 ^ 2");
    EXPECT_EQ(c.comp(), "2(3^2");
    EXPECT_EQ(c.raised(), "0001");
}

TEST(Backspace, IntoTheMiddleOfAFunctionKeepsItsLevel) {
    // The positions a function key skips get records of their own, not leftovers of an
    // earlier, longer exponent.
    Calculator c;
    c.keys("1 ^ 2 3 4 5 bs bs bs bs sin bs");
    EXPECT_EQ(c.t(), "1Sin");
    EXPECT_EQ(c.comp(), "1SIN");
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    c.keys("7");
    EXPECT_EQ(c.raised(), "00000");
}

TEST(Backspace, RightAfterClearChangesNothing) {
    Calculator c;
    c.keys("C bs");
    EXPECT_EQ(keypadState(c.form).typedLength, 0);
    EXPECT_EQ(c.comp(), "");
    EXPECT_EQ(c.t(), "");
}

TEST(Backspace, LeavesXEntryMode) {
    Calculator c;
    c.keys("menu:TF 1 + X X= 5");
    ASSERT_EQ(c.form.Label4.caption, "5");
    c.keys("bs");
    EXPECT_EQ(keypadState(c.form).xEntryMode, 0);
    EXPECT_FALSE(c.form.Label3.visible);
    EXPECT_FALSE(c.form.Label4.visible);
    EXPECT_EQ(c.form.Label4.caption, "");
    EXPECT_EQ(c.t(), "1+");
    EXPECT_EQ(c.comp(), "1+");
}

TEST(Clear, ResetsEntryAndXButNotMemoryOrSettings) {
    Calculator c;
    c.keys("menu:TF 7 = M deg round:2 2 ^ ( X X= 5 C");
    EXPECT_EQ(c.t(), "");
    EXPECT_EQ(c.comp(), "");
    EXPECT_EQ(c.form.L.caption, "");
    EXPECT_FALSE(c.form.L.visible);
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    EXPECT_EQ(keypadState(c.form).openParens, 0);
    EXPECT_EQ(keypadState(c.form).parenFlag, 0);
    EXPECT_EQ(keypadState(c.form).typedLength, 0);
    EXPECT_EQ(keypadState(c.form).xEntryMode, 0);
    EXPECT_FALSE(c.form.Pic2.visible);
    EXPECT_FALSE(c.form.Label2.visible);
    EXPECT_FALSE(c.form.Label3.visible);
    EXPECT_FALSE(c.form.Label4.visible);
    EXPECT_EQ(c.form.Label4.caption, "");
    EXPECT_EQ(c.form.Label1.caption, "M=7");
    EXPECT_TRUE(c.form.degreesMode);
    EXPECT_EQ(c.form.Izbor.listIndex, 2);
    EXPECT_EQ(c.nextLevel(), '0');
    c.keys("3");
    EXPECT_EQ(c.raised(), "0");
    EXPECT_EQ(keypadState(c.form).typedLength, 1);
}

TEST(Clear, GivesBoxAndWindowTheirStartSizes) {
    Calculator c;
    for (int i = 0; i < 60; ++i) {
        c.keys("8");
    }
    c.keys("=");
    ASSERT_GT(c.form.t.geometry.width, 3255);
    ASSERT_GT(c.form.windowWidth, c.form.startWidth);
    c.keys("C");
    EXPECT_EQ(c.form.t.geometry.left, 240);
    EXPECT_EQ(c.form.t.geometry.width, 3255);
    EXPECT_EQ(c.form.comp.geometry.width, 3255);
    EXPECT_EQ(c.form.windowWidth, c.form.startWidth);
}

}  // namespace
}  // namespace numira::testing
