// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numira {

// The engine's number: an IEEE 754 decimal128 value (34 significant decimal digits, exponent
// range far beyond a double's), computed by the Intel Decimal Floating-Point Math Library.
// What a person types in decimal is held exactly, and + - * / round only what does not fit
// in 34 digits, to the nearest, ties to even.
class Decimal128 {
  public:
    constexpr Decimal128() = default;  // zero
    static Decimal128 fromInt(std::int64_t value);

    // Reads the engine's number text (see readNumber): an optional "-", digits with at most
    // one ".", and an optional exponent. Any count of digits; beyond 34 they are rounded.
    // A magnitude beyond the decimal range reads as an infinity, one below it as zero.
    static std::optional<Decimal128> read(std::string_view text);

    // Appends the exact value in the engine's notation: plain from 1E-05 up to below 1E+15
    // ("0.1", "-12.5", "338298681559.573317311"), exponent form beyond ("1E+20",
    // "1.5E-07"); no trailing zeros, never "-0".
    void appendTo(std::string& out) const;
    // The same value as its text reads back: the coefficient without trailing zeros, so that
    // a value kept between passes is what reading its text would give ("1.10" is "1.1").
    Decimal128 normalized() const;
    std::string text() const;

    bool isNaN() const { return (m_high & kNaNBits) == kNaNBits; }
    bool isInfinite() const;
    // A cheap test on the encoding that holds for most values: the magnitude is below 1E+308
    // (a coefficient of at most 34 digits scaled by at most 10^274).
    bool surelyBelow1E308() const {
        return ((m_high >> 61) & 3) != 3 && ((m_high >> 49) & 0x3FFF) <= 6176 + 274;
    }
    bool isZero() const;
    bool isNegative() const;  // below zero; false for -0
    bool isInteger() const;   // finite and whole
    // Near the nearest double (a few units in its last place): an estimate, for deciding
    // when the exact test can be spared.
    double approximate() const;
    // The whole number nearest, ties to even; only within the range of int64.
    std::int64_t nearestInt64() const;
    // Whether the value is whole, and then which: told from the encoding, without the
    // library. Nullopt where it cannot tell so (not finite, or beyond int64).
    struct Whole {
        bool whole = false;
        std::int64_t value = 0;  // when whole
    };
    std::optional<Whole> whole() const;

    friend Decimal128 operator+(Decimal128 a, Decimal128 b);
    friend Decimal128 operator-(Decimal128 a, Decimal128 b);
    friend Decimal128 operator*(Decimal128 a, Decimal128 b);
    friend Decimal128 operator/(Decimal128 a, Decimal128 b);
    friend Decimal128 operator-(Decimal128 a);
    friend bool operator==(Decimal128 a, Decimal128 b);
    friend bool operator<(Decimal128 a, Decimal128 b);
    friend bool operator>(Decimal128 a, Decimal128 b) { return b < a; }
    friend bool operator<=(Decimal128 a, Decimal128 b) { return !(b < a); }
    friend bool operator>=(Decimal128 a, Decimal128 b) { return !(a < b); }

    friend Decimal128 abs(Decimal128 a);
    friend Decimal128 nearestInteger(Decimal128 a);           // ties to even
    friend Decimal128 remainder(Decimal128 a, Decimal128 b);  // a - b*trunc(a/b), exact
    friend Decimal128 sqrt(Decimal128 a);
    friend Decimal128 pow(Decimal128 base, Decimal128 exponent);
    friend Decimal128 sin(Decimal128 radians);
    friend Decimal128 cos(Decimal128 radians);
    friend Decimal128 tan(Decimal128 radians);
    friend Decimal128 atan(Decimal128 a);
    friend Decimal128 asin(Decimal128 a);
    friend Decimal128 acos(Decimal128 a);

  private:
    friend struct Decimal128Access;
    // The library's value as its two 64-bit words, low first; kept opaque here so that the
    // library's header (and its macros) stay out of the engine's own.
    static constexpr std::uint64_t kNaNBits = 0x7C00000000000000ULL;
    std::uint64_t m_low = 0;
    std::uint64_t m_high = 0x3040000000000000ULL;  // zero, scaled by 10^0
};

Decimal128 abs(Decimal128 a);
Decimal128 nearestInteger(Decimal128 a);
Decimal128 remainder(Decimal128 a, Decimal128 b);
Decimal128 sqrt(Decimal128 a);
Decimal128 pow(Decimal128 base, Decimal128 exponent);
Decimal128 sin(Decimal128 radians);
Decimal128 cos(Decimal128 radians);
Decimal128 tan(Decimal128 radians);
Decimal128 atan(Decimal128 a);
Decimal128 asin(Decimal128 a);
Decimal128 acos(Decimal128 a);

}  // namespace numira
