#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/function_names.h"
#include "engine/implied_exponent.h"
#include "engine/number_text.h"

namespace numira {
namespace {

// pi, e and x go in as parenthesised numbers, so that they multiply where they meet.
constexpr std::string_view kPiValue = "(3.1415926535897932384626433832795)";
constexpr std::string_view kDegreesPiValue = "(180)";  // half a turn, when x is "pi"
constexpr std::string_view kEValue = "(2.718281828459045)";
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// How a Tiny value is written between the passes: a number text that reads as 0 but is not
// the text of a zero, so that the next scan knows it for what it is.
constexpr std::string_view kTinyText = "1E-999";

// A number text of a nonzero value beyond the double range at the small end ("1E-400").
bool isTinyText(std::string_view text) {
    const std::string_view mantissa = text.substr(0, text.find('E'));
    return mantissa.find_first_of("123456789") != std::string_view::npos && readNumber(text) == 0.0;
}

// An operand of a pass: its value, and whether that 0 stands for a nonzero value that
// underflowed.
struct Operand {
    double value;
    bool tiny;
    bool nonzero() const { return value != 0 || tiny; }
};

[[noreturn]] void fail(Failure failure) {
    throw EvalError{failure};
}

bool isNumberStart(char c) {
    return isDigit(c) || c == '.';
}

// Replaces every occurrence of `from`, left to right, without searching inserted text again.
void replaceAll(std::string& text, std::string_view from, std::string_view to, std::string& scratch,
                std::size_t start = 0) {
    std::size_t pos = text.find(from, start);
    if (pos == std::string::npos) {
        return;
    }
    scratch.assign(text, 0, start);
    std::size_t done = start;
    while (pos != std::string::npos) {
        scratch.append(text, done, pos - done).append(to);
        done = pos + from.size();
        pos = text.find(from, done);
    }
    scratch.append(text, done);
    text.swap(scratch);
}

// Makes a "*" explicit wherever two operands meet: after a digit, "." or ")" before "(" or a
// function name, and after ")" before a digit or ".". pi, e and x are parenthesised numbers
// by now, so this covers them too.
void insertImpliedMultiplication(std::string& text, std::string& scratch) {
    scratch.clear();
    scratch.reserve(text.size() + text.size() / 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i > 0) {
            const char prev = text[i - 1];
            const bool prevOperand = isDigit(prev) || prev == '.' || prev == ')';
            const bool startsFactor =
                c == '(' || ((c == 'S' || c == 'C' || c == 'T' || c == 'A') &&
                             functionNameAt(std::string_view(text).substr(i)) > 0);
            const bool startsNumberAfterParen = prev == ')' && (isDigit(c) || c == '.');
            if ((prevOperand && startsFactor) || startsNumberAfterParen) {
                scratch += '*';
            }
        }
        scratch += c;
    }
    text.swap(scratch);
}

// Folds every run of signs at the start of a segment. A "-" right after a number subtracts
// the whole term after it, powers included, so it becomes an addition of minus one times
// that term; the rest of the run, and a run anywhere else, is the sign of what follows, a
// "-" for an odd count of minus signs and nothing otherwise: "5--3" is 8, "2*-+3" is -6,
// "2*2^3" may come back as "2*+8". A run at the end is left for the passes to refuse.
// The first sign that folding would change, or npos: most segments only add.
std::size_t firstFold(std::string_view text) {
    for (std::size_t i = text.find_first_of("+-"); i != std::string_view::npos;
         i = text.find_first_of("+-", i + 1)) {
        const char prev = i > 0 ? text[i - 1] : '\0';
        const bool afterOperand = isDigit(prev) || prev == '.' || prev == 'E';
        const bool more = i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
        if (more || (text[i] == '-' ? isDigit(prev) || prev == '.' : !afterOperand)) {
            return i;
        }
    }
    return std::string_view::npos;
}

void foldSigns(std::string& text, std::string& scratch) {
    std::size_t i = firstFold(text);
    if (i == std::string::npos) {
        return;
    }
    scratch.assign(text, 0, i);
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const char prev = i > 0 ? text[i - 1] : '\0';
        if ((c != '+' && c != '-') || prev == 'E') {
            scratch += c;  // after "E" comes the sign of a number's exponent
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && (text[end] == '+' || text[end] == '-')) {
            ++end;
        }
        if (end == text.size()) {
            scratch.append(text, i, end - i);
            break;
        }
        if (isDigit(prev) || prev == '.') {
            scratch += c == '-' ? "+-1*" : "+";
            ++i;
        }
        if (std::count(text.begin() + static_cast<std::ptrdiff_t>(i),
                       text.begin() + static_cast<std::ptrdiff_t>(end), '-') %
                2 ==
            1) {
            scratch += '-';
        }
        i = end - 1;
    }
    text.swap(scratch);
}

// An angle that is a whole number of quarter turns has exact sine, cosine and tangent:
// SIN(180) in degrees and SIN(pi) in radians are 0, TAN(90) and TAN(pi/2) have no value.
struct QuarterTurn {
    bool exact;
    int quarter;     // 0 to 3 when exact
    double radians;  // the angle otherwise
};

QuarterTurn reduceDegrees(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    const double quarters = std::trunc(r / 90.0);
    if (quarters * 90.0 == r) {
        const int q = static_cast<int>(quarters);
        return {true, (q % 4 + 4) % 4, 0.0};
    }
    return {false, 0, r * kRadiansPerDegree};
}

// pi is not a double, so a multiple of pi/2 reached through it lands a few units in the last
// place away from the true one; that close, it is the multiple. Far out, where a unit in the
// last place is no longer small beside a quarter turn, every angle is taken as it is.
QuarterTurn reduceRadians(double radians) {
    constexpr long double kQuarter = std::numbers::pi_v<long double> / 2;
    constexpr double kFarOut = 1e9;
    constexpr long double kClose = 4 * std::numeric_limits<double>::epsilon();
    if (radians == 0) {
        return {true, 0, 0.0};
    }
    // Most angles are nowhere near a quarter turn; the double arithmetic tells them apart.
    const double roughQuarters = radians * (2 / std::numbers::pi);
    if (std::abs(radians) < kFarOut &&
        std::abs(roughQuarters - std::nearbyint(roughQuarters)) < 1e-6) {
        const long double quarters = std::nearbyint(radians / kQuarter);
        if (quarters != 0 &&
            std::abs(radians - quarters * kQuarter) <= kClose * std::abs(radians)) {
            const auto q = static_cast<int>(static_cast<long long>(quarters) % 4);
            return {true, (q + 4) % 4, 0.0};
        }
    }
    return {false, 0, radians};
}

QuarterTurn reduce(double angle, bool degrees) {
    return degrees ? reduceDegrees(angle) : reduceRadians(angle);
}

double finite(double value, Failure whenInfinite, Failure whenNaN) {
    if (std::isnan(value)) {
        fail(whenNaN);
    }
    if (std::isinf(value)) {
        fail(whenInfinite);
    }
    return value;
}

double sine(double a, bool degrees) {
    const QuarterTurn t = reduce(a, degrees);
    constexpr double kExact[] = {0, 1, 0, -1};
    return t.exact ? kExact[t.quarter] : std::sin(t.radians);
}

double cosine(double a, bool degrees) {
    const QuarterTurn t = reduce(a, degrees);
    constexpr double kExact[] = {1, 0, -1, 0};
    return t.exact ? kExact[t.quarter] : std::cos(t.radians);
}

double tangent(double a, bool degrees) {
    const QuarterTurn t = reduce(a, degrees);
    if (t.exact) {
        if (t.quarter % 2 == 1) {
            fail(Failure::OutsideDomain);
        }
        return 0;
    }
    return std::tan(t.radians);
}

double cotangent(double a, bool degrees) {
    const QuarterTurn t = reduce(a, degrees);
    if (t.exact) {
        if (t.quarter % 2 == 0) {
            fail(Failure::OutsideDomain);
        }
        return 0;
    }
    const double tan = std::tan(t.radians);
    if (tan == 0) {
        fail(Failure::OutsideDomain);
    }
    return finite(1.0 / tan, Failure::TooLarge, Failure::OutsideDomain);
}

double arcResult(double radians, bool degrees) {
    return degrees ? radians * kDegreesPerRadian : radians;
}

// A negative number has a real power when the exponent is, to within its rounding, a whole
// number or a fraction with an odd denominator: (-8)^(1/3) is -2, (-8)^(2/3) is 4.
// Denominators up to kLargestDenominator are recognised; an even one has no real root.
// Beyond kFractionLimit the rounding of an exponent is wider than the gaps between such
// fractions, so none is recognised there.
constexpr int kLargestDenominator = 99;
constexpr double kFractionLimit = 4294967296.0;

double negativeBasePower(double base, double exponent) {
    for (int q = 1; q <= kLargestDenominator && std::abs(exponent) < kFractionLimit; ++q) {
        const double scaled = exponent * q;
        const double p = std::nearbyint(scaled);
        if (p != 0 &&
            std::abs(scaled - p) <= 4 * std::numeric_limits<double>::epsilon() * std::abs(p)) {
            if (q % 2 == 0) {
                break;
            }
            const double magnitude = std::pow(-base, exponent);
            return std::fmod(p, 2.0) == 0 ? magnitude : -magnitude;
        }
    }
    fail(Failure::OutsideDomain);
}

double power(double base, double exponent) {
    if (base == 0 && exponent < 0) {
        fail(Failure::DivisionByZero);
    }
    const double result = base < 0 && std::isfinite(exponent) && exponent != std::trunc(exponent)
                              ? negativeBasePower(base, exponent)
                              : std::pow(base, exponent);
    return finite(result, Failure::TooLarge, Failure::OutsideDomain);
}

}  // namespace

Evaluation Engine::evaluate(std::string_view expression, const EngineSettings& settings) {
    workExpr.assign("=").append(expression);
    return Presmetni(settings);
}

Evaluation Engine::Presmetni(const EngineSettings& settings) {
    Evaluation result;
    if (workExpr.size() <= 1) {
        return result;
    }
    result.evaluated = true;
    try {
        Preobrazi(settings);
        workExpr.erase(0, 1);
        for (const FunctionCode& f : kFunctionCodes) {
            replaceAll(workExpr, f.name, std::string_view(&f.code, 1), m_buffer);
        }
        // The power key can leave a "^" with nothing after it at the end.
        while (!workExpr.empty() && workExpr.back() == '^') {
            workExpr.pop_back();
        }
        // Nothing before the innermost "(" changes, so each search starts there.
        std::size_t from = 0;
        for (;;) {
            const std::size_t close = workExpr.find(')', from);
            const bool finalPass = close == std::string::npos;
            if (finalPass) {
                innerExpr = workExpr;
            } else {
                const std::size_t open = workExpr.rfind('(', close);
                if (open == std::string::npos) {
                    fail(Failure::InvalidExpression);
                }
                innerExpr.assign(workExpr, open + 1, close - open - 1);
                bracketedExpr.assign("(").append(innerExpr).append(")");
                from = open;
            }
            reduceSegment(settings);
            clearTokens();
            if (finalPass) {
                // A value too small for a double is shown as the 0 it reads as.
                result.numberText = isTinyText(innerExpr) ? "0" : innerExpr;
                return result;
            }
            // Identical parenthesised segments have the same value: replace them together.
            replaceAll(workExpr, bracketedExpr, innerExpr, m_buffer, from);
        }
    } catch (const EvalError& error) {
        clearTokens();
        result.failure = error.failure;
        return result;
    }
}

void Engine::Preobrazi(const EngineSettings& settings) {
    replaceAll(workExpr, ",", ".", m_buffer);
    // What is raised together is one exponent: 2^3pi is 2 to the power of 3pi.
    if (workExpr.find('^') != std::string::npos) {
        workExpr = groupImpliedExponents(workExpr);
    }
    if (workExpr.find('x') != std::string::npos) {
        if (!settings.xEntryMode || settings.xValue.empty()) {
            fail(Failure::XHasNoValue);
        }
        // The value of x goes in as a parenthesised number, so that x^2 at -3 is 9 and 2x at
        // 3 is 6; a "pi" in it is half a turn in the chosen unit.
        std::string value = "(";
        value.append(settings.xValue).append(")");
        replaceAll(value, ",", ".", m_buffer);
        replaceAll(value, "pi", settings.degreesMode ? kDegreesPiValue : kPiValue, m_buffer);
        replaceAll(workExpr, "x", value, m_buffer);
    }
    replaceAll(workExpr, "pi", kPiValue, m_buffer);
    replaceAll(workExpr, "e", kEValue, m_buffer);
    insertImpliedMultiplication(workExpr, m_buffer);
}

void Engine::reduceSegment(const EngineSettings& settings) {
    foldSigns(innerExpr, m_buffer);
    const bool degrees = settings.degreesMode;
    // A group whose code or operator is absent would only scan and merge the text back. The
    // passes write back only numbers, so what is absent now stays absent.
    std::array<bool, 128> present{};
    for (const char c : innerExpr) {
        present[static_cast<unsigned char>(c) & 127] = true;
    }
    const auto group = [this, &present](char code, auto&& work) {
        if (!present[static_cast<unsigned char>(code)]) {
            return;
        }
        Smasiv();
        work();
        Obedini();
    };
    group('S', [&] { SSIN(degrees); });
    group('C', [&] { CCOS(degrees); });
    group('T', [&] { TTAN(degrees); });
    group('G', [&] { CCOTAN(degrees); });
    group('N', [&] { ATTAN(degrees); });
    group('A', [&] { ASSIN(degrees); });
    group('B', [&] { ACCOS(degrees); });
    group('K', [&] { SSQRT(); });
    group('^', [&] { Stepenn(); });
    group('/', [&] { Delene(); });
    group('*', [&] { Umnovenie(); });
    Smasiv();
    IzvadiSyberi();
}

void Engine::Smasiv() {
    const std::size_t n = innerExpr.size();
    // The row only grows; a scan starts from a row that holds nothing.
    clearTokens();
    if (tokens.size() < 2 * n + 2) {
        tokens.resize(2 * n + 2);
    }
    std::size_t cursor = 1;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = innerExpr[i];
        Token& current = tokens[cursor];
        // After "E" comes the exponent's sign.
        if (isNumberChar(c) || current.last == 'E') {
            // The characters of one token always stand together in the text.
            if (current.kind == Token::Kind::Empty) {
                current = Token{Token::Kind::Text, c, static_cast<std::uint32_t>(i), 1, 0};
            } else {
                ++current.length;
                current.last = c;
            }
            continue;
        }
        ++cursor;
        tokens[cursor] = Token{Token::Kind::Text, c, static_cast<std::uint32_t>(i), 1, 0};
        // Keep a position free for the number that should follow, unless a "-" follows:
        // that "-" moves on by itself.
        if (c != '-' && (i + 1 >= n || innerExpr[i + 1] != '-')) {
            ++cursor;
        }
    }
    m_used = std::min(cursor + 1, tokens.size());
}

void Engine::Obedini() {
    // Every "-" here is a sign: the segment's subtractions became additions before the
    // passes. The signs before a token fold into one, and into the number that follows, so
    // that "-" before the negative value of a function, or the "+" a power leaves after
    // "*", never reaches the next scan as a token of its own.
    m_buffer.clear();
    bool pending = false;
    bool negative = false;
    const auto afterOperand = [this] {
        return !m_buffer.empty() && isNumberStart(m_buffer.back());
    };
    for (std::size_t i = 1; i < m_used; ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Kind::Empty) {
            continue;
        }
        if (token.kind == Token::Kind::Plus || isChar(i, '+') || isChar(i, '-')) {
            pending = true;
            negative = negative != (token.last == '-');
            continue;
        }
        if (token.kind == Token::Kind::Value) {
            const double value = negative ? -token.value : token.value;
            if (!(value < 0) && afterOperand()) {
                m_buffer += '+';
            }
            appendExactNumber(m_buffer, value);
        } else if (token.kind == Token::Kind::Tiny) {
            if (negative) {
                m_buffer += '-';
            } else if (afterOperand()) {
                m_buffer += '+';
            }
            m_buffer += kTinyText;
        } else {
            std::string_view text = std::string_view(innerExpr).substr(token.begin, token.length);
            const bool number = isNumberStart(text[0]) || (text[0] == '-' && text.size() > 1);
            if (number && text[0] == '-') {
                text.remove_prefix(1);
                negative = !negative;
            }
            if (negative) {
                m_buffer += '-';
            } else if ((number || pending) && afterOperand()) {
                m_buffer += '+';
            }
            m_buffer.append(text);
        }
        pending = negative = false;
    }
    if (negative) {
        m_buffer += '-';  // a sign with nothing after it, for the passes to refuse
    }
    innerExpr.swap(m_buffer);
    clearTokens();
}

void Engine::Stepenn() {
    for (std::size_t i = 1; i < m_used; ++i) {
        if (!isChar(i, '^')) {
            continue;
        }
        // The result replaces the right operand, so powers chain from left to right.
        const double baseValue = operand(i - 1);
        const Operand base{baseValue, baseValue == 0 && isTiny(i - 1)};
        const double exponent = operand(i + 1);
        if (base.tiny && exponent < 0) {
            fail(Failure::TooLarge);  // the true base is no zero, its reciprocal no double
        }
        const double result = power(base.value, exponent);
        setValue(i + 1, result, result == 0 && base.nonzero());
        tokens[i] = Token{Token::Kind::Plus, '+', 0, 1, 0};
        setEmpty(i - 1);
    }
}

template <typename F>
void Engine::binaryPass(char op, F&& f) {
    for (std::size_t i = 1; i < m_used; ++i) {
        if (!isChar(i, op)) {
            continue;
        }
        // An operator followed by the neutral "+" has its operand three positions on (the
        // skip gap). Anything else in the gap is no operand, and stepping over it would drop
        // what the user typed: then the empty position is read, and refused.
        const bool skipGap = isEmpty(i + 1) && isChar(i + 2, '+');
        const std::size_t right = skipGap ? i + 3 : i + 1;
        const auto at = [this](std::size_t position) {
            const double value = operand(position);
            return Operand{value, value == 0 && isTiny(position)};
        };
        const Operand left = at(i - 1);
        const Operand result = f(left, at(right));
        setValue(right, result.value, result.tiny);
        for (std::size_t k = i - 1; k < right; ++k) {
            setEmpty(k);
        }
    }
}

// A product or quotient of nonzero values that underflows stays Tiny.
void Engine::Delene() {
    binaryPass('/', [](Operand a, Operand b) {
        if (b.value == 0) {
            if (!b.tiny) {
                fail(Failure::DivisionByZero);
            }
            if (!a.nonzero()) {
                return Operand{0, false};
            }
            fail(Failure::TooLarge);  // the divisor is too small for a double, not zero
        }
        const double q = finite(a.value / b.value, Failure::TooLarge, Failure::InvalidExpression);
        return Operand{q, q == 0 && a.nonzero()};
    });
}

void Engine::Umnovenie() {
    binaryPass('*', [](Operand a, Operand b) {
        const double p = finite(a.value * b.value, Failure::TooLarge, Failure::InvalidExpression);
        return Operand{p, p == 0 && a.nonzero() && b.nonzero()};
    });
}

void Engine::IzvadiSyberi() {
    double sum = 0;
    bool tiny = false;  // a Tiny term and nothing else nonzero: the sum is Tiny
    for (std::size_t i = 1; i < m_used; ++i) {
        if (isEmpty(i) || isChar(i, '+')) {
            continue;
        }
        const double term = operand(i);
        tiny = sum == 0 && term == 0 && (tiny || isTiny(i));
        sum = finite(sum + term, Failure::TooLarge, Failure::InvalidExpression);
    }
    innerExpr.clear();
    if (tiny) {
        innerExpr = kTinyText;
    } else {
        appendExactNumber(innerExpr, sum);
    }
}

template <typename F>
void Engine::applyFunction(char code, F&& f) {
    for (std::size_t i = 1; i < m_used; ++i) {
        if (!isChar(i, code)) {
            continue;
        }
        setValue(i + 1, f(operand(i + 1)));
        setEmpty(i);
    }
}

void Engine::SSIN(bool degrees) {
    applyFunction('S', [degrees](double a) { return sine(a, degrees); });
}

void Engine::CCOS(bool degrees) {
    applyFunction('C', [degrees](double a) { return cosine(a, degrees); });
}

void Engine::TTAN(bool degrees) {
    applyFunction('T', [degrees](double a) {
        return finite(tangent(a, degrees), Failure::TooLarge, Failure::OutsideDomain);
    });
}

void Engine::CCOTAN(bool degrees) {
    applyFunction('G', [degrees](double a) { return cotangent(a, degrees); });
}

void Engine::ATTAN(bool degrees) {
    applyFunction('N', [degrees](double a) { return arcResult(std::atan(a), degrees); });
}

void Engine::ASSIN(bool degrees) {
    applyFunction('A', [degrees](double a) {
        if (a < -1 || a > 1) {
            fail(Failure::OutsideDomain);
        }
        return arcResult(std::asin(a), degrees);
    });
}

void Engine::ACCOS(bool degrees) {
    applyFunction('B', [degrees](double a) {
        if (a < -1 || a > 1) {
            fail(Failure::OutsideDomain);
        }
        return arcResult(std::acos(a), degrees);
    });
}

void Engine::SSQRT() {
    applyFunction('K', [](double a) {
        if (a < 0) {
            fail(Failure::OutsideDomain);
        }
        return std::sqrt(a);
    });
}

std::string Engine::tokenText(const Token& token) const {
    switch (token.kind) {
        case Token::Kind::Empty:
            return {};
        case Token::Kind::Plus:
            return "+";
        case Token::Kind::Value: {
            std::string text;
            appendExactNumber(text, token.value);
            return text;
        }
        case Token::Kind::Text:
            return innerExpr.substr(token.begin, token.length);
        case Token::Kind::Tiny:
            return std::string(kTinyText);
    }
    return {};
}

void Engine::clearTokens() {
    // The passes only write where the scan put something, so that is all there is to clear.
    std::fill(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(m_used), Token{});
    m_used = 0;
}

bool Engine::isEmpty(std::size_t position) const {
    return position >= tokens.size() || tokens[position].kind == Token::Kind::Empty;
}

bool Engine::isChar(std::size_t position, char c) const {
    if (position >= tokens.size()) {
        return false;
    }
    // Values and empty positions have no characters.
    const Token& token = tokens[position];
    return token.length == 1 && token.last == c;
}

double Engine::operand(std::size_t position) const {
    if (position == 0 || position >= tokens.size()) {
        fail(Failure::InvalidExpression);
    }
    const Token& token = tokens[position];
    switch (token.kind) {
        case Token::Kind::Value:
            return token.value;
        case Token::Kind::Text: {
            const std::optional<double> value =
                readNumber(std::string_view(innerExpr).substr(token.begin, token.length));
            if (!value) {
                fail(Failure::InvalidExpression);
            }
            return finite(*value, Failure::TooLarge, Failure::InvalidExpression);
        }
        case Token::Kind::Tiny:
            return 0;
        case Token::Kind::Empty:
        case Token::Kind::Plus:
            break;
    }
    fail(Failure::InvalidExpression);
}

bool Engine::isTiny(std::size_t position) const {
    const Token& token = tokens[position];
    return token.kind == Token::Kind::Tiny ||
           (token.kind == Token::Kind::Text &&
            isTinyText(std::string_view(innerExpr).substr(token.begin, token.length)));
}

void Engine::setValue(std::size_t position, double value, bool tiny) {
    tokens[position] =
        Token{tiny ? Token::Kind::Tiny : Token::Kind::Value, 0, 0, 0, tiny ? 0 : value};
}

void Engine::setEmpty(std::size_t position) {
    if (position < tokens.size()) {
        tokens[position] = Token{};
    }
}

}  // namespace numira
