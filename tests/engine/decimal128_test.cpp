// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The engine's number: what it reads from number text and what it writes back.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/decimal128.h"

namespace {

using numira::Decimal128;

TEST(Decimal128, WritesBackExactlyWhatItRead) {
    struct Case {
        const char* read;
        const char* written;
    };
    const Case kCases[] = {
        {"0.1", "0.1"},
        {"1234.5000", "1234.5"},
        {"-0.000", "0"},
        {"007", "7"},
        {".5", "0.5"},
        {"5.", "5"},
        {"1e3", "1000"},
        {"0.00001", "0.00001"},
        {"0.000001", "1E-06"},
        {"-1.5E-07", "-1.5E-07"},
        {"999999999999999", "999999999999999"},
        {"1E+15", "1E+15"},
        {"123456789012345.6", "123456789012345.6"},
        {"338298681559.573317311", "338298681559.573317311"},
        {"3.141592653589793238462643383279503", "3.141592653589793238462643383279503"},
        // Beyond 34 digits, rounded to the nearest, a tie to the even neighbour.
        {"1234567890123456789012345678901234567890", "1.234567890123456789012345678901235E+39"},
        {"0.33333333333333333333333333333333335", "0.3333333333333333333333333333333334"},
        {"0.33333333333333333333333333333333345", "0.3333333333333333333333333333333334"},
        {"1E+400", "1E+400"},
        {"1E-99999999999999999999", "0"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.read);
        const std::optional<Decimal128> value = Decimal128::read(c.read);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->text(), c.written);
        EXPECT_EQ(Decimal128::read(value->text())->text(), c.written);
    }
    EXPECT_TRUE(Decimal128::read("1E+99999999999999999999")->isInfinite());
}

TEST(Decimal128, RefusesWhatIsNoNumber) {
    for (const char* text : {"", "-", ".", "-.", "1E", "1E+", "E5", "1.2.3", "--1", "+1", "1x",
                             "inf", "nan", "1E5.5", " 1"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Decimal128::read(text).has_value());
    }
}

}  // namespace
