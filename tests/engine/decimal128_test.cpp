// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The engine's number: what it reads from number text and what it writes back.
#include <bid_conf.h>
#include <bid_functions.h>
#include <gtest/gtest.h>

#include <bit>
#include <optional>
#include <random>
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

// The engine adds and multiplies most values itself; the library's general routines are the
// reference, to the last bit (the coefficient's trailing zeros included).
TEST(Decimal128, SumsAndProductsAreTheLibrarysToTheLastBit) {
    static_assert(sizeof(Decimal128) == sizeof(BID_UINT128));
    __extension__ using Wide = unsigned __int128;
    std::mt19937_64 random(34);
    Wide tenTo34 = 1;
    for (int i = 0; i < 34; ++i) {
        tenTo34 *= 10;
    }
    // Coefficients of every length, with trailing zeros, near 10^34, zero; exponents near
    // each other, far apart and near the ends of the range.
    const auto make = [&] {
        const Wide any = (static_cast<Wide>(random()) << 64 | random()) % tenTo34;
        Wide c = any;
        switch (random() % 5) {
            case 0:
                c = 0;
                break;
            case 1:
                c = tenTo34 - 1 - random() % 3;
                break;
            case 2:
                c = any >> (random() % 112);
                break;
            case 3:
                for (auto z = random() % 6; z > 0 && c * 10 < tenTo34; --z) {
                    c = c / 10 * 10;
                }
                break;
            default:
                break;
        }
        const long spread[] = {40, 12287, 40};
        const long base[] = {-20, -6176, 6111 - 40};
        const std::size_t where = random() % 3;
        const long exponent = base[where] + static_cast<long>(random() % spread[where]);
        BID_UINT128 b;
        b.w[0] = static_cast<std::uint64_t>(c);
        b.w[1] = (random() % 2 == 0 ? std::uint64_t{1} << 63 : 0) |
                 static_cast<std::uint64_t>(exponent + 6176) << 49 |
                 static_cast<std::uint64_t>(c >> 64);
        return std::pair{b, std::bit_cast<Decimal128>(b)};
    };
    for (int i = 0; i < 300000; ++i) {
        const auto [x, a] = make();
        const auto [y, b] = make();
        _IDEC_flags flags = 0;
        const BID_UINT128 sums[] = {bid128_add(x, y, BID_ROUNDING_TO_NEAREST, &flags),
                                    bid128_sub(x, y, BID_ROUNDING_TO_NEAREST, &flags)};
        const Decimal128 mine[] = {a + b, a - b};
        for (int k = 0; k < 2; ++k) {
            const auto bits = std::bit_cast<BID_UINT128>(mine[k]);
            ASSERT_TRUE(bits.w[0] == sums[k].w[0] && bits.w[1] == sums[k].w[1]) << i << " " << k;
        }
        flags = 0;
        const BID_UINT128 product = bid128_mul(x, y, BID_ROUNDING_TO_NEAREST, &flags);
        // A product below the smallest decimal stays the smallest one, not zero.
        if ((flags & BID_UNDERFLOW_EXCEPTION) == 0) {
            const auto bits = std::bit_cast<BID_UINT128>(a * b);
            ASSERT_TRUE(bits.w[0] == product.w[0] && bits.w[1] == product.w[1]) << i;
        }
    }
}

}  // namespace
