// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace numira {

namespace {

// Whole numbers below 1E+15 are most of what the passes write, and the integer conversion
// is several times cheaper. False when the value is not one.
bool appendWhole(std::string& out, double value) {
    if (value == 0) {
        out += '0';  // also for -0, which is not a negative number
        return true;
    }
    if (std::abs(value) >= 1e15 || value != std::trunc(value)) {
        return false;
    }
    char buffer[24];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    out.append(buffer, end);
    return true;
}

void appendWithCapitalE(std::string& out, const char* begin, const char* end) {
    for (const char* p = begin; p != end; ++p) {
        out += *p == 'e' ? 'E' : *p;
    }
}

}  // namespace

void appendNumber(std::string& out, double value) {
    if (appendWhole(out, value)) {
        return;
    }
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    appendWithCapitalE(out, buffer, end);
}

void appendExactNumber(std::string& out, double value) {
    if (appendWhole(out, value)) {
        return;
    }
    char buffer[32];
    const double magnitude = std::abs(value);
    const auto format = magnitude >= 1e-5 && magnitude < 1e15 ? std::chars_format::fixed
                                                              : std::chars_format::scientific;
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    appendWithCapitalE(out, buffer, end);
}

std::string numberText(double value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

namespace {

// For a number text beyond the double range: an infinity when it is too large, zero when it
// is too small. Judged by the decimal exponent of its first significant digit, which is far
// from zero in either case.
double outOfRange(std::string_view text, bool negative) {
    const std::size_t mantissaEnd = std::min(text.find_first_of("Ee"), text.size());
    const std::string_view mantissa = text.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    long magnitude = 0;  // the power of ten of the first significant digit, plus one
    if (first != std::string_view::npos) {
        magnitude = first < point ? static_cast<long>(point - first)
                                  : -static_cast<long>(first - point - 1);
    }
    // Only the sign of magnitude + exponent matters, so an exponent of any length is clamped
    // to a size that cannot overflow the sum.
    constexpr long kClamp = 1L << 40;
    long exponent = 0;
    if (mantissaEnd + 1 < text.size()) {
        std::string_view digits = text.substr(mantissaEnd + 1);
        const bool negativeExponent = digits[0] == '-';
        if (digits[0] == '+' || digits[0] == '-') {
            digits.remove_prefix(1);
        }
        const std::size_t significant = std::min(digits.find_first_not_of('0'), digits.size());
        digits.remove_prefix(significant);
        if (digits.size() > 12) {
            exponent = kClamp;
        } else {
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    const double result = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -result : result;
}

}  // namespace

std::optional<double> readNumber(std::string_view text) {
    // from_chars reads the same syntax, but also "inf", "nan" and a number that stops early
    // ("1E" reads 1); a number starts with a digit or ".", after an optional "-".
    const std::size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == sign || !(isDigit(text[sign]) || text[sign] == '.')) {
        return std::nullopt;
    }
    const char* const end = text.data() + text.size();
    double value = 0;
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (stop != end) {
        return std::nullopt;
    }
    if (ec == std::errc::result_out_of_range) {
        return outOfRange(text.substr(sign), sign == 1);
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace numira
