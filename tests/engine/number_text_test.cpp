// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "engine/number_text.h"

namespace {

struct WriteCase {
    double value;
    std::string_view text;
};

constexpr WriteCase kWrites[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {12, "12"},
    {0.5, "0.5"},
    {-3, "-3"},
    {1.0 / 3.0, "0.333333333333333"},
    {123456789, "123456789"},
    {1e20, "1E+20"},
    {1.5e-7, "1.5E-07"},
    {0.0001, "0.0001"},
    {1e15, "1E+15"},
    {999999999999999, "999999999999999"},
    {-1.5e300, "-1.5E+300"},
    {0.1 + 0.2, "0.3"},
};

TEST(NumberText, WritesFifteenSignificantDigitsWithPointAndExponent) {
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numira::numberText(c.value), c.text);
    }
}

struct ReadCase {
    std::string_view text;
    double value;
};

constexpr ReadCase kReads[] = {
    {"12", 12},
    {"0.5", 0.5},
    {".5", 0.5},
    {"5.", 5},
    {"-3", -3},
    {"1E+20", 1e20},
    {"-1.5E-07", -1.5e-7},
    {"2e3", 2000},
    {"1E5", 1e5},
    {"007", 7},
    {"3.1415926535897932384626433832795", 3.141592653589793},
};

TEST(NumberText, ReadsNumbers) {
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.text);
        const auto value = numira::readNumber(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, c.value);
    }
}

TEST(NumberText, RefusesWhatIsNotANumber) {
    constexpr std::string_view kNotNumbers[] = {"",    "-",     "+",  "+5",   "*",   "S",
                                                ".",   "1.2.3", "1E", "1E+",  "E5",  "inf",
                                                "nan", "1 ",    " 1", "0x10", "--1", "1-"};
    for (std::string_view text : kNotNumbers) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(numira::readNumber(text).has_value());
    }
}

TEST(NumberText, OutOfRangeMagnitudesReadAsInfinityOrZero) {
    EXPECT_EQ(numira::readNumber("1E+400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numira::readNumber("-1E+400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(numira::readNumber("1E-400"), 0.0);
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::pair<std::string_view, double> kHugeExponents[] = {
        {"1E9223372036854775807", kInf},          {"0.01E-9223372036854775808", 0.0},
        {"1E-99999999999999999999", 0.0},         {"-1E+99999999999999999999", -kInf},
        {"0.001E+0000000000000000000005", 100.0}, {"1E-0000000000000000000320", 1e-320},
    };
    for (const auto& [text, value] : kHugeExponents) {
        SCOPED_TRACE(text);
        EXPECT_EQ(numira::readNumber(text), value);
    }
    const auto subnormal = numira::readNumber("1E-320");
    ASSERT_TRUE(subnormal.has_value());
    EXPECT_GT(*subnormal, 0.0);
    EXPECT_LT(*subnormal, 1e-300);
}

TEST(NumberText, ExactTextIsTheShortestThatReadsBack) {
    const std::pair<double, std::string_view> kExact[] = {
        {1.0 / 3.0, "0.3333333333333333"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.7976931348623157e308, "1.7976931348623157E+308"},
        {1e-5, "0.00001"},
        {-1.5e-7, "-1.5E-07"},
        {1e15, "1E+15"},
    };
    for (const auto& [value, text] : kExact) {
        std::string written;
        numira::appendExactNumber(written, value);
        EXPECT_EQ(written, text);
    }
    constexpr double kValues[] = {1.0 / 7, -2.0 / 3, 6.02214076e23, 1.602e-19, 4503599627370497.0};
    for (double v : kValues) {
        SCOPED_TRACE(v);
        std::string written;
        numira::appendExactNumber(written, v);
        const auto back = numira::readNumber(written);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, v);
    }
}

}  // namespace
