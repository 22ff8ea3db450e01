// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "tests/engine/keyed_expressions.h"

#include <mpreal.h>

#include <optional>
#include <string_view>
#include <vector>

#include "engine/number_text.h"
#include "engine/result_caption.h"

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

// 256 bits, some 77 decimal digits: far finer than the engine's 34, so that the reference
// knows what the engine's rounding does, and an angle a hair from a whole turn keeps its
// distance to it.
using Real = mpfr::mpreal;
const bool kPrecisionSet = (Real::set_default_prec(256), true);

const Real kEps("1E-33");      // a unit in the 34th digit, relative, at most
const Real kLibrary("1E-32");  // the decimal library's functions: within 8 such units
const Real kLargest("1.797693134862315708145274237317044E+308");
const Real kTruePi = mpfr::const_pi();
const Real kHugeDegrees("1E+90");  // beyond, a whole decimal no longer fits in 256 bits
// pi and e as the engine puts them in: 34 significant digits.
const Real kPi("3.141592653589793238462643383279503");
const Real kE("2.718281828459045235360287471352662");
const Real kQuarterTurn("1.570796326794896619231321691639751");
const Real kFractionLimit("1E+20");
const Real kFarOut("1E+15");
const Real kSmallest("1E-6143");  // the smallest decimal with all 34 digits
const Real kReduction("1E-58");   // the library's reduction of a radian angle, per radian

// A value with a bound on how far the engine's decimal may be from it (0: the engine holds
// exactly this decimal), and the reasons the engine may give when the value cannot be
// computed (a mask of Failure values).
struct Val {
    Real v = 0;
    Real err = 0;
    unsigned failures = 0;
};

unsigned bit(Failure f) {
    return 1u << static_cast<unsigned>(f);
}

struct Unsure {};  // the outcome depends on rounding that the reference does not model

// The significant digits of v (and the power of ten of the first, plus one), as MPFR
// writes them.
std::string digitsOf(const Real& v, int count, mpfr_exp_t& point, mpfr_rnd_t rounding = MPFR_RNDN) {
    char* raw = mpfr_get_str(nullptr, &point, 10, static_cast<std::size_t>(count), v.mpfr_srcptr(),
                             rounding);
    std::string digits(raw);
    mpfr_free_str(raw);
    return digits;
}

Real fromDigits(const std::string& digits, mpfr_exp_t point) {
    const bool negative = digits[0] == '-';
    return Real((negative ? "-0." : "0.") + digits.substr(negative ? 1 : 0) + "E" +
                std::to_string(point));
}

// What the engine's decimal128 makes of an exact result v: v rounded to 34 digits, a tie
// (within the reference's own rounding) to the even neighbour.
Real decimal34(const Real& v) {
    if (v == 0 || isinf(v)) {
        return v;
    }
    if (isnan(v)) {
        throw Unsure{};
    }
    mpfr_exp_t point = 0;
    const std::string wide = digitsOf(v, 52, point);
    const std::string beyond = wide.substr(wide.size() - 18, 15);
    if (beyond == "500000000000000" || beyond == "499999999999999") {
        const std::string down = digitsOf(v, 34, point, MPFR_RNDZ);
        if ((down.back() - '0') % 2 == 0) {
            return fromDigits(down, point);
        }
        const std::string up = digitsOf(v, 34, point, MPFR_RNDA);
        return fromDigits(up, point);
    }
    const std::string nearest = digitsOf(v, 34, point);
    return fromDigits(nearest, point);
}

// Whether v is a decimal of at most 34 digits, within the reference's own rounding.
bool fitsIn34(const Real& v) {
    if (v == 0 || !isfinite(v)) {
        return true;
    }
    mpfr_exp_t point = 0;
    const std::string wide = digitsOf(v, 52, point);
    const std::string beyond = wide.substr(wide.size() - 18, 15);
    return beyond == "000000000000000" || beyond == "999999999999999";
}

class Reference {
  public:
    Reference(std::string_view text, bool degrees, Val x, bool piIsHalfTurn = false)
        : m_text(text), m_degrees(degrees), m_x(std::move(x)), m_piIsHalfTurn(piIsHalfTurn) {}

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
            // What is typed is held exactly (the generator types fewer than 34 digits).
            return {Real(std::string(m_text.substr(start, m_pos - start))), 0, 0};
        }
        if (m_text.substr(m_pos).starts_with("pi")) {
            m_pos += 2;
            return m_piIsHalfTurn ? Val{180, 0, 0} : Val{kPi, 0, 0};
        }
        if (c == 'e') {
            ++m_pos;
            return {kE, 0, 0};
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

    static Val checked(Val r) {
        if (r.failures != 0) {
            return r;
        }
        const Real magnitude = abs(r.v);
        if (magnitude > kLargest) {
            if (magnitude - 2 * r.err <= kLargest) {
                throw Unsure{};
            }
            r.failures = bit(Failure::TooLarge);
        } else if (magnitude < kSmallest) {
            r.err += kSmallest;  // the engine's smallest decimals have fewer digits
        }
        return r;
    }

    static Val failed(const Val& a, const Val& b, unsigned more = 0) {
        return {0, 0, a.failures | b.failures | more};
    }

    // The result of one correctly rounded operation of the engine, from the exact value and
    // the error its inputs carry: from exact inputs, exactly the value rounded to 34 digits.
    static Val rounded(const Real& v, const Real& in) {
        if (in != 0) {
            return checked({v, in + kEps / 2 * abs(v), 0});
        }
        return checked({decimal34(v), 0, 0});
    }

    static Val add(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        return rounded(a.v + b.v, a.err + b.err);
    }

    static Val multiply(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        return rounded(a.v * b.v, abs(a.v) * b.err + abs(b.v) * a.err + a.err * b.err);
    }

    static Val divide(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        if (b.v == 0 && b.err == 0) {
            return failed(a, b, bit(Failure::DivisionByZero));
        }
        if (abs(b.v) <= 2 * b.err) {
            throw Unsure{};
        }
        const Real v = a.v / b.v;
        return rounded(v, (a.err + abs(v) * b.err) / (abs(b.v) - b.err));
    }

    // How far a power may move when its base and exponent carry errors: a factor, e to the
    // relative error of the base times the exponent. Once that is no longer small, the
    // engine's rounding decides the value (1 to a huge power stays 1 where the exact value
    // underflows), and the reference does not tell.
    static Real carried(const Real& v, const Val& a, const Val& b) {
        const Real relative = abs(b.v) * a.err / abs(a.v) + abs(log(abs(a.v))) * b.err;
        if (relative > Real("0.5")) {
            throw Unsure{};
        }
        return abs(v) * expm1(relative);
    }

    static Val power(const Val& a, const Val& b) {
        if (a.failures | b.failures) {
            return failed(a, b);
        }
        if (a.v == 0 && a.err == 0) {
            if (b.err != 0 && abs(b.v) <= b.err) {
                throw Unsure{};
            }
            if (b.v < 0) {
                return failed(a, b, bit(Failure::DivisionByZero));
            }
            return {b.v == 0 ? 1 : 0, 0, 0};
        }
        if (abs(a.v) <= 2 * a.err) {
            throw Unsure{};
        }
        if (a.v < 0 && b.err != 0 && abs(b.v - rint(b.v)) <= 2 * b.err + kEps * abs(b.v)) {
            throw Unsure{};  // whether the engine's exponent is a whole number
        }
        // Repeated squaring rounds once for each product; the library's power is as close.
        const Real steps = 2 * mpfr::max(Real(1), log2(abs(b.v) + 1)) + 2;
        if (isint(b.v) && b.err == 0) {
            // Exact when the power fits in 34 digits: then so does every square on the way.
            const Real v = pow(a.v, b.v);
            if (a.err == 0 && fitsIn34(v)) {
                return checked({decimal34(v), 0, 0});
            }
            return checked({v, carried(v, a, b) + steps * kEps * abs(v), 0});
        }
        Real v = 0;
        if (a.v < 0) {
            // A real root only for a fraction with an odd denominator up to 99, recognised
            // to within four units in the 34th digit while the exponent is below 1E+20.
            std::optional<Real> numerator;
            int q = 1;
            for (; q <= 99 && !numerator && abs(b.v) < kFractionLimit; ++q) {
                const Real scaled = b.err == 0 ? decimal34(b.v * q) : b.v * q;
                const Real p = rint(scaled);
                const Real off = abs(scaled - p);
                const Real window = 4 * kEps * abs(p);
                if (abs(off - window) <= 2 * q * b.err + kEps * kEps * abs(p)) {
                    throw Unsure{};
                }
                if (p != 0 && off <= window) {
                    numerator = p;
                }
            }
            if (!numerator || (q - 1) % 2 == 0) {
                return failed(a, b, bit(Failure::OutsideDomain));
            }
            v = pow(-a.v, b.v);
            if (fmod(*numerator, 2) != 0) {
                v = -v;
            }
        } else {
            v = pow(a.v, b.v);
        }
        return checked({v, carried(v, a, b) + (kLibrary + steps * kEps) * abs(v), 0});
    }

    // Angles with rational sines and tangents are exact: in degrees the whole multiples of
    // 30 and 45, in radians the quarter turns to within a few units in the 34th digit.
    struct Angle {
        int twelfths = -1;
        int eighths = -1;
        Real radians = 0;
        Real err = 0;
    };

    static int wholeSteps(const Real& r, int step, int count) {
        const Real steps = r / step;
        if (!isint(steps)) {
            return -1;
        }
        return static_cast<int>((fmod(steps, count).toLong() + count) % count);
    }

    Angle angle(const Val& a) const {
        if (m_degrees) {
            const Real r = fmod(a.v, 360);
            if (a.err == 0) {
                const int twelfths = wholeSteps(r, 30, 12);
                const int eighths = wholeSteps(r, 45, 8);
                if (twelfths >= 0 || eighths >= 0) {
                    return {twelfths, eighths, r * kTruePi / 180, 2 * kEps * abs(r)};
                }
            } else if (abs(r - 15 * rint(r / 15)) <= 2 * a.err) {
                throw Unsure{};  // near an angle the engine may take as exact
            }
            // The engine folds the angle next to the nearest zero or pole before it turns it
            // into radians, so the rounding of that turn is relative to the distance.
            const Real nearest = abs(r - 90 * rint(r / 90));
            return {-1, -1, r * kTruePi / 180, (a.err + 2 * kEps * nearest) * kTruePi / 180};
        }
        if (a.v == 0 && a.err == 0) {
            return {0, 0, 0, 0};
        }
        if (abs(a.v) <= 2 * a.err) {
            throw Unsure{};
        }
        if (abs(a.v) < kFarOut) {
            const Real k = rint(a.v / kQuarterTurn);
            const Real off = abs(a.v - k * kQuarterTurn);
            const Real window = 4 * kEps * abs(a.v);
            if (k != 0 && abs(off - window) <= 2 * a.err + 2 * kEps * abs(a.v)) {
                throw Unsure{};
            }
            if (k != 0 && off <= window) {
                const int q = static_cast<int>((fmod(k, 4).toLong() + 4) % 4);
                return {3 * q, 2 * q, 0, 0};
            }
        }
        return {-1, -1, a.v, a.err};
    }

    Val function(char code, char second, const Val& a) const {
        if (a.failures) {
            return a;
        }
        const auto outside = [] { return Val{0, 0, bit(Failure::OutsideDomain)}; };
        const auto arc = [this](const Real& radians, const Real& err) {
            const Real scale = m_degrees ? 180 / kTruePi : Real(1);
            return Val{radians * scale, (err + kLibrary * abs(radians)) * scale, 0};
        };
        if (code == 'S' && second == 'Q') {
            // Near 0 the engine's decimal may fall on either side of it.
            if (a.err > 0 && abs(a.v) <= 2 * a.err) {
                throw Unsure{};
            }
            if (a.v < 0) {
                return outside();
            }
            const Real v = sqrt(a.v);
            const Real in = v > 0 ? mpfr::min(a.err / (2 * v), sqrt(a.err)) : sqrt(a.err);
            return rounded(v, in);
        }
        if (code == 'A' && second == 't') {
            if (m_degrees && a.err == 0 && abs(a.v) == 1) {
                return {45 * a.v, 0, 0};
            }
            return arc(atan(a.v), a.err / (1 + a.v * a.v));
        }
        if (m_degrees && abs(a.v) >= kHugeDegrees) {
            throw Unsure{};
        }
        if (code == 'A') {
            if (a.err > 0 && abs(abs(a.v) - 1) <= 2 * a.err) {
                throw Unsure{};
            }
            if (abs(a.v) > 1) {
                return outside();
            }
            const bool sine = second == 's';
            if (m_degrees && a.err == 0 && isint(2 * a.v)) {
                const Real asinDegrees = 2 * a.v == 1 || 2 * a.v == -1 ? 30 * 2 * a.v : 90 * a.v;
                return {sine ? asinDegrees : 90 - asinDegrees, 0, 0};
            }
            const Real radians = sine ? asin(a.v) : acos(a.v);
            return arc(radians, a.err == 0 ? Real(0) : a.err / sqrt(1 - a.v * a.v));
        }
        const Angle t = angle(a);
        static constexpr int kIrrational = 9;
        static constexpr int kSineHalves[12] = {0, 1,  kIrrational, 2,  kIrrational, 1,
                                                0, -1, kIrrational, -2, kIrrational, -1};
        static constexpr int kTangent[4] = {0, 1, kIrrational, -1};
        if (code == 'S' || code == 'C') {
            const int k = t.twelfths < 0 ? -1 : (t.twelfths + (code == 'C' ? 3 : 0)) % 12;
            if (k >= 0 && kSineHalves[k] != kIrrational) {
                return {Real(kSineHalves[k]) / 2, 0, 0};
            }
        } else if (t.eighths >= 0) {
            const int k = code == 'T' ? t.eighths % 4 : (10 - t.eighths % 4) % 4;
            return kTangent[k] == kIrrational ? outside() : Val{kTangent[k], 0, 0};
        }
        if (t.err > Real("1E-20")) {
            throw Unsure{};  // a huge angle: the engine's rounding moves it too far to tell
        }
        Real v = 0;
        Real slope = 1;
        switch (code) {
            case 'S':
                v = sin(t.radians);
                break;
            case 'C':
                v = cos(t.radians);
                break;
            case 'T':
                v = tan(t.radians);
                slope = 1 + v * v;
                break;
            default:
                v = 1 / tan(t.radians);
                slope = 1 + v * v;
                break;
        }
        const Real reduction = m_degrees ? Real(0) : kReduction * abs(t.radians);
        return checked({v, slope * (t.err + reduction) + 2 * kLibrary * abs(v), 0});
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
    if (!result.ok()) {
        return {Verdict::Differ, "engine " + describe(result) + ", reference a value"};
    }
    const Real value(result.numberText);
    const Real tolerance = 4 * expected.err + 4 * kEps * abs(expected.v) + Real("1E-300");
    if (abs(value - expected.v) > tolerance) {
        return {Verdict::Differ, "engine " + describe(result) + ", reference " +
                                     expected.v.toString(40) + " within " + tolerance.toString(3)};
    }
    // The caption, where every value within the reference's bound shows the same one.
    const auto caption = [](const Real& v) {
        mpfr_exp_t point = 0;
        const std::string digits = digitsOf(v, 50, point);
        const bool negative = digits[0] == '-';
        const std::string text = (negative ? "-0." : "0.") + digits.substr(negative ? 1 : 0) + "E" +
                                 std::to_string(point);
        return resultCaption(v == 0 ? "0" : text, 5);
    };
    const std::string expectedCaption = caption(expected.v);
    if (caption(expected.v - tolerance) != expectedCaption ||
        caption(expected.v + tolerance) != expectedCaption) {
        return {Verdict::Agree, {}, false};
    }
    const std::string shown = resultCaption(result.numberText, 5);
    if (shown != expectedCaption) {
        return {Verdict::Differ, "caption " + shown + ", reference " + expectedCaption};
    }
    return {Verdict::Agree, {}, true};
}

}  // namespace numira::keyed
