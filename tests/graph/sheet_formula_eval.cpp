// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "tests/graph/sheet_formula_eval.h"

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace numira::graph::testing {
namespace {

// A spreadsheet error value travels up as this.
struct SheetError {};

class Parser {
  public:
    explicit Parser(std::string_view text) : m_text(text) {}

    double formula() {
        expect('=');
        const double v = sum();
        if (m_pos != m_text.size()) {
            bad();
        }
        return v;
    }

  private:
    [[noreturn]] void bad() const {
        throw std::invalid_argument("not a formula at " + std::to_string(m_pos) + ": " +
                                    std::string(m_text));
    }
    bool peek(char c) const { return m_pos < m_text.size() && m_text[m_pos] == c; }
    void expect(char c) {
        if (!peek(c)) {
            bad();
        }
        ++m_pos;
    }
    static double checked(double v) {
        if (!std::isfinite(v)) {
            throw SheetError{};
        }
        return v;
    }

    double sum() {
        double v = product();
        while (peek('+') || peek('-')) {
            const char op = m_text[m_pos++];
            const double r = product();
            v = checked(op == '+' ? v + r : v - r);
        }
        return v;
    }
    double product() {
        double v = power();
        while (peek('*') || peek('/')) {
            const char op = m_text[m_pos++];
            const double r = power();
            if (op == '/' && r == 0) {
                throw SheetError{};
            }
            v = checked(op == '*' ? v * r : v / r);
        }
        return v;
    }
    double power() {
        double v = unary();
        while (peek('^')) {
            ++m_pos;
            const double e = unary();
            if (v == 0 && e < 0) {
                throw SheetError{};
            }
            v = checked(std::pow(v, e));
        }
        return v;
    }
    double unary() {
        if (peek('-')) {
            ++m_pos;
            return -unary();
        }
        if (peek('+')) {
            ++m_pos;
            return unary();
        }
        return primary();
    }
    double primary() {
        if (peek('(')) {
            ++m_pos;
            const double v = sum();
            expect(')');
            return v;
        }
        if (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() &&
                   (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) ||
                    m_text[m_pos] == '.' || m_text[m_pos] == 'E' ||
                    (m_text[m_pos - 1] == 'E' && (peek('+') || peek('-'))))) {
                ++m_pos;
            }
            return std::stod(std::string(m_text.substr(start, m_pos - start)));
        }
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && std::isupper(static_cast<unsigned char>(m_text[m_pos]))) {
            ++m_pos;
        }
        const std::string_view name = m_text.substr(start, m_pos - start);
        if (name.empty()) {
            bad();
        }
        expect('(');
        if (name == "PI") {
            expect(')');
            return std::numbers::pi;
        }
        const double a = sum();
        expect(')');
        return call(name, a);
    }
    double call(std::string_view name, double a) const {
        const bool unit = a >= -1 && a <= 1;
        if (name == "SIN")
            return std::sin(a);
        if (name == "COS")
            return std::cos(a);
        if (name == "TAN")
            return std::tan(a);
        if (name == "ATAN")
            return std::atan(a);
        if (name == "RADIANS")
            return a * std::numbers::pi / 180;
        if (name == "DEGREES")
            return a * 180 / std::numbers::pi;
        if (name == "EXP")
            return checked(std::exp(a));
        if (name == "SQRT" && a >= 0)
            return std::sqrt(a);
        if (name == "ASIN" && unit)
            return std::asin(a);
        if (name == "ACOS" && unit)
            return std::acos(a);
        if (name == "SQRT" || name == "ASIN" || name == "ACOS")
            throw SheetError{};
        bad();
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

std::optional<double> evaluateSheetFormula(std::string_view formula) {
    try {
        return Parser(formula).formula();
    } catch (const SheetError&) {
        return std::nullopt;
    }
}

}  // namespace numira::graph::testing
