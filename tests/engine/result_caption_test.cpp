// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string_view>

#include "engine/result_caption.h"

namespace {

struct Case {
    std::string_view numberText;
    int decimals;
    std::string_view caption;
};

constexpr Case kCases[] = {
    {"0.333333333333333", 5, "=0,33333"},
    {"0.333333333333333", 7, "=0,3333333"},
    {"0.666666666666667", 0, "=1"},
    {"123456789", 5, "=123456789"},
    {"100000.12345", 5, "=100000,12345"},
    {"5", 5, "=5"},
    {"2.5", 0, "=2"},  // halves go to the even neighbour
    {"3.5", 0, "=4"},
    {"0.125", 2, "=0,12"},
    {"0.135", 2, "=0,14"},
    {"2.675", 2, "=2,68"},  // decided on the decimal digits, not on the nearest double
    // The engine's text is its exact decimal value: a half there is a true half, whatever
    // the count of digits.
    {"9537006431.484285", 7, "=9537006431,48428"},
    {"27182818284.59045", 7, "=27182818284,5904"},
    {"70855585.99760605", 7, "=70855585,997606"},
    {"0.5", 0, "=0"},
    {"0.50001", 0, "=1"},
    {"9.99999", 4, "=10"},
    {"-9.99999", 4, "=-10"},
    {"-0.000001", 5, "=0"},  // never "-0"
    {"-0.4", 0, "=0"},
    {"0", 5, "=0"},
    {"1E+20", 5, "=1E+20"},
    {"1.5E+20", 5, "=1,5E+20"},
    {"-1.23456789012345E+300", 3, "=-1,23456789012345E+300"},
    {"1E+15", 5, "=1E+15"},
    {"999999999999999", 5, "=999999999999999"},
    {"1.5E-07", 7, "=0,0000002"},
    {"1.5E-07", 5, "=0"},
    {"1E-320", 7, "=0"},
    {"0.00001", 5, "=0,00001"},
    {"-2.5", 0, "=-2"},
    {"12.3400", 7, "=12,34"},
};

TEST(ResultCaption, RoundsAndShowsADecimalComma) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.numberText) + " to " + std::to_string(c.decimals));
        EXPECT_EQ(numira::resultCaption(c.numberText, c.decimals), c.caption);
    }
}

TEST(ResultCaption, MalformedExponentsDoNotThrow) {
    EXPECT_EQ(numira::resultCaption("1E", 5), "=1");
    EXPECT_EQ(numira::resultCaption("1E+", 5), "=1");
    EXPECT_EQ(numira::resultCaption("2E-", 5), "=2");
}

TEST(ResultCaption, WithoutRoundingShowsTheNumberTextAsItIs) {
    EXPECT_EQ(numira::resultCaption("0.333333333333333", 5, false), "=0.333333333333333");
}

}  // namespace
