// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/decimal128.h"

#include <bid_conf.h>
#include <bid_functions.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace numira {

struct Decimal128Access {
    static BID_UINT128 bid(Decimal128 d) {
        BID_UINT128 b;
        b.w[0] = d.m_low;
        b.w[1] = d.m_high;
        return b;
    }
    static Decimal128 of(BID_UINT128 b) {
        Decimal128 d;
        d.m_low = b.w[0];
        d.m_high = b.w[1];
        return d;
    }
};

namespace {

using A = Decimal128Access;
constexpr int kNearest = BID_ROUNDING_TO_NEAREST;

// The library reports inexact results and the like through flags; the engine judges the
// values themselves (infinite, not a number), so the flags are dropped.
struct Flags {
    _IDEC_flags bits = 0;
    _IDEC_flags* operator&() { return &bits; }
};

__extension__ using Coefficient = unsigned __int128;
constexpr int kDigits = 34;
constexpr long kBias = 6176;  // the stored exponent is the power of ten plus this
constexpr long kLargestExponent = 6111;
constexpr std::uint64_t kCoefficientHigh = (std::uint64_t{1} << 49) - 1;
constexpr Coefficient kTenTo34 =
    static_cast<Coefficient>(10000000000000000ULL) * 1000000000000000000ULL;

// The value sign x coefficient x 10^exponent, for a coefficient of at most 34 digits and an
// exponent in range: the interchange format's binary encoding, its common form.
Decimal128 encoded(bool negative, Coefficient coefficient, long exponent) {
    BID_UINT128 b;
    b.w[0] = static_cast<std::uint64_t>(coefficient);
    b.w[1] = (negative ? std::uint64_t{1} << 63 : 0) |
             (static_cast<std::uint64_t>(exponent + kBias) << 49) |
             (static_cast<std::uint64_t>(coefficient >> 64) & kCoefficientHigh);
    return A::of(b);
}

// Longer exponents than this change nothing (the value is beyond the range either way), and
// the library is spared digits it would have to count.
constexpr std::size_t kLongestExponent = 8;

}  // namespace

Decimal128 Decimal128::fromInt(std::int64_t value) {
    return A::of(bid128_from_int64(value));
}

std::optional<Decimal128> Decimal128::read(std::string_view text) {
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    std::size_t i = sign;
    std::size_t digits = 0;
    bool point = false;
    // The first 19 digits fit a 64-bit word, which is much cheaper to multiply.
    constexpr int kWordDigits = 19;
    std::uint64_t word = 0;
    Coefficient coefficient = 0;
    int significant = 0;
    long exponent = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (significant > 0 || c != '0') {
                ++significant;
                const auto digit = static_cast<unsigned>(c - '0');
                if (significant <= kWordDigits) {
                    word = word * 10 + digit;
                } else {
                    coefficient =
                        (significant == kWordDigits + 1 ? word : coefficient) * 10 + digit;
                }
            }
            exponent -= point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (significant <= kWordDigits) {
        coefficient = word;
    }
    // Most numbers the engine reads are its own, of at most 34 digits: they are encoded
    // directly, and the library reads the rest.
    std::size_t end = i;
    if (end + 1 < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        const bool negative = text[end + 1] == '-';
        end += text[end + 1] == '-' || text[end + 1] == '+' ? 2 : 1;
        long power = 0;
        const std::size_t first = end;
        for (; end < text.size() && end - first < 6 && text[end] >= '0' && text[end] <= '9';
             ++end) {
            power = power * 10 + (text[end] - '0');
        }
        exponent += negative ? -power : power;
        if (end == first) {
            end = 0;  // no digits: not a number, which the full reading below tells
        }
    }
    if (end == text.size() && significant <= kDigits && exponent >= -kBias &&
        exponent <= kLargestExponent) {
        return encoded(sign == 1, coefficient, exponent);
    }
    std::string buffer(text.substr(0, i));
    if (i < text.size()) {
        if (text[i] != 'E' && text[i] != 'e') {
            return std::nullopt;
        }
        std::size_t j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j == text.size()) {
            return std::nullopt;
        }
        std::string_view powerDigits = text.substr(j);
        if (powerDigits.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        powerDigits.remove_prefix(std::min(powerDigits.find_first_not_of('0'), powerDigits.size()));
        buffer += negativeExponent ? "E-" : "E+";
        if (powerDigits.size() > kLongestExponent) {
            buffer.append(kLongestExponent, '9');
        } else if (powerDigits.empty()) {
            buffer += '0';
        } else {
            buffer.append(powerDigits);
        }
    }
    Flags flags;
    return A::of(bid128_from_string(buffer.data(), kNearest, &flags));
}

void Decimal128::appendTo(std::string& out) const {
    // The coefficient's digits and the power of ten they are scaled by: decoded from the
    // common form of the encoding, or, for anything else, from the library's text
    // "+DIGITSE+N".
    char raw[64];
    std::string_view coefficient;
    long exponent = 0;
    bool negative = (m_high >> 63) != 0;
    const Coefficient value = (static_cast<Coefficient>(m_high & kCoefficientHigh) << 64) | m_low;
    if (((m_high >> 61) & 3) != 3 && value < kTenTo34) {
        exponent = static_cast<long>((m_high >> 49) & 0x3FFF) - kBias;
        char* end = raw;
        if (value >> 64 == 0) {
            end = std::to_chars(raw, raw + sizeof raw, static_cast<std::uint64_t>(value)).ptr;
        } else {
            constexpr std::uint64_t kTenTo19 = 10000000000000000000ULL;
            end = std::to_chars(raw, raw + sizeof raw, static_cast<std::uint64_t>(value / kTenTo19))
                      .ptr;
            const auto low = static_cast<std::uint64_t>(value % kTenTo19);
            char* lowEnd = std::to_chars(end, raw + sizeof raw, low).ptr;
            const auto width = static_cast<std::size_t>(lowEnd - end);
            std::memmove(end + (19 - width), end, width);
            std::memset(end, '0', 19 - width);
            end += 19;
        }
        coefficient = std::string_view(raw, static_cast<std::size_t>(end - raw));
    } else {
        Flags flags;
        bid128_to_string(raw, A::bid(*this), &flags);
        const std::string_view text(raw);
        const std::size_t e = text.find('E');
        if (e == std::string_view::npos) {
            out += text;  // "+Inf" or "+NaN": the engine refuses both before it writes a value
            return;
        }
        negative = text[0] == '-';
        coefficient = text.substr(1, e - 1);
        exponent = std::strtol(raw + e + 1, nullptr, 10);
    }
    coefficient.remove_prefix(std::min(coefficient.find_first_not_of('0'), coefficient.size()));
    if (coefficient.empty()) {
        out += '0';
        return;
    }
    while (coefficient.back() == '0') {
        coefficient.remove_suffix(1);
        ++exponent;
    }
    if (negative) {
        out += '-';
    }
    const auto digits = static_cast<long>(coefficient.size());
    const long point = digits + exponent;  // the value is 0.coefficient x 10^point
    if (point > 15 || point < -4) {
        out += coefficient[0];
        if (digits > 1) {
            out += '.';
            out.append(coefficient.substr(1));
        }
        const long power = point - 1;
        out += power < 0 ? "E-" : "E+";
        if (std::abs(power) < 10) {
            out += '0';
        }
        out += std::to_string(std::abs(power));
    } else if (exponent >= 0) {
        out.append(coefficient);
        out.append(static_cast<std::size_t>(exponent), '0');
    } else if (point > 0) {
        out.append(coefficient.substr(0, static_cast<std::size_t>(point)));
        out += '.';
        out.append(coefficient.substr(static_cast<std::size_t>(point)));
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out.append(coefficient);
    }
}

Decimal128 Decimal128::normalized() const {
    Coefficient coefficient = (static_cast<Coefficient>(m_high & kCoefficientHigh) << 64) | m_low;
    if (((m_high >> 61) & 3) == 3 || coefficient >= kTenTo34) {
        return read(text()).value_or(*this);  // not the common form: the text decides
    }
    if (coefficient == 0) {
        return Decimal128();  // "0"
    }
    // Most values end in a digit other than zero, told without a 128-bit division: 2^64
    // leaves 6 when divided by ten.
    if (((m_high & kCoefficientHigh) % 10 * 6 + m_low % 10) % 10 != 0) {
        return *this;
    }
    long exponent = static_cast<long>((m_high >> 49) & 0x3FFF) - kBias;
    while (coefficient % 10 == 0) {
        coefficient /= 10;
        ++exponent;
    }
    return encoded((m_high >> 63) != 0, coefficient, exponent);
}

std::string Decimal128::text() const {
    std::string out;
    appendTo(out);
    return out;
}

bool Decimal128::isInfinite() const {
    return bid128_isInf(A::bid(*this)) != 0;
}

bool Decimal128::isZero() const {
    return bid128_isZero(A::bid(*this)) != 0;
}

bool Decimal128::isNegative() const {
    return (m_high >> 63) != 0 && !isNaN() && !isZero();
}

bool Decimal128::isInteger() const {
    if (isNaN() || isInfinite()) {
        return false;
    }
    Flags flags;
    return A::of(bid128_round_integral_zero(A::bid(*this), &flags)) == *this;
}

double Decimal128::approximate() const {
    // Within a few units of the double's last place, without the library's correct rounding.
    constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const Coefficient coefficient =
        (static_cast<Coefficient>(m_high & kCoefficientHigh) << 64) | m_low;
    const long exponent = static_cast<long>((m_high >> 49) & 0x3FFF) - kBias;
    if (((m_high >> 61) & 3) != 3 && coefficient < kTenTo34 && std::abs(exponent) <= 22) {
        const double magnitude = exponent < 0
                                     ? static_cast<double>(coefficient) / kExactPowers[-exponent]
                                     : static_cast<double>(coefficient) * kExactPowers[exponent];
        return (m_high >> 63) != 0 ? -magnitude : magnitude;
    }
    Flags flags;
    return bid128_to_binary64(A::bid(*this), kNearest, &flags);
}

std::int64_t Decimal128::nearestInt64() const {
    Flags flags;
    return bid128_to_int64_int(A::bid(nearestInteger(*this)), &flags);
}

namespace {

constexpr std::uint64_t kPowersOfTen[] = {1ULL,
                                          10ULL,
                                          100ULL,
                                          1000ULL,
                                          10000ULL,
                                          100000ULL,
                                          1000000ULL,
                                          10000000ULL,
                                          100000000ULL,
                                          1000000000ULL,
                                          10000000000ULL,
                                          100000000000ULL,
                                          1000000000000ULL,
                                          10000000000000ULL,
                                          100000000000000ULL,
                                          1000000000000000ULL,
                                          10000000000000000ULL,
                                          100000000000000000ULL,
                                          1000000000000000000ULL,
                                          10000000000000000000ULL};

}  // namespace

namespace {

// A finite value in the common form, for the sums computed here: the coefficient, at most
// 34 digits, and the power of ten.
struct WideParts {
    bool negative;
    Coefficient coefficient;
    long exponent;
};

std::optional<WideParts> wideParts(std::uint64_t low, std::uint64_t high) {
    const Coefficient coefficient = (static_cast<Coefficient>(high & kCoefficientHigh) << 64) | low;
    if (((high >> 61) & 3) == 3 || coefficient >= kTenTo34) {
        return std::nullopt;
    }
    return WideParts{(high >> 63) != 0, coefficient,
                     static_cast<long>((high >> 49) & 0x3FFF) - kBias};
}

constexpr int kWidest = 38;  // 10^38 is the largest power of ten below 2^128
constexpr std::array<Coefficient, kWidest + 1> kTenTo = [] {
    std::array<Coefficient, kWidest + 1> powers{};
    powers[0] = 1;
    for (std::size_t n = 1; n < powers.size(); ++n) {
        powers[n] = powers[n - 1] * 10;
    }
    return powers;
}();
// An aligned term stays below this, so that the sum stays below 10^38.
constexpr Coefficient kRoom = Coefficient{1} << 126;
constexpr std::array<Coefficient, kWidest + 1> kRoomBefore = [] {
    std::array<Coefficient, kWidest + 1> limits{};
    for (std::size_t n = 0; n < limits.size(); ++n) {
        limits[n] = kRoom / kTenTo[n];
    }
    return limits;
}();

// The exact sum when both terms, aligned, fit in 127 bits: at the smaller exponent when it
// fits in 34 digits, else rounded to 34 digits, to the nearest, ties to even. That is the
// standard's result, so the library's; zero sums, whose sign has rules of its own, and
// anything else are left to it.
std::optional<Decimal128> alignedSum(const WideParts& x, const WideParts& y) {
    const bool xHigher = x.exponent >= y.exponent;
    const WideParts& high = xHigher ? x : y;
    const WideParts& low = xHigher ? y : x;
    const long shift = high.exponent - low.exponent;
    if (shift > kWidest || (high.coefficient != 0 && high.coefficient >= kRoomBefore[shift])) {
        return std::nullopt;
    }
    const Coefficient a = high.coefficient * kTenTo[shift];
    const Coefficient b = low.coefficient;
    const bool same = high.negative == low.negative;
    if (!same && a == b) {
        return std::nullopt;
    }
    const bool negative = same || a > b ? high.negative : low.negative;
    Coefficient sum = same ? a + b : a > b ? a - b : b - a;
    long exponent = low.exponent;
    if (sum >= kTenTo34) {
        long cut = 1;
        while (sum >= kTenTo[kDigits + cut]) {
            ++cut;
        }
        const Coefficient unit = kTenTo[cut];
        const Coefficient rest = sum % unit;
        sum /= unit;
        exponent += cut;
        const Coefficient half = unit / 2;
        if (rest > half || (rest == half && (sum & 1) != 0)) {
            ++sum;
        }
        if (sum == kTenTo34) {
            sum /= 10;
            ++exponent;
        }
        if (exponent > kLargestExponent) {
            return std::nullopt;
        }
    }
    return encoded(negative, sum, exponent);
}

}  // namespace

Decimal128 operator+(Decimal128 a, Decimal128 b) {
    const std::optional<WideParts> x = wideParts(a.m_low, a.m_high);
    const std::optional<WideParts> y = wideParts(b.m_low, b.m_high);
    if (x && y) {
        if (const std::optional<Decimal128> sum = alignedSum(*x, *y)) {
            return *sum;
        }
    }
    Flags flags;
    return A::of(bid128_add(A::bid(a), A::bid(b), kNearest, &flags));
}

Decimal128 operator-(Decimal128 a, Decimal128 b) {
    return a + -b;  // exactly the difference, the sign of a zero included
}

namespace {

// A result too small for even the smallest decimal is not zero: it stays the smallest, with
// its sign, so that dividing by it is too large rather than a division by zero.
Decimal128 settled(BID_UINT128 result, Flags flags) {
    if ((flags.bits & BID_UNDERFLOW_EXCEPTION) != 0 && bid128_isZero(result) != 0) {
        BID_UINT128 smallest = bid128_from_int32(1);
        smallest.w[1] = 0;  // the coefficient 1 at the lowest exponent
        return A::of(bid128_copySign(smallest, result));
    }
    return A::of(result);
}

}  // namespace

namespace {

// The product of a coefficient below 2^64 and one of at most 34 digits, at the exponent
// `exponent`: exact when it fits in 34 digits, else rounded to 34, to the nearest, ties to
// even, as the standard has it; nullopt where the library's rules for the ends of the range
// would apply.
std::optional<Decimal128> product(bool negative, std::uint64_t a, Coefficient b, long exponent) {
    // The exact product: top * 2^64 + bottom.
    const Coefficient low = static_cast<Coefficient>(a) * static_cast<std::uint64_t>(b);
    const Coefficient top =
        static_cast<Coefficient>(a) * static_cast<std::uint64_t>(b >> 64) + (low >> 64);
    const auto bottom = static_cast<std::uint64_t>(low);
    if (top >> 64 == 0) {
        const Coefficient whole = (top << 64) | bottom;
        if (whole < kTenTo34) {
            if (exponent < -kBias || exponent > kLargestExponent) {
                return std::nullopt;
            }
            return encoded(negative, whole, exponent);
        }
    }
    // Digits beyond 34: the bit length tells the count of digits to within one.
    const int bits = top >> 64 != 0 ? 192 - __builtin_clzll(static_cast<std::uint64_t>(top >> 64))
                     : static_cast<std::uint64_t>(top) != 0
                         ? 128 - __builtin_clzll(static_cast<std::uint64_t>(top))
                         : 64 - __builtin_clzll(bottom);
    int cut = std::max(1, (bits - 1) * 30103 / 100000 + 1 - kDigits);
    for (;; ++cut) {
        if (cut > 19) {
            return std::nullopt;
        }
        const std::uint64_t unit = kPowersOfTen[cut];
        const std::uint64_t high = static_cast<std::uint64_t>(top >> 64);
        const Coefficient middle =
            (static_cast<Coefficient>(high % unit) << 64) | static_cast<std::uint64_t>(top);
        const Coefficient lowPart =
            (static_cast<Coefficient>(static_cast<std::uint64_t>(middle % unit)) << 64) | bottom;
        if (high / unit != 0 || middle / unit >> 64 != 0) {
            continue;  // beyond 128 bits: more digits to cut
        }
        Coefficient quotient = ((middle / unit) << 64) | static_cast<std::uint64_t>(lowPart / unit);
        if (quotient >= kTenTo34) {
            continue;
        }
        const auto rest = static_cast<std::uint64_t>(lowPart % unit);
        long scaled = exponent + cut;
        if (rest > unit / 2 || (rest == unit / 2 && (quotient & 1) != 0)) {
            ++quotient;
        }
        if (quotient == kTenTo34) {
            quotient /= 10;
            ++scaled;
        }
        if (scaled < -kBias || scaled > kLargestExponent) {
            return std::nullopt;
        }
        return encoded(negative, quotient, scaled);
    }
}

}  // namespace

Decimal128 operator*(Decimal128 a, Decimal128 b) {
    const std::optional<WideParts> x = wideParts(a.m_low, a.m_high);
    const std::optional<WideParts> y = wideParts(b.m_low, b.m_high);
    if (x && y && (x->coefficient >> 64 == 0 || y->coefficient >> 64 == 0)) {
        const bool xNarrow = x->coefficient >> 64 == 0;
        const std::optional<Decimal128> result =
            product(x->negative != y->negative,
                    static_cast<std::uint64_t>(xNarrow ? x->coefficient : y->coefficient),
                    xNarrow ? y->coefficient : x->coefficient, x->exponent + y->exponent);
        if (result) {
            return *result;
        }
    }
    Flags flags;
    const BID_UINT128 r = bid128_mul(A::bid(a), A::bid(b), kNearest, &flags);
    return settled(r, flags);
}

Decimal128 operator/(Decimal128 a, Decimal128 b) {
    Flags flags;
    const BID_UINT128 r = bid128_div(A::bid(a), A::bid(b), kNearest, &flags);
    return settled(r, flags);
}

Decimal128 operator-(Decimal128 a) {
    return A::of(bid128_negate(A::bid(a)));
}

bool operator==(Decimal128 a, Decimal128 b) {
    Flags flags;
    return bid128_quiet_equal(A::bid(a), A::bid(b), &flags) != 0;
}

bool operator<(Decimal128 a, Decimal128 b) {
    Flags flags;
    return bid128_quiet_less(A::bid(a), A::bid(b), &flags) != 0;
}

Decimal128 abs(Decimal128 a) {
    return A::of(bid128_abs(A::bid(a)));
}

Decimal128 nearestInteger(Decimal128 a) {
    Flags flags;
    return A::of(bid128_round_integral_nearest_even(A::bid(a), &flags));
}

Decimal128 remainder(Decimal128 a, Decimal128 b) {
    Flags flags;
    return A::of(bid128_fmod(A::bid(a), A::bid(b), &flags));
}

#define NUMIRA_DECIMAL_FUNCTION(name)                             \
    Decimal128 name(Decimal128 a) {                               \
        Flags flags;                                              \
        return A::of(bid128_##name(A::bid(a), kNearest, &flags)); \
    }
NUMIRA_DECIMAL_FUNCTION(sqrt)
NUMIRA_DECIMAL_FUNCTION(sin)
NUMIRA_DECIMAL_FUNCTION(cos)
NUMIRA_DECIMAL_FUNCTION(tan)
NUMIRA_DECIMAL_FUNCTION(atan)
NUMIRA_DECIMAL_FUNCTION(asin)
NUMIRA_DECIMAL_FUNCTION(acos)
#undef NUMIRA_DECIMAL_FUNCTION

Decimal128 pow(Decimal128 base, Decimal128 exponent) {
    Flags flags;
    const BID_UINT128 r = bid128_pow(A::bid(base), A::bid(exponent), kNearest, &flags);
    return settled(r, flags);
}

std::optional<Decimal128::Whole> Decimal128::whole() const {
    const std::optional<WideParts> parts = wideParts(m_low, m_high);
    if (!parts || parts->exponent > kWidest) {
        return std::nullopt;
    }
    Coefficient magnitude = parts->coefficient;
    if (parts->exponent >= 0) {
        if (magnitude > static_cast<Coefficient>(INT64_MAX) / kTenTo[parts->exponent]) {
            return std::nullopt;
        }
        magnitude *= kTenTo[parts->exponent];
    } else if (-parts->exponent > kWidest || magnitude % kTenTo[-parts->exponent] != 0) {
        // A fraction, unless it is zero.
        return Whole{magnitude == 0, 0};
    } else {
        magnitude /= kTenTo[-parts->exponent];
    }
    if (magnitude > static_cast<Coefficient>(INT64_MAX)) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return Whole{true, parts->negative ? -value : value};
}

}  // namespace numira
