// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/result_caption.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "engine/number_text.h"

namespace numira {
namespace {

constexpr int kPlainDigits = 15;           // from 1E+15 on, the caption is in exponent form
constexpr long kShownDigits = 15;          // significant digits a caption shows at most
constexpr long kExponentLimit = 1L << 40;  // far beyond any double; keeps the sums in range

// A decimal value as its significant digits and the position of the decimal point:
// value = 0.digits x 10^point.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    long point = 0;
};

Decimal parse(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        d.negative = true;
        ++i;
    }
    long beforePoint = 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (d.digits.empty() && c == '0') {
                if (seenPoint) {
                    --d.point;  // a zero right after the point shifts the value down
                }
                continue;
            }
            d.digits += c;
            if (!seenPoint) {
                ++beforePoint;
            }
        } else {
            break;
        }
    }
    d.point += beforePoint;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::string_view exponent = text.substr(i + 1);
        if (!exponent.empty() && exponent[0] == '+') {
            exponent.remove_prefix(1);
        }
        long value = 0;
        const auto [end, ec] =
            std::from_chars(exponent.data(), exponent.data() + exponent.size(), value);
        if (ec == std::errc::result_out_of_range) {
            value = exponent[0] == '-' ? -kExponentLimit : kExponentLimit;
        }
        d.point += std::clamp(value, -kExponentLimit, kExponentLimit);
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d.point = 0;
    }
    return d;
}

// Rounds to `decimals` places and at most kShownDigits significant digits, halves to the
// even neighbour.
void round(Decimal& d, int decimals) {
    const long keep = std::min(d.point + decimals, kShownDigits);
    if (keep >= static_cast<long>(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const auto k = static_cast<std::size_t>(keep);
    const char first = d.digits[k];
    const bool restNonZero = d.digits.find_first_not_of('0', k + 1) != std::string::npos;
    const bool lastOdd = k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && (restNonZero || lastOdd));
    d.digits.resize(k);
    if (up) {
        std::size_t i = k;
        while (i > 0 && d.digits[i - 1] == '9') {
            d.digits[--i] = '0';
        }
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[i - 1];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d.point = 0;
    }
}

std::string format(const Decimal& d) {
    if (d.digits.empty()) {
        return "0";  // never "-0"
    }
    std::string out = d.negative ? "-" : "";
    if (d.point > kPlainDigits) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += ',';
            out.append(d.digits, 1);
        }
        const long exponent = d.point - 1;
        out += "E+";
        if (exponent < 10) {
            out += '0';
        }
        out += std::to_string(exponent);
        return out;
    }
    if (d.point <= 0) {
        out += "0,";
        out.append(static_cast<std::size_t>(-d.point), '0');
        out += d.digits;
        return out;
    }
    const auto whole = static_cast<std::size_t>(d.point);
    if (d.digits.size() <= whole) {
        out += d.digits;
        out.append(whole - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, whole);
        out += ',';
        out.append(d.digits, whole);
    }
    return out;
}

}  // namespace

std::string resultCaption(std::string_view numberText, int decimals, bool roundingOn) {
    if (!roundingOn) {
        return "=" + std::string(numberText);
    }
    Decimal d = parse(numberText);
    round(d, decimals);
    return "=" + format(d);
}

}  // namespace numira
