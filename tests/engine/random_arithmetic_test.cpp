// Random expressions of the four operations, powers and parentheses, checked against a plain
// recursive-descent evaluator with the usual precedence (powers chain left to right, as the
// engine's do). Intermediate values are written as 15-digit text, so results agree to about
// twelve digits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/number_text.h"

namespace {

class Generator {
  public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::string expression(int depth) {
        std::string text = term(depth);
        const int more = pick(0, 3);
        for (int i = 0; i < more; ++i) {
            text += pick(0, 1) ? "+" : "-";
            text += term(depth);
        }
        return text;
    }

  private:
    std::string term(int depth) {
        std::string text = power(depth);
        const int more = pick(0, 2);
        for (int i = 0; i < more; ++i) {
            text += pick(0, 1) ? "*" : "/";
            text += power(depth);
        }
        return text;
    }
    std::string power(int depth) {
        std::string text = atom(depth);
        if (pick(0, 5) == 0) {
            text += "^" + std::to_string(pick(0, 3));
        }
        return text;
    }
    std::string atom(int depth) {
        if (depth > 0 && pick(0, 3) == 0) {
            return "(" + expression(depth - 1) + ")";
        }
        std::string number = std::to_string(pick(1, 99));
        if (pick(0, 3) == 0) {
            number += "." + std::to_string(pick(1, 9));
        }
        return number;
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::mt19937 m_random;
};

// The reference: a textbook parser over the same text.
class Reference {
  public:
    explicit Reference(const std::string& text) : m_text(text) {}
    double value() { return sum(); }

  private:
    double sum() {
        double v = product();
        while (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
            const char op = m_text[m_pos++];
            const double rhs = product();
            v = op == '+' ? v + rhs : v - rhs;
        }
        return v;
    }
    double product() {
        double v = power();
        while (m_pos < m_text.size() && (m_text[m_pos] == '*' || m_text[m_pos] == '/')) {
            const char op = m_text[m_pos++];
            const double rhs = power();
            v = op == '*' ? v * rhs : v / rhs;
        }
        return v;
    }
    double power() {
        double v = atom();
        while (m_pos < m_text.size() && m_text[m_pos] == '^') {
            ++m_pos;
            v = std::pow(v, atom());
        }
        return v;
    }
    double atom() {
        if (m_text[m_pos] == '(') {
            ++m_pos;
            const double v = sum();
            ++m_pos;
            return v;
        }
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() &&
               (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '.')) {
            ++m_pos;
        }
        return *numira::readNumber(std::string_view(m_text).substr(start, m_pos - start));
    }

    const std::string& m_text;
    std::size_t m_pos = 0;
};

TEST(RandomArithmetic, AgreesWithATextbookEvaluator) {
    numira::Engine engine;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        Generator generator(seed);
        const std::string text = generator.expression(3);
        const double expected = Reference(text).value();
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + text);
        const numira::Evaluation result = engine.evaluate(text, {});
        if (!std::isfinite(expected)) {
            EXPECT_FALSE(result.ok());
            continue;
        }
        ASSERT_TRUE(result.ok()) << numira::failureReason(*result.failure);
        const double actual = *numira::readNumber(result.numberText);
        EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
    }
}

}  // namespace
