// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/failure_span.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/function_names.h"
#include "engine/number_text.h"
#include "engine/open_parens.h"

namespace numira {
namespace {

// Parts probed at most, smallest first: enough for any expression typed by hand, and a
// bound on the work for a pasted one.
constexpr std::size_t kMaxProbes = 64;

bool isOperator(char c) {
    return c == '*' || c == '/' || c == '^';
}

// The partner of every parenthesis (npos for none), found in one pass.
std::vector<std::size_t> partners(std::string_view s) {
    std::vector<std::size_t> partner(s.size(), std::string_view::npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '(') {
            open.push_back(i);
        } else if (s[i] == ')' && !open.empty()) {
            partner[i] = open.back();
            partner[open.back()] = i;
            open.pop_back();
        }
    }
    return partner;
}

// One past the operand that starts at i: its signs, a number, pi, e, x, a parenthesis or a
// function with its argument (to the end when unclosed), and the powers raised on it.
std::size_t operandEnd(std::string_view s, const std::vector<std::size_t>& partner, std::size_t i) {
    while (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    if (i >= s.size()) {
        return i;
    }
    i += functionNameAt(s.substr(i));
    if (s[i] == '(') {
        i = partner[i] == std::string_view::npos ? s.size() : partner[i] + 1;
    } else if (s.substr(i).starts_with("pi")) {
        i += 2;
    } else if (s[i] == 'e' || s[i] == 'x') {
        ++i;
    } else {
        while (i < s.size() && (isNumberChar(s[i]) || s[i] == ',' ||
                                (i > 0 && s[i - 1] == 'E' && (s[i] == '+' || s[i] == '-')))) {
            ++i;
        }
    }
    if (i < s.size() && s[i] == '^') {
        return operandEnd(s, partner, i + 1);
    }
    return i;
}

// Where the operand that ends just before i starts: the base of a power.
std::size_t operandStart(std::string_view s, const std::vector<std::size_t>& partner,
                         std::size_t i) {
    if (i == 0) {
        return 0;
    }
    if (s[i - 1] == ')' && partner[i - 1] != std::string_view::npos) {
        std::size_t start = partner[i - 1];
        for (const Function& f : kFunctions) {
            if (start >= f.name.size() &&
                s.substr(start - f.name.size(), f.name.size()) == f.name) {
                return start - f.name.size();
            }
        }
        return start;
    }
    if (i >= 2 && s.substr(i - 2, 2) == "pi") {
        return i - 2;
    }
    if (s[i - 1] == 'e' || s[i - 1] == 'x') {
        return i - 1;
    }
    while (i > 0 && (isNumberChar(s[i - 1]) || s[i - 1] == ',')) {
        --i;
    }
    return i;
}

// The length of the character that starts at i, so that a span never cuts one in two.
std::size_t characterLength(std::string_view s, std::size_t i) {
    std::size_t n = 1;
    while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

// What is no part of an expression, has no partner or misses an operand.
std::optional<TextSpan> structuralFault(std::string_view s,
                                        const std::vector<std::size_t>& partner) {
    for (std::size_t i = 0; i < s.size();) {
        if (const std::size_t name = functionNameAt(s.substr(i))) {
            i += name;
        } else if (s.substr(i).starts_with("pi")) {
            i += 2;
        } else if (isNumberChar(s[i]) ||
                   std::string_view("+-*/^(),ex").find(s[i]) != std::string_view::npos) {
            ++i;
        } else {
            return TextSpan{i, i + characterLength(s, i)};
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((s[i] == '(' || s[i] == ')') && partner[i] == std::string_view::npos) {
            return TextSpan{i, i + 1};
        }
        if (s[i] == '(' && partner[i] == i + 1) {
            return TextSpan{i, i + 2};
        }
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char prev = i > 0 ? s[i - 1] : '(';
        if (isOperator(s[i]) && (prev == '(' || prev == '+' || prev == '-' || isOperator(prev))) {
            return TextSpan{i, i + 1};
        }
        if (isOperator(s[i]) || s[i] == '+' || s[i] == '-') {
            std::size_t next = i + 1;
            while (next < s.size() && (s[next] == '+' || s[next] == '-')) {
                ++next;
            }
            const bool noOperand = next == s.size() || s[next] == ')' || isOperator(s[next]);
            if (noOperand && !(s[i] == '^' && next == s.size())) {
                return TextSpan{i, next};
            }
            i = next - 1;
        }
    }
    return std::nullopt;
}

struct Part {
    TextSpan span;
    bool divisor = false;  // probed as 1 divided by it
};

// The parts of the text that can fail this way alone: divisions and powers divide by zero;
// functions and powers have a domain; anything may be too large or no expression.
std::vector<Part> parts(std::string_view s, const std::vector<std::size_t>& partner,
                        Failure failure) {
    const bool any = failure == Failure::TooLarge || failure == Failure::InvalidExpression;
    const bool functions = any || failure == Failure::OutsideDomain;
    const bool divisions = any || failure == Failure::DivisionByZero;
    std::vector<Part> found;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (const std::size_t name = functionNameAt(s.substr(i))) {
            if (functions) {
                found.push_back({{i, operandEnd(s, partner, i)}});
            }
            i += name;  // its parenthesis is the function's
        } else if (s[i] == '(' && any) {
            found.push_back({{i, operandEnd(s, partner, i)}});
        } else if (s[i] == '/' && divisions) {
            found.push_back({{i, operandEnd(s, partner, i + 1)}, true});
        } else if (s[i] == '^') {
            found.push_back({{operandStart(s, partner, i), operandEnd(s, partner, i + 1)}});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Part& a, const Part& b) {
        return a.span.end - a.span.begin < b.span.end - b.span.begin;
    });
    return found;
}

}  // namespace

std::optional<TextSpan> locateFailure(std::string_view expression, Failure failure,
                                      const EngineSettings& settings) {
    const std::string_view s = expression;
    if (s.empty()) {
        return std::nullopt;
    }
    if (failure == Failure::XHasNoValue && s.find('x') != std::string_view::npos) {
        const std::size_t x = s.find('x');
        return TextSpan{x, x + 1};
    }
    const std::vector<std::size_t> partner = partners(s);
    if (failure == Failure::InvalidExpression) {
        if (const auto fault = structuralFault(s, partner)) {
            return fault;
        }
    }
    Engine probe;
    std::size_t probes = 0;
    for (const Part& part : parts(s, partner, failure)) {
        if (part.span.end - part.span.begin >= s.size() || ++probes > kMaxProbes) {
            break;
        }
        std::string text = part.divisor ? "1" : "";
        text.append(s.substr(part.span.begin, part.span.end - part.span.begin));
        text.append(missingCloseParens(text).value_or(0), ')');
        const Evaluation value = probe.evaluate(text, settings);
        if (value.failure == failure) {
            return part.span;
        }
    }
    return TextSpan{0, s.size()};
}

}  // namespace numira
