#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace numira {

void appendNumber(std::string& out, double value) {
    if (value == 0) {
        out += '0';  // also for -0, which is not a negative number
        return;
    }
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    for (char* p = buffer; p != end; ++p) {
        out += *p == 'e' ? 'E' : *p;
    }
}

std::string numberText(double value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> readNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && text[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    bool leadingZeros = true;
    std::size_t significantBeforePoint = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            ++digits;
            if (!point) {
                if (c != '0' || !leadingZeros) {
                    leadingZeros = false;
                    ++significantBeforePoint;
                }
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        for (; i < n && isDigit(text[i]); ++i) {
            if (exponent < 100000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
        }
        if (i == expStart) {
            return std::nullopt;
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return std::nullopt;
    }

    // from_chars takes no "+" in front of the number, but does take one in the exponent.
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + n, value);
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude.
        const bool huge = static_cast<long>(significantBeforePoint) + exponent > 0;
        const double magnitude = huge ? std::numeric_limits<double>::infinity() : 0.0;
        return text[0] == '-' ? -magnitude : magnitude;
    }
    if (ec != std::errc() || end != text.data() + n) {
        return std::nullopt;
    }
    return value;
}

}  // namespace numira
