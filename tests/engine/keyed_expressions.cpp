#include "tests/engine/keyed_expressions.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/number_text.h"

namespace numira::keyed {

unsigned SeededChoices::below(unsigned n) {
    return static_cast<unsigned>(m_random() % n);
}

unsigned ByteChoices::below(unsigned n) {
    unsigned value = 0;
    for (unsigned range = 1; range < n && m_at < m_size; range <<= 8) {
        value = (value << 8) | m_data[m_at++];
    }
    return value % n;
}

namespace {

// ---- The generator: the keypad's grammar, written as engine notation. ----

constexpr std::string_view kFunctions[] = {"SIN(",  "COS(",  "TAN(",  "COTAN(",
                                           "Atan(", "Asin(", "Acos(", "SQRT("};
constexpr std::string_view kXValues[] = {"3", "1,5", "0,25", "12", "7", "pi", "2pi", "100"};
constexpr std::string_view kAngles[] = {"0", "30", "45", "90", "180", "270", "360", "720"};
constexpr std::string_view kSmallExponents[] = {"2", "3", "0", "1", "0.5", "0.2", "4", "1.5"};
constexpr std::string_view kFractions[] = {"(1/3)", "(2/3)", "(1/5)", "(1/2)", "(3/7)", "(-1/3)"};
constexpr std::size_t kLongEnough = 60;
// What no operator may be followed by; each must be refused, never stepped over.
constexpr std::string_view kStrays[] = {"(", ")", "%"};
// One operator in kStrayOdds is followed by a stray. The choice of the operator is widened
// by this factor to decide it, so the operator comes out as before and the fuzz inputs kept
// in fuzz/regressions/ still type the expressions they were kept for.
constexpr unsigned kStrayOdds = 32;

class Writer {
  public:
    explicit Writer(Choices& choices) : m_choices(choices) {}

    void chain(int depth) {
        signs();
        implied(depth);
        for (unsigned more = pick(3); more > 0 && text.size() < kLongEnough; --more) {
            const unsigned op = pick(4 * kStrayOdds);
            text += "+-*/"[op % 4];
            strayIf(op < 4);
            signs();
            implied(depth);
        }
    }

    std::string text;
    bool usesX = false;

  private:
    unsigned pick(unsigned n) { return m_choices.below(n); }

    void strayIf(bool wanted) {
        if (wanted) {
            text += kStrays[pick(std::size(kStrays))];
        }
    }

    // None mostly; otherwise one or two of "+" and "-".
    void signs() {
        const unsigned count = pick(10) < 7 ? 0 : 1 + pick(2);
        for (unsigned i = 0; i < count; ++i) {
            text += pick(3) == 0 ? '+' : '-';
        }
    }

    // Operands side by side multiply; only the last may be raised.
    void implied(int depth) {
        bool afterNumber = false;
        const unsigned operands = pick(6 * kStrayOdds);
        for (unsigned n = operands % 6 < 4 ? 1 : 2; n > 0; --n) {
            afterNumber = primary(depth, afterNumber);
            strayIf(n == 2 && operands < 6);  // inside the implied product
        }
        if (pick(4) == 3) {
            const unsigned powers = pick(2 * kStrayOdds);
            for (unsigned n = 1 + powers % 2; n > 0; --n) {
                text += '^';
                strayIf(n == 1 && powers < 2);
                exponent(depth);
            }
        }
    }

    // What is raised together: signs and one or two operands.
    void exponent(int depth) {
        signs();
        bool afterNumber = false;
        for (unsigned n = pick(4) == 0 ? 2 : 1; n > 0; --n) {
            const unsigned kind = pick(8);
            if (kind < 4 && !afterNumber) {
                text += kSmallExponents[pick(std::size(kSmallExponents))];
                afterNumber = true;
            } else if (kind < 6) {
                text += kFractions[pick(std::size(kFractions))];
                afterNumber = false;
            } else {
                afterNumber = primary(depth - 1, afterNumber);
            }
        }
    }

    // Returns whether it wrote a number, which no number may follow.
    bool primary(int depth, bool afterNumber) {
        const unsigned kind = pick(depth > 0 ? 10 : 6);
        if (kind < 3 && !afterNumber) {
            number();
            return true;
        }
        if (kind == 3) {
            text += pick(2) == 0 ? "pi" : "e";
        } else if (kind == 4) {
            text += 'x';
            usesX = true;
        } else if (kind == 5 && !afterNumber) {
            text += kAngles[pick(std::size(kAngles))];
            return true;
        } else if (kind < 8 && depth > 0) {
            text += kFunctions[pick(std::size(kFunctions))];
            chain(depth - 1);
            text += ')';
        } else if (depth > 0) {
            text += '(';
            chain(depth - 1);
            text += ')';
        } else {
            text += "pi";
        }
        return false;
    }

    void digits(unsigned count, bool leadingZero) {
        for (unsigned i = 0; i < count; ++i) {
            text += static_cast<char>('0' + (i == 0 && !leadingZero ? 1 + pick(9) : pick(10)));
        }
    }

    // Small whole numbers mostly; decimals with up to 7 places, up to 1E+21, and tiny ones.
    void number() {
        const unsigned kind = pick(16);
        if (kind < 9) {
            text += std::to_string(pick(21));
        } else if (kind == 11) {
            digits(10 + pick(12), false);
        } else if (kind == 12) {
            text += "0.";
            text.append(3 + pick(12), '0');
            digits(1 + pick(3), false);
        } else {
            text += kind < 11 ? std::to_string(1 + pick(9999)) : "0";
            text += '.';
            digits(1 + pick(7), true);
        }
    }

    Choices& m_choices;
};

// ---- The reference. ----

constexpr long double kEps = DBL_EPSILON;
constexpr long double kLargest = DBL_MAX;
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kE = std::numbers::e_v<long double>;

// A value with a bound on how far the engine's double may be from it, and the reasons the
// engine may give when the value cannot be computed (a mask of Failure values).
struct Val {
    long double v = 0;
    long double err = 0;
    unsigned failures = 0;
};

unsigned bit(Failure f) {
    return 1u << static_cast<unsigned>(f);
}

struct Unsure {};  // the outcome depends on rounding that the reference does not model

class Reference {
  public:
    Reference(std::string_view text, bool degrees, Val x, bool piIsHalfTurn = false)
        : m_text(text), m_degrees(degrees), m_x(x), m_piIsHalfTurn(piIsHalfTurn) {}

    Val whole() {
        Val v = sum();
        if (m_pos != m_text.size()) {
            v.failures |= bit(Failure::InvalidExpression);
        }
        return v;
    }

  private:
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    bool startsOperand() const {
        const char c = peek();
        return isDigit(c) || c == '.' || c == 'p' || c == 'e' || c == 'x' || c == '(' || c == 'S' ||
               c == 'C' || c == 'T' || c == 'A';
    }

    // A run of "+" and "-": true for an odd count of "-".
    bool signRun() {
        bool negative = false;
        while (peek() == '+' || peek() == '-') {
            negative = negative != (m_text[m_pos++] == '-');
        }
        return negative;
    }

    Val sum() {
        Val total = term(signRun());
        while (peek() == '+' || peek() == '-') {
            const bool subtract = m_text[m_pos++] == '-';
            // Plus signs with nothing after them are ignored, as the "+" key typed last is.
            std::size_t end = m_pos;
            while (end < m_text.size() && m_text[end] == '+') {
                ++end;
            }
            if (!subtract && (end == m_text.size() || m_text[end] == ')')) {
                m_pos = end;
                break;
            }
            Val t = term(signRun());
            if (subtract) {
                t.v = -t.v;  // a binary minus subtracts the whole term
            }
            total = add(total, t);
        }
        return total;
    }

    // Factors joined by "*", "/" or side by side; every division before any product.
    Val term(bool negative) {
        std::vector<std::pair<char, Val>> factors{{'*', powered(negative)}};
        for (;;) {
            if (peek() == '*' || peek() == '/') {
                const char op = m_text[m_pos++];
                const bool n = signRun();
                factors.emplace_back(op, powered(n));
            } else if (startsOperand()) {
                factors.emplace_back('*', powered(false));
            } else {
                break;
            }
        }
        std::optional<Val> product;
        Val quotient = factors[0].second;
        for (std::size_t i = 1; i < factors.size(); ++i) {
            if (factors[i].first == '/') {
                quotient = divide(quotient, factors[i].second);
            } else {
                product = product ? multiply(*product, quotient) : quotient;
                quotient = factors[i].second;
            }
        }
        return product ? multiply(*product, quotient) : quotient;
    }

    // A sign binds to the operand before its powers are taken.
    Val powered(bool negative) {
        Val base = operand();
        if (negative) {
            base.v = -base.v;
        }
        while (peek() == '^') {
            ++m_pos;
            const bool n = signRun();
            Val exponent = operand();
            while (startsOperand()) {
                exponent = multiply(exponent, operand());
            }
            if (n) {
                exponent.v = -exponent.v;
            }
            base = power(base, exponent);
        }
        return base;
    }

    Val operand() {
        const char c = peek();
        if (isDigit(c) || c == '.') {
            const std::size_t start = m_pos;
            while (isDigit(peek()) || peek() == '.') {
                ++m_pos;
            }
            // What is typed is read as the nearest double; the reference starts from there.
            double read = 0;
            std::from_chars(m_text.data() + start, m_text.data() + m_pos, read);
            return {read, 0, 0};
        }
        if (m_text.substr(m_pos).starts_with("pi")) {
            m_pos += 2;
            return m_piIsHalfTurn ? Val{180, 0, 0} : constant(kPi);
        }
        if (c == 'e') {
            ++m_pos;
            return constant(kE);
        }
        if (c == 'x') {
            ++m_pos;
            return m_x;
        }
        if (c == '(') {
            ++m_pos;
            Val v = sum();
            closeParen(v);
            return v;
        }
        for (std::string_view name : kFunctions) {
            if (m_text.substr(m_pos).starts_with(name)) {
                m_pos += name.size();
                Val argument = sum();
                closeParen(argument);
                return function(name[0] == 'C' && name[2] == 'T' ? 'G' : name[0], name[1],
                                argument);
            }
        }
        return {0, 0, bit(Failure::InvalidExpression)};
    }

    void closeParen(Val& v) {
        if (peek() == ')') {
            ++m_pos;
        } else {
            v.failures |= bit(Failure::InvalidExpression);
        }
    }

    // pi and e go in as the nearest doubles, like every number typed.
    static Val constant(long double v) { return {static_cast<double>(v), 0, 0}; }

    static Val checked(Val r) {
        if (r.failures != 0) {
            return r;
        }
        const long double magnitude = std::abs(r.v);
        if (magnitude > kLargest) {
            if (magnitude - 2 * r.err <= kLargest) {
                throw Unsure{};
            }
            r.failures = bit(Failure::TooLarge);
        } else if (magnitude < DBL_MIN) {
            r.err += DBL_MIN;  // the engine's subnormals have fewer digits
        }
        return r;
    }

    static Val failed(const Val& a, const Val& b, unsigned more = 0) {
        return {0, 0, a.failures | b.failures | more};
    }

    // The result of one operation of the engine's double arithmetic, from the exact value and
    // the error its inputs carry. From exact inputs it is the exact value rounded to the
    // nearest double, as the hardware does it. Rounding through long double gives the same
    // double unless the long double itself was rounded onto a halfway point between doubles;
    // `residual` tells, for that rare case, what the long double operation left out.
    template <typename Residual>
    static Val rounded(long double v, long double in, Residual&& residual) {
        if (in != 0) {
            return checked({v, in + kEps / 2 * std::abs(v), 0});
        }
        const double r = static_cast<double>(v);
        if (std::isinf(r)) {
            return {0, 0, bit(Failure::TooLarge)};
        }
        const double next = std::nextafter(r, v > r ? HUGE_VAL : -HUGE_VAL);
        if (v != r && 2 * (v - r) == static_cast<long double>(next) - r && residual(v) != 0) {
            throw Unsure{};
        }
        return {r, 0, 0};
    }

    static Val add(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        return rounded(a.v + b.v, a.err + b.err, [&](long double s) {
            const long double bb = s - a.v;
            return (a.v - (s - bb)) + (b.v - bb);
        });
    }

    static Val multiply(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        return rounded(a.v * b.v, std::abs(a.v) * b.err + std::abs(b.v) * a.err + a.err * b.err,
                       [&](long double p) { return std::fma(a.v, b.v, -p); });
    }

    static Val divide(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        if (b.v == 0 && b.err == 0) {
            return failed(a, b, bit(Failure::DivisionByZero));
        }
        if (std::abs(b.v) <= 2 * b.err) {
            throw Unsure{};
        }
        const long double v = a.v / b.v;
        return rounded(v, (a.err + std::abs(v) * b.err) / (std::abs(b.v) - b.err),
                       [&](long double q) { return std::fma(q, b.v, -a.v); });
    }

    static Val power(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        if (a.v == 0 && a.err == 0) {
            if (b.err != 0 && std::abs(b.v) <= b.err) {
                throw Unsure{};
            }
            if (b.v < 0) {
                return failed(a, b, bit(Failure::DivisionByZero));
            }
            return {b.v == 0 ? 1.0L : 0.0L, 0, 0};
        }
        if (std::abs(a.v) <= 2 * a.err) {
            throw Unsure{};
        }
        long double v = 0;
        if (a.v < 0 && std::abs(b.v) >= 0x1p52L) {
            // Every double that large is a whole number, but which one is not known here.
            if (std::abs(a.v) == 1) {
                throw Unsure{};
            }
            v = std::pow(-a.v, b.v);
        } else if (a.v < 0 && b.err != 0 &&
                   std::abs(b.v - std::nearbyint(b.v)) <= 2 * b.err + kEps * std::abs(b.v)) {
            throw Unsure{};  // whether the engine's exponent is a whole number
        } else if (a.v < 0 && b.v != std::trunc(b.v)) {
            // A real root only for a fraction with an odd denominator up to 99, recognised
            // to within a few units in the last place while the exponent is below 2^32,
            // where its rounding is finer than the gaps between such fractions.
            std::optional<long double> numerator;
            int q = 1;
            for (; q <= 99 && !numerator && std::abs(b.v) < 4294967296.0L; ++q) {
                const long double p = std::nearbyint(b.v * q);
                const long double off = std::abs(b.v * q - p);
                const long double window = 4 * kEps * std::abs(p);
                if (std::abs(off - window) <= 2 * q * b.err + kEps * std::abs(p)) {
                    throw Unsure{};
                }
                if (p != 0 && off <= window) {
                    numerator = p;
                }
            }
            if (!numerator || (q - 1) % 2 == 0) {
                return failed(a, b, bit(Failure::OutsideDomain));
            }
            v = std::pow(-a.v, b.v);
            if (std::fmod(*numerator, 2.0L) != 0) {
                v = -v;
            }
        } else {
            v = std::pow(a.v, b.v);
        }
        // The error of a power is a factor: e to the relative error of the base times the
        // exponent. Once that is no longer small, the engine's rounding decides the value:
        // pi^-1E-18 is 1 as a double, and 1 to a huge power stays 1 where the exact value
        // underflows to 0.
        const long double relative =
            std::abs(b.v) * a.err / std::abs(a.v) + std::abs(std::log(std::abs(a.v))) * b.err;
        if (relative > 0.5L) {
            throw Unsure{};
        }
        return checked({v, std::abs(v) * std::expm1(relative) + kEps * std::abs(v), 0});
    }

    // Whole quarter turns are exact; in radians, to within a few units in the last place.
    struct Quarter {
        std::optional<int> exact;
        long double radians = 0;
        long double err = 0;
    };

    Quarter quarter(const Val& a) const {
        if (m_degrees) {
            const long double r = std::fmod(a.v, 360.0L);
            const long double k = std::nearbyint(r / 90);
            const long double off = std::abs(r - 90 * k);
            if (off == 0 && a.err == 0) {
                return {static_cast<int>((static_cast<long long>(k) % 4 + 4) % 4)};
            }
            if (off <= 2 * a.err) {
                throw Unsure{};
            }
            const long double radians = r * kPi / 180;
            return {std::nullopt, radians, a.err * kPi / 180 + kEps * std::abs(radians)};
        }
        if (a.v == 0 && a.err == 0) {
            return {0};
        }
        if (std::abs(a.v) <= 2 * a.err) {
            throw Unsure{};
        }
        if (std::abs(a.v) < 1e9L) {
            const long double k = std::nearbyint(a.v / (kPi / 2));
            const long double off = std::abs(a.v - k * kPi / 2);
            const long double window = 4 * kEps * std::abs(a.v);
            if (k != 0 && std::abs(off - window) <= 2 * a.err + kEps * std::abs(a.v)) {
                throw Unsure{};
            }
            if (k != 0 && off <= window) {
                return {static_cast<int>((static_cast<long long>(k) % 4 + 4) % 4)};
            }
        }
        return {std::nullopt, a.v, a.err};
    }

    Val function(char code, char second, const Val& a) const {
        if (a.failures) {
            return a;
        }
        const auto outside = [] { return Val{0, 0, bit(Failure::OutsideDomain)}; };
        const auto arc = [this](long double radians, long double err) {
            const long double scale = m_degrees ? 180 / kPi : 1;
            return Val{radians * scale, (err + kEps * std::abs(radians)) * scale, 0};
        };
        if (code == 'S' && second == 'Q') {
            // Near 0 the engine's double may fall on either side of it.
            if (a.err > 0 && std::abs(a.v) <= 2 * a.err) {
                throw Unsure{};
            }
            if (a.v < 0) {
                return outside();
            }
            const long double v = std::sqrt(a.v);
            const long double in =
                v > 0 ? std::min(a.err / (2 * v), std::sqrt(a.err)) : std::sqrt(a.err);
            return {v, in + kEps * v, 0};
        }
        if (code == 'A' && second == 't') {
            return arc(std::atan(a.v), a.err / (1 + a.v * a.v));
        }
        if (code == 'A') {
            if (std::abs(std::abs(a.v) - 1) <= 2 * a.err) {
                throw Unsure{};
            }
            if (std::abs(a.v) > 1) {
                return outside();
            }
            const long double radians = second == 's' ? std::asin(a.v) : std::acos(a.v);
            return arc(radians, a.err / std::sqrt(1 - a.v * a.v));
        }
        const Quarter t = quarter(a);
        if (t.exact) {
            const int q = *t.exact;
            constexpr long double kSine[] = {0, 1, 0, -1};
            switch (code) {
                case 'S':
                    return {kSine[q], 0, 0};
                case 'C':
                    return {kSine[(q + 1) % 4], 0, 0};
                case 'T':
                    return q % 2 == 1 ? outside() : Val{0, 0, 0};
                default:
                    return q % 2 == 0 ? outside() : Val{0, 0, 0};
            }
        }
        if (t.err > 1e-7L) {
            throw Unsure{};  // a huge angle: the engine's rounding moves it too far to tell
        }
        long double v = 0;
        long double slope = 1;
        switch (code) {
            case 'S':
                v = std::sin(t.radians);
                break;
            case 'C':
                v = std::cos(t.radians);
                break;
            case 'T':
                v = std::tan(t.radians);
                slope = 1 + v * v;
                break;
            default:
                v = 1 / std::tan(t.radians);
                slope = 1 + v * v;
                break;
        }
        return checked({v, slope * t.err + 2 * kEps * std::abs(v), 0});
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_degrees;
    Val m_x;
    bool m_piIsHalfTurn;
};

std::string describe(const Evaluation& e) {
    return e.failure ? "(" + std::string(failureReason(*e.failure)) + ")" : e.numberText;
}

}  // namespace

KeyedCase generate(Choices& choices) {
    Writer writer(choices);
    writer.chain(2);
    KeyedCase c;
    c.expr = std::move(writer.text);
    c.degrees = choices.below(4) == 0;
    if (writer.usesX) {
        c.xValue = kXValues[choices.below(std::size(kXValues))];
    }
    return c;
}

Comparison compare(Engine& engine, const KeyedCase& c) {
    const Evaluation result = engine.evaluate(c.expr, {c.degrees, !c.xValue.empty(), c.xValue});
    Val expected;
    try {
        std::string xText = c.xValue;
        for (char& ch : xText) {
            ch = ch == ',' ? '.' : ch;
        }
        const Val x = Reference(xText, c.degrees, {}, c.degrees).whole();
        expected = Reference(c.expr, c.degrees, x).whole();
    } catch (const Unsure&) {
        return {Verdict::Uncertain, {}};
    }
    if (expected.failures != 0) {
        // A text that is no expression must fail, but the engine reduces the innermost
        // parentheses first and may meet another failure there before the fault.
        const bool anyReason = (expected.failures & bit(Failure::InvalidExpression)) != 0;
        if (result.failure && (anyReason || (expected.failures & bit(*result.failure)) != 0)) {
            return {Verdict::Agree, {}};
        }
        return {Verdict::Differ, "engine " + describe(result) + ", reference fails (mask " +
                                     std::to_string(expected.failures) + ")"};
    }
    const std::optional<double> value =
        result.ok() ? readNumber(result.numberText) : std::optional<double>();
    const long double tolerance = 4 * expected.err + 4 * kEps * std::abs(expected.v) + 1e-300L;
    if (value && std::abs(*value - expected.v) <= tolerance) {
        return {Verdict::Agree, {}};
    }
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.21Lg within %.3Lg", expected.v, tolerance);
    return {Verdict::Differ, "engine " + describe(result) + ", reference " + buffer};
}

}  // namespace numira::keyed
