// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

void typeDigits(Calculator& c, int count) {
    for (int i = 0; i < count; ++i) {
        c.keys("8");
    }
}

TEST(Sizing, BoxGrowsOnlyPastItsStartWidth) {
    Calculator c;
    typeDigits(c, 22);
    const float narrow = c.platform.textWidth(c.t());
    ASSERT_LE(narrow, 3005);
    EXPECT_EQ(c.form.t.geometry.width, 3255);
    EXPECT_EQ(c.form.L.geometry.left, 240 + 3255);
    c.keys("8");
    const float wide = c.platform.textWidth(c.t());
    ASSERT_GT(wide, 3005);
    EXPECT_FLOAT_EQ(c.form.t.geometry.width, wide + 250);
    EXPECT_EQ(c.form.comp.geometry.width, c.form.t.geometry.width);
    EXPECT_FLOAT_EQ(c.form.windowWidth, 2 * 240 + wide + 250);
    c.keys("bs bs bs");
    EXPECT_FLOAT_EQ(c.form.t.geometry.width, wide + 250) << "never narrower while typing";
}

TEST(Sizing, ResultWidensTheWindow) {
    Calculator c;
    c.keys("2 + 3 =");
    const float label = c.platform.textWidth("=5");
    EXPECT_FLOAT_EQ(c.form.L.geometry.width, label);
    EXPECT_FLOAT_EQ(c.form.windowWidth, 2 * 240 + 3255 + label);
    EXPECT_EQ(c.form.L.geometry.height, c.form.t.geometry.height);
    EXPECT_EQ(c.form.L.geometry.top, 360);
}

TEST(Sizing, ResultGoesBelowAWideBox) {
    Calculator c(9000);
    typeDigits(c, 43);
    EXPECT_EQ(c.form.L.geometry.top, 360);
    typeDigits(c, 1);
    ASSERT_GT(c.form.t.geometry.width, 6000);
    c.keys("=");
    c.keys("+");  // L keeps the width of its caption, placed on the next change
    const Geometry& box = c.form.t.geometry;
    EXPECT_EQ(c.form.L.geometry.top, 360 + 375);
    EXPECT_FLOAT_EQ(c.form.L.geometry.left, box.left + box.width - c.form.L.geometry.width);
}

TEST(Sizing, LongExpressionKeepsTheWindowOnTheScreen) {
    Calculator c(9000);
    typeDigits(c, 70);
    const Geometry& box = c.form.t.geometry;
    EXPECT_EQ(box.left, 240) << "the start stays in the window";
    EXPECT_FLOAT_EQ(box.left + box.width, 9000 - 2 * kBorderTwips - 240);
    EXPECT_LE(c.form.windowWidth, 9000);
    c.keys("=");
    EXPECT_LE(c.form.windowWidth, 9000);
    const Geometry& label = c.form.L.geometry;
    EXPECT_GE(label.left, 0);
    EXPECT_LE(label.left + label.width, 9000 - 2 * kBorderTwips) << "the result stays inside";
    c.keys("C");
    EXPECT_EQ(c.form.t.geometry.left, 240);
    EXPECT_EQ(c.form.windowWidth, c.form.startWidth);
}

TEST(Sizing, ResultThatCannotWidenTheWindowGoesBelowTheBox) {
    Calculator c(6000);  // two thirds of it, 4000, leave the window no room to widen
    c.keys("1 2 3 4 5 6 7 8 9 * 9 8 7 6 5 4 3 2 1 =");
    const Geometry& label = c.form.L.geometry;
    EXPECT_EQ(label.top, 360 + 375);
    EXPECT_LE(label.left + label.width, c.form.windowWidth - 2 * kBorderTwips);
}

}  // namespace
}  // namespace numira::testing
