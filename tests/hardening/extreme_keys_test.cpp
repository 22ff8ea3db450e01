// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The window model under long key sequences: each ends with what the user expects.
#include <gtest/gtest.h>

#include <string>

#include "tests/keypad/calculator.h"

namespace {

using numira::Key;

class ExtremeKeys : public ::testing::Test {
  protected:
    void press(Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            numira::press(form, calculator.platform, key);
        }
    }

    numira::testing::Calculator calculator;
    numira::Form1& form = calculator.form;
};

TEST_F(ExtremeKeys, TenThousandKeysEvaluate) {
    press(Key::D1);
    for (int i = 0; i < 4999; ++i) {
        press(Key::Plus);
        press(Key::D1);
    }
    press(Key::Equals);
    EXPECT_EQ(form.t.text().size(), 9999u);
    EXPECT_EQ(keypadState(form).typedLength, 9999);
    EXPECT_EQ(form.L.caption, "=5000");
    EXPECT_TRUE(form.L.visible);
    EXPECT_LE(form.windowWidth, form.platform().screenWidth());
}

TEST_F(ExtremeKeys, ThousandNestedParenthesesEvaluate) {
    press(Key::OpenParen, 1000);
    press(Key::D2);
    press(Key::CloseParen, 1000);
    press(Key::Equals);
    EXPECT_EQ(form.L.caption, "=2");
}

TEST_F(ExtremeKeys, BackspacesPastTheStartLeaveAnEmptyExpression) {
    press(Key::D1);
    press(Key::Power);
    press(Key::D2);
    press(Key::Backspace, 500);
    EXPECT_EQ(form.t.text(), "");
    EXPECT_EQ(form.comp.text, "");
    EXPECT_EQ(keypadState(form).typedLength, 0);
    EXPECT_EQ(keypadState(form).exponentMode, 0);
    press(Key::D7);
    press(Key::Equals);
    EXPECT_EQ(form.t.text(), "7");
    EXPECT_EQ(form.L.caption, "=7");
}

TEST_F(ExtremeKeys, EqualsAThousandTimesKeepsTheResult) {
    press(Key::D1);
    press(Key::Slash);
    press(Key::D3);
    press(Key::Equals, 1000);
    EXPECT_EQ(form.L.caption, "=0,33333");
    EXPECT_EQ(form.comp.text, "1/3");
}

TEST_F(ExtremeKeys, AnXValueOfThreeHundredDigits) {
    press(Key::MenuTF);
    press(Key::X);
    press(Key::Plus);
    press(Key::D1);
    press(Key::XEquals);
    press(Key::D1);
    press(Key::D0, 299);
    press(Key::Equals);
    EXPECT_EQ(form.Label4.caption.size(), 300u);
    EXPECT_EQ(form.L.caption, "=1E+299");
    press(Key::XClear);
    press(Key::D1);
    press(Key::D0, 299);
    press(Key::Power);  // leaves x-entry mode: x keeps no value
    EXPECT_EQ(keypadState(form).xEntryMode, 0);
}

}  // namespace
