// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/implied_exponent.h"

#include <algorithm>
#include <vector>

#include "engine/function_names.h"
#include "engine/number_text.h"

namespace numira {
namespace {

// The text with, for each "(", one past its ")" (npos when it has none), found in one pass so
// that no group is scanned again for each "^" before it.
class Grouper {
  public:
    explicit Grouper(std::string_view text) : m_text(text), m_closing(text.size(), npos) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '(') {
                open.push_back(i);
            } else if (text[i] == ')' && !open.empty()) {
                m_closing[open.back()] = i + 1;
                open.pop_back();
            }
        }
    }

    // Appends [begin, end) with every implied exponent grouped.
    void group(std::size_t begin, std::size_t end, std::string& out) const {
        std::size_t i = begin;
        while (i < end) {
            // Up to and with the next "^" the text goes over as it is.
            const std::size_t power = std::min(m_text.find('^', i), end);
            out.append(m_text, i, power - i);
            i = power;
            if (i == end) {
                break;
            }
            out += m_text[i++];
            // Signs belong to the exponent's first factor.
            const std::size_t start = i;
            std::size_t last = std::min(m_text.find_first_not_of("+-", start), end);
            int factors = 0;
            for (std::size_t next = factorEnd(last, end); next != last;
                 next = factorEnd(last, end)) {
                last = next;
                ++factors;
            }
            if (factors >= 2) {
                out += '(';
                group(start, last, out);
                out += ')';
                i = last;
            }
        }
    }

  private:
    static constexpr std::size_t npos = std::string_view::npos;

    // One past the ")" that closes the "(" at `open` within [.., end), or npos.
    std::size_t closing(std::size_t open, std::size_t end) const {
        return m_closing[open] <= end ? m_closing[open] : npos;
    }

    // One past the factor that starts at `at`, or `at` when none starts there before `end`.
    std::size_t factorEnd(std::size_t at, std::size_t end) const {
        if (at >= end) {
            return at;
        }
        const std::string_view rest = m_text.substr(at, end - at);
        if (isDigit(rest[0]) || rest[0] == '.') {
            std::size_t i = at;
            while (i < end && (isDigit(m_text[i]) || m_text[i] == '.')) {
                ++i;
            }
            return i;
        }
        if (rest[0] == '(') {
            const std::size_t close = closing(at, end);
            return close == npos ? at : close;
        }
        if (rest.starts_with("pi")) {
            return at + 2;
        }
        if (rest[0] == 'e' || rest[0] == 'x') {
            return at + 1;
        }
        const std::size_t name = functionNameAt(rest);
        if (name > 0 && at + name < end && m_text[at + name] == '(') {
            const std::size_t close = closing(at + name, end);
            return close == npos ? at : close;
        }
        return at;
    }

    std::string_view m_text;
    std::vector<std::size_t> m_closing;
};

}  // namespace

std::string groupImpliedExponents(std::string_view text) {
    if (text.find('^') == std::string_view::npos) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 8);
    Grouper(text).group(0, text.size(), out);
    return out;
}

}  // namespace numira
