// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(Settings, AngleUnitRecomputesTheResultOnDisplay) {
    Calculator c;
    c.keys("sin 3 0 ) =");
    EXPECT_EQ(c.form.L.caption, "=-0,98803");
    c.keys("deg");
    EXPECT_TRUE(c.form.degreesMode);
    EXPECT_EQ(c.form.Gradusi.text, "Градуси");
    EXPECT_EQ(c.form.L.caption, "=0,5");
    EXPECT_TRUE(c.form.L.visible);
    c.keys("rad");
    EXPECT_FALSE(c.form.degreesMode);
    EXPECT_EQ(c.form.L.caption, "=-0,98803");
}

TEST(Settings, DegreesDoNotDependOnTheResultLabel) {
    Calculator c;
    c.keys("deg cos 6 0 ) =");
    EXPECT_EQ(c.form.L.caption, "=0,5");
    c.keys("=");
    EXPECT_EQ(c.form.L.caption, "=0,5");
    c.keys("=2");
    EXPECT_EQ(c.form.L.caption, "=0,5");
}

TEST(Settings, AngleUnitOnAnExpressionWithXEntersXEntryMode) {
    Calculator c;
    c.keys("menu:TF X + 1 deg");
    EXPECT_EQ(keypadState(c.form).xEntryMode, 1);
    EXPECT_TRUE(c.form.Label4.visible);
    EXPECT_FALSE(c.form.L.visible);
}

TEST(Settings, RoundingPositionIsTheNumberOfDecimals) {
    struct Case {
        std::string_view keys, caption;
    };
    constexpr Case kCases[] = {
        {"round:0 2 : 3 =", "=1"},         {"round:1 2 : 3 =", "=0,7"},
        {"round:3 2 : 3 =", "=0,667"},     {"round:5 2 : 3 =", "=0,66667"},
        {"round:7 2 : 3 =", "=0,6666667"}, {"round:2 1 2 3 4 5 6 7 8 9 =", "=123456789"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        c.keys(k.keys);
        EXPECT_EQ(c.form.L.caption, k.caption);
    }
}

TEST(Settings, RoundingChoiceTakesEffectAtTheNextEvaluation) {
    Calculator c;
    c.keys("1 : 3 = menu:Raund");
    EXPECT_TRUE(c.form.Izbor.visible);
    c.keys("round:2");
    EXPECT_FALSE(c.form.Izbor.visible);
    EXPECT_EQ(c.form.roundingOn, 1);
    EXPECT_EQ(c.form.L.caption, "=0,33333");
    c.keys("=");
    EXPECT_EQ(c.form.L.caption, "=0,33");
}

TEST(Settings, OpeningTheRoundingChoiceAloneChangesNothing) {
    Calculator c;
    c.keys("menu:Raund");
    EXPECT_TRUE(c.form.Izbor.visible);
    EXPECT_EQ(c.form.Izbor.listIndex, 5);
    c.keys("1 : 3 =");
    EXPECT_EQ(c.form.L.caption, "=0,33333");
}

}  // namespace
}  // namespace numira::testing
