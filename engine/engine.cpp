// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/function_names.h"
#include "engine/implied_exponent.h"
#include "engine/number_text.h"

namespace numira {
namespace {

// pi, e and x go in as parenthesised numbers, so that they multiply where they meet.
constexpr std::string_view kPiValue = "(3.141592653589793238462643383279503)";
constexpr std::string_view kDegreesPiValue = "(180)";  // half a turn, when x is "pi"
constexpr std::string_view kEValue = "(2.718281828459045235360287471352662)";

[[noreturn]] void fail(Failure failure) {
    throw EvalError{failure};
}

bool isNumberStart(char c) {
    return isDigit(c) || c == '.';
}

// Where a value stays a value between passes, the text holds this mark in its place.
constexpr char kMark = '\x01';

// Stands in the remembered rewriting of an expression for x's value.
constexpr char kXSpot = '\x02';

// An x value of digits, points, commas, signs and "E": no rewriting step reads into it or
// across the parentheses around it, so the rewriting at one such value is the rewriting at
// another with the value swapped (its commas as points).
bool spliceable(std::string_view xValue) {
    return !xValue.empty() && std::all_of(xValue.begin(), xValue.end(), [](char c) {
        return isDigit(c) || c == '.' || c == ',' || c == '-' || c == '+' || c == 'E';
    });
}

// A number ends here: its last digit, its point, or the mark of a value.
bool endsOperand(char c, bool marking) {
    return isNumberStart(c) || (marking && c == kMark);
}

// The scan reads a mark as a value where a number's first digit would start a token: not
// after a number's character, nor after a sign an "E" takes as its exponent's.
bool markFits(std::string_view text, std::size_t at) {
    return at == 0 || (!isNumberChar(text[at - 1]) && text[at - 1] != kMark &&
                       (at < 2 || text[at - 2] != 'E'));
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
    std::size_t done = 0;  // the text before this has gone over
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        const char prev = text[i - 1];
        const bool prevOperand = isDigit(prev) || prev == '.' || prev == ')';
        if (!prevOperand) {
            continue;
        }
        const bool startsFactor =
            c == '(' ||
            (isFunctionInitial(c) && functionNameAt(std::string_view(text).substr(i)) > 0);
        const bool startsNumberAfterParen = prev == ')' && (isDigit(c) || c == '.');
        if (startsFactor || startsNumberAfterParen) {
            scratch.append(text, done, i - done).append(1, '*');
            done = i;
        }
    }
    if (done == 0) {
        return;  // nothing was implied
    }
    scratch.append(text, done);
    text.swap(scratch);
}

// Whether coding `f` where `text` starts with its name, in one pass from the left, could
// differ from coding the names one after another, each everywhere: when a name coded before
// it starts inside it ("COSIN": "SIN" goes first and leaves "COS"), or when its code and
// what follows make a name coded after it ("Asincos" becomes "Acos").
bool codingOverlaps(const Function& f, std::string_view text) {
    for (std::size_t k = 1; k < f.name.size(); ++k) {
        if (!isFunctionInitial(f.name[k])) {
            continue;
        }
        for (const Function* other = kFunctions; other < &f; ++other) {
            if (startsWith(text.substr(k), other->name)) {
                return true;
            }
        }
    }
    if (isFunctionInitial(f.code)) {
        const std::string_view after = text.substr(f.name.size());
        for (const Function* other = &f + 1; other < std::end(kFunctions); ++other) {
            if (other->name.front() == f.code && startsWith(after, other->name.substr(1))) {
                return true;
            }
        }
    }
    return false;
}

// Puts each function's code in place of its name. The names are replaced one after another,
// each everywhere, so a code can complete a name replaced later: "COSIN" becomes "COS" and
// then "C", "Asincos" becomes "Acos". Without such a text no two names overlap, and one pass
// from the left finds the same ones.
void replaceFunctionNames(std::string& text, std::string& scratch) {
    scratch.clear();
    std::size_t done = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isFunctionInitial(text[i])) {
            continue;
        }
        const std::string_view rest = std::string_view(text).substr(i);
        const Function* f = functionAt(rest);
        if (f == nullptr) {
            continue;
        }
        if (codingOverlaps(*f, rest)) {
            for (const Function& each : kFunctions) {
                replaceAll(text, each.name, std::string_view(&each.code, 1), scratch);
            }
            return;
        }
        scratch.append(text, done, i - done).append(1, f->code);
        done = i + f->name.size();
        i = done - 1;
    }
    if (done > 0) {
        scratch.append(text, done);
        text.swap(scratch);
    }
}

// Folds every run of signs at the start of a segment. A "-" right after a number subtracts
// the whole term after it, powers included, so it becomes an addition of minus one times
// that term; the rest of the run, and a run anywhere else, is the sign of what follows, a
// "-" for an odd count of minus signs and nothing otherwise: "5--3" is 8, "2*-+3" is -6,
// "2*2^3" may come back as "2*+8". A run at the end is left for the passes to refuse.
// The first sign that folding would change, or npos: most segments only add.
std::size_t firstFold(std::string_view text, bool marking) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '+' && text[i] != '-') {
            continue;
        }
        const char prev = i > 0 ? text[i - 1] : '\0';
        const bool afterOperand = endsOperand(prev, marking) || prev == 'E';
        const bool more = i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
        if (more || (text[i] == '-' ? endsOperand(prev, marking) : !afterOperand)) {
            return i;
        }
    }
    return std::string_view::npos;
}

void foldSigns(std::string& text, std::string& scratch, bool marking) {
    std::size_t i = firstFold(text, marking);
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
        if (endsOperand(prev, marking)) {
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

// The constants as decimal128 holds them: 34 significant digits, correctly rounded.
Decimal128 constant(std::string_view text) {
    return *Decimal128::read(text);
}
const Decimal128 kRadiansPerDegree = constant("0.01745329251994329576923690768488613");
const Decimal128 kDegreesPerRadian = constant("57.29577951308232087679815481410517");
const Decimal128 kQuarterTurn = constant("1.570796326794896619231321691639751");
// The largest magnitude a double, and so a spreadsheet cell, holds: beyond it is "too large".
const Decimal128 kLargest = constant("1.797693134862315708145274237317044E+308");
// Four units in the 34th digit: how far a rounded multiple may stray from the true one.
const Decimal128 kClose = constant("4E-33");

Decimal128 finite(Decimal128 value, Failure whenInfinite, Failure whenNaN) {
    if (value.isNaN()) {
        fail(whenNaN);
    }
    if (!value.surelyBelow1E308() && abs(value) > kLargest) {
        fail(whenInfinite);
    }
    return value;
}

// An angle whose sine, cosine or tangent is a rational number has that value exactly:
// SIN(30) and COS(60) in degrees are 0.5, TAN(45) is 1, SIN(180) is 0, TAN(90) has no value.
// In degrees such an angle is a whole multiple of 30 or of 45, told exactly in decimal. In
// radians only the quarter turns are recognised, within the rounding of pi.
struct Angle {
    int twelfths = -1;  // the angle in twelfths of a turn (0 to 11) when whole, else -1
    int eighths = -1;   // in eighths of a turn (0 to 7) when whole, else -1
    bool degrees = false;
    Decimal128 value;  // in degrees, from -180 to 180; or in radians
};

const Decimal128 k90 = Decimal128::fromInt(90);
const Decimal128 k180 = Decimal128::fromInt(180);
const Decimal128 k360 = Decimal128::fromInt(360);

// The multiple of `step` that `angle` is, modulo `count`, or -1 when it is not one.
int wholeSteps(Decimal128 angle, int step, int count) {
    if (const std::optional<Decimal128::Whole> w = angle.whole()) {
        if (!w->whole || w->value % step != 0) {
            return -1;
        }
        return static_cast<int>((w->value / step % count + count) % count);
    }
    const Decimal128 steps = angle / Decimal128::fromInt(step);
    if (!steps.isInteger() || !(steps * Decimal128::fromInt(step) == angle)) {
        return -1;
    }
    return static_cast<int>((remainder(steps, Decimal128::fromInt(count)).nearestInt64() + count) %
                            count);
}

Angle reduceDegrees(Decimal128 degrees) {
    // The remainder is exact in decimal, so no turn is lost however large the angle.
    Decimal128 r = remainder(degrees, k360);
    if (r > k180) {
        r = r - k360;
    } else if (r <= -k180) {
        r = r + k360;
    }
    return {wholeSteps(r, 30, 12), wholeSteps(r, 45, 8), true, r};
}

// The functions in degrees fold the angle next to the zero of the function, by differences
// that are exact in decimal, before turning it into radians: so an angle a hair from a zero
// keeps all its digits ("SIN(179.9999...)", "TAN(359.9999...)").
Decimal128 sineOfDegrees(Decimal128 r) {  // r from -270 to 270
    if (r > k180) {
        r = r - k360;
    } else if (r < -k180) {
        r = r + k360;
    }
    if (r > k90) {
        r = k180 - r;
    } else if (r < -k90) {
        r = -k180 - r;
    }
    return sin(r * kRadiansPerDegree);
}

Decimal128 tangentOfDegrees(Decimal128 r) {  // r from -180 to 180, not a multiple of 90
    if (r > k90) {
        r = r - k180;
    } else if (r < -k90) {
        r = r + k180;
    }
    const Decimal128 one = Decimal128::fromInt(1);
    if (r > Decimal128::fromInt(45)) {
        return one / tan((k90 - r) * kRadiansPerDegree);
    }
    if (r < Decimal128::fromInt(-45)) {
        return -one / tan((k90 + r) * kRadiansPerDegree);
    }
    return tan(r * kRadiansPerDegree);
}

// pi is not a decimal either, so a multiple of pi/2 reached through it lands a few units in
// the 34th digit away from the true one; that close, it is the multiple. Far out, where
// those units are no longer small beside a quarter turn, every angle is taken as it is.
const Decimal128 kFarOut = constant("1E+15");

// Below this no angle is nearer a quarter turn than zero.
const Decimal128 kBelowEighthTurn = constant("0.78");

Angle reduceRadians(Decimal128 radians) {
    if (radians.isZero()) {
        return {0, 0, false, radians};
    }
    // The double tells an angle far from every quarter turn: its count of quarter turns is
    // off by a few parts in 1E+16 of itself, and the exact test looks far closer than that.
    const double estimate = radians.approximate() / 1.5707963267948966;
    if (std::abs(estimate - std::nearbyint(estimate)) > 1E-9 + 1E-14 * std::abs(estimate)) {
        return {-1, -1, false, radians};
    }
    if (abs(radians) >= kBelowEighthTurn && abs(radians) < kFarOut) {
        const Decimal128 quarters = nearestInteger(radians / kQuarterTurn);
        if (!quarters.isZero() && abs(radians - quarters * kQuarterTurn) <= kClose * abs(radians)) {
            const auto q = static_cast<int>((quarters.nearestInt64() % 4 + 4) % 4);
            return {3 * q, 2 * q, false, radians};
        }
    }
    return {-1, -1, false, radians};
}

Angle reduce(Decimal128 angle, bool degrees) {
    return degrees ? reduceDegrees(angle) : reduceRadians(angle);
}

// The sine of each twelfth of a turn that is rational, in halves; kIrrational elsewhere.
constexpr int kIrrational = 9;
constexpr int kSineHalves[12] = {0, 1,  kIrrational, 2,  kIrrational, 1,
                                 0, -1, kIrrational, -2, kIrrational, -1};

Decimal128 halves(int count) {
    return Decimal128::fromInt(count) / Decimal128::fromInt(2);
}

Decimal128 sine(Decimal128 a, bool degrees) {
    const Angle t = reduce(a, degrees);
    if (t.twelfths >= 0 && kSineHalves[t.twelfths] != kIrrational) {
        return halves(kSineHalves[t.twelfths]);
    }
    return t.degrees ? sineOfDegrees(t.value) : sin(t.value);
}

Decimal128 cosine(Decimal128 a, bool degrees) {
    const Angle t = reduce(a, degrees);
    if (t.twelfths >= 0 && kSineHalves[(t.twelfths + 3) % 12] != kIrrational) {
        return halves(kSineHalves[(t.twelfths + 3) % 12]);
    }
    return t.degrees ? sineOfDegrees(k90 - t.value) : cos(t.value);
}

// The tangent of each eighth of a turn; kIrrational marks a pole.
constexpr int kTangent[4] = {0, 1, kIrrational, -1};

Decimal128 tangent(Decimal128 a, bool degrees) {
    const Angle t = reduce(a, degrees);
    if (t.eighths >= 0) {
        if (kTangent[t.eighths % 4] == kIrrational) {
            fail(Failure::OutsideDomain);
        }
        return Decimal128::fromInt(kTangent[t.eighths % 4]);
    }
    return t.degrees ? tangentOfDegrees(t.value) : tan(t.value);
}

Decimal128 cotangent(Decimal128 a, bool degrees) {
    const Angle t = reduce(a, degrees);
    if (t.eighths >= 0) {
        // The cotangent is the tangent of the angle's complement.
        const int complement = kTangent[(10 - t.eighths % 4) % 4];
        if (complement == kIrrational) {
            fail(Failure::OutsideDomain);
        }
        return Decimal128::fromInt(complement);
    }
    const Decimal128 tan = tangent(a, degrees);
    if (tan.isZero()) {
        fail(Failure::OutsideDomain);
    }
    return finite(Decimal128::fromInt(1) / tan, Failure::TooLarge, Failure::OutsideDomain);
}

// An arc function at an argument whose angle is a whole multiple of 30 or 45 degrees gives
// that angle exactly in degrees: Asin(0.5) is 30, Acos(-1) is 180.
struct ExactArc {
    Decimal128 argument;
    int degrees;
};
const Decimal128 kHalf = constant("0.5");
const Decimal128 kOne = Decimal128::fromInt(1);
const ExactArc kExactAsin[] = {
    {Decimal128(), 0}, {kHalf, 30}, {kOne, 90}, {-kHalf, -30}, {-kOne, -90}};
const ExactArc kExactAcos[] = {
    {kOne, 0}, {kHalf, 60}, {Decimal128(), 90}, {-kHalf, 120}, {-kOne, 180}};
const ExactArc kExactAtan[] = {{Decimal128(), 0}, {kOne, 45}, {-kOne, -45}};

template <std::size_t N>
Decimal128 arcResult(Decimal128 argument, Decimal128 (*arc)(Decimal128), const ExactArc (&exact)[N],
                     bool degrees) {
    if (degrees) {
        for (const ExactArc& e : exact) {
            if (argument == e.argument) {
                return Decimal128::fromInt(e.degrees);
            }
        }
        return arc(argument) * kDegreesPerRadian;
    }
    return arc(argument);
}

// A whole power by repeated squaring: exact whenever the result fits in 34 digits, because
// then every square on the way does too.
Decimal128 wholePower(Decimal128 base, Decimal128 exponent) {
    constexpr std::int64_t kSquaringLimit = std::int64_t{1} << 62;
    if (abs(exponent) >= Decimal128::fromInt(kSquaringLimit)) {
        return pow(base, exponent);
    }
    const std::int64_t n = exponent.nearestInt64();
    auto bits = static_cast<std::uint64_t>(n < 0 ? -n : n);
    Decimal128 result = Decimal128::fromInt(1);
    for (Decimal128 square = base; bits != 0; bits >>= 1) {
        if ((bits & 1) != 0) {
            result = result * square;
        }
        if (bits > 1) {
            square = square * square;
        }
    }
    return n < 0 ? Decimal128::fromInt(1) / result : result;
}

// A negative number has a real power when the exponent is, to within its rounding, a whole
// number or a fraction with an odd denominator: (-8)^(1/3) is -2, (-8)^(2/3) is 4.
// Denominators up to kLargestDenominator are recognised; an even one has no real root.
// Beyond kFractionLimit the rounding of an exponent is wider than the gaps between such
// fractions, so none is recognised there.
constexpr int kLargestDenominator = 99;
const Decimal128 kFractionLimit = constant("1E+20");

Decimal128 negativeBasePower(Decimal128 base, Decimal128 exponent) {
    for (int q = 1; q <= kLargestDenominator && abs(exponent) < kFractionLimit; ++q) {
        const Decimal128 scaled = exponent * Decimal128::fromInt(q);
        const Decimal128 p = nearestInteger(scaled);
        if (!p.isZero() && abs(scaled - p) <= kClose * abs(p)) {
            if (q % 2 == 0) {
                break;
            }
            const Decimal128 magnitude = pow(-base, exponent);
            return remainder(p, Decimal128::fromInt(2)).isZero() ? magnitude : -magnitude;
        }
    }
    fail(Failure::OutsideDomain);
}

Decimal128 power(Decimal128 base, Decimal128 exponent) {
    if (base.isZero() && exponent.isNegative()) {
        fail(Failure::DivisionByZero);
    }
    Decimal128 result;
    if (exponent.isInteger()) {
        result = wholePower(base, exponent);
    } else if (base.isNegative()) {
        result = negativeBasePower(base, exponent);
    } else {
        result = pow(base, exponent);
    }
    return finite(result, Failure::TooLarge, Failure::OutsideDomain);
}

// A sign before a token (a "+", a "-" or the neutral "+" of the power pass): the signs in a
// row fold into one, which `negative` keeps until the token they stand before.
bool foldsSign(const Token& token, bool& pending, bool& negative) {
    if (token.length != 1 || (token.last != '+' && token.last != '-')) {
        return false;
    }
    pending = true;
    negative = negative != (token.last == '-');
    return true;
}

}  // namespace

Evaluation Engine::evaluate(std::string_view expression, const EngineSettings& settings) {
    if (settings.xEntryMode && spliceable(settings.xValue) &&
        expression.find('x') != std::string_view::npos &&
        expression.find(kXSpot) == std::string_view::npos) {
        if (!m_rewritten || m_rewrittenFrom != expression) {
            // Rewritten once with a stand-in for x's value; it cannot fail, x having one.
            workExpr.assign("=").append(expression);
            EngineSettings spot = settings;
            spot.xValue = std::string_view(&kXSpot, 1);
            rewrite(spot);
            m_rewrittenFrom.assign(expression);
            m_rewritten = std::move(workExpr);
            m_rewrittenMarking = m_marking;
        }
        workExpr.clear();
        std::size_t done = 0;
        for (std::size_t at = m_rewritten->find(kXSpot); at != std::string::npos;
             at = m_rewritten->find(kXSpot, done)) {
            workExpr.append(*m_rewritten, done, at - done);
            for (const char c : settings.xValue) {
                workExpr += c == ',' ? '.' : c;
            }
            done = at + 1;
        }
        workExpr.append(*m_rewritten, done);
        m_marking = m_rewrittenMarking;
        return reduceAll(settings, false);
    }
    workExpr.assign("=").append(expression);
    return Presmetni(settings);
}

Evaluation Engine::Presmetni(const EngineSettings& settings) {
    return reduceAll(settings, true);
}

void Engine::rewrite(const EngineSettings& settings) {
    Preobrazi(settings);
    // Decided after x's value is in: a mark typed in it would stand for no kept value.
    m_marking = workExpr.find(kMark) == std::string::npos;
    workExpr.erase(0, 1);
    replaceFunctionNames(workExpr, m_buffer);
    // The power key can leave a "^" with nothing after it at the end.
    while (!workExpr.empty() && workExpr.back() == '^') {
        workExpr.pop_back();
    }
}

Evaluation Engine::reduceAll(const EngineSettings& settings, bool rewriteFirst) {
    Evaluation result;
    if (rewriteFirst && workExpr.size() <= 1) {
        return result;
    }
    result.evaluated = true;
    m_values.clear();
    try {
        if (rewriteFirst) {
            rewrite(settings);
        }
        // One pass: each group is reduced when its ")" arrives, innermost first and left to
        // right, and its value takes its place at the end of the text built so far. Nothing
        // is searched twice, so the cost grows with the length alone.
        m_reduced.clear();
        m_opens.clear();
        for (std::size_t i = 0; i < workExpr.size(); ++i) {
            // The text up to the next parenthesis goes over as it is.
            std::size_t next = i;
            while (next < workExpr.size() && workExpr[next] != '(' && workExpr[next] != ')') {
                ++next;
            }
            m_reduced.append(workExpr, i, next - i);
            i = next;
            if (i == workExpr.size()) {
                break;
            }
            const char c = workExpr[i];
            if (c == '(') {
                m_opens.push_back(m_reduced.size());
                m_reduced += c;
                continue;
            }
            if (m_opens.empty()) {
                fail(Failure::InvalidExpression);
            }
            const std::size_t open = m_opens.back();
            m_opens.pop_back();
            innerExpr.assign(m_reduced, open + 1);
            const Decimal128 value = reduceSegment(settings);
            clearTokens();
            m_reduced.resize(open);
            // A number right after the ")" ("(2)E5") would join the value's digits.
            putValue(m_reduced, value, i + 1 >= workExpr.size() || !isNumberChar(workExpr[i + 1]));
        }
        workExpr.swap(m_reduced);
        innerExpr = workExpr;
        const Decimal128 value = reduceSegment(settings);
        clearTokens();
        innerExpr.clear();
        value.appendTo(innerExpr);
        result.numberText = innerExpr;
    } catch (const EvalError& error) {
        clearTokens();
        result.failure = error.failure;
    }
    m_marking = false;
    return result;
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

Decimal128 Engine::reduceSegment(const EngineSettings& settings) {
    // A group that is one number (x's value, pi, "(2.5)") scans as one token, which is its sum.
    if (std::all_of(innerExpr.begin(), innerExpr.end(),
                    [](char c) { return isNumberChar(c) || c == '-' || c == '+'; })) {
        if (const std::optional<Decimal128> number = Decimal128::read(innerExpr)) {
            return finite(*number, Failure::TooLarge, Failure::InvalidExpression);
        }
    }
    foldSigns(innerExpr, m_buffer, m_marking);
    const bool degrees = settings.degreesMode;
    // A group whose code or operator is absent would only scan and merge the text back. The
    // passes write back only numbers, so what is absent now stays absent.
    std::array<std::uint64_t, 2> present{};  // a bit for each character, its low 7 bits
    const auto bit = [](char c) {
        return static_cast<unsigned>(static_cast<unsigned char>(c) & 127);
    };
    const auto has = [&](char c) { return ((present[bit(c) >> 6] >> (bit(c) & 63)) & 1) != 0; };
    std::size_t marks = 0;
    bool marksFit = true;
    for (std::size_t i = 0; i < innerExpr.size(); ++i) {
        const char c = innerExpr[i];
        present[bit(c) >> 6] |= std::uint64_t{1} << (bit(c) & 63);
        if (m_marking && c == kMark) {
            ++marks;
            marksFit = marksFit && markFits(innerExpr, i) &&
                       (i + 1 == innerExpr.size() || !isNumberChar(innerExpr[i + 1]));
        }
    }
    // The segment's marks are the last values: those of the groups it encloses.
    m_firstValue = m_values.size() - marks;
    if (!marksFit) {
        // Folding the signs took away what stood between an "E" and a value ("2E-+(5)"): the
        // values go back as text, to be scanned as they would have been.
        std::size_t next = m_firstValue;
        m_buffer.clear();
        for (const char c : innerExpr) {
            if (c == kMark) {
                m_values[next++].appendTo(m_buffer);
            } else {
                m_buffer += c;
            }
        }
        innerExpr.swap(m_buffer);
        m_values.resize(m_firstValue);
    }
    Smasiv();
    // A row of numbers, operators and codes is joined and scanned again in place; anything
    // else takes the way through the text, whose scan decides what it becomes.
    // When every function code stands right before a number, a function pass changes only
    // its code and that number, which no other function pass reads: one joining after the
    // last of them lays the row out as one after each would.
    const RowShape shape = shapeOfRow();
    const bool plain = shape.plain;
    const bool functionsApart = shape.codesApart;
    bool joinPending = false;
    const auto join = [&] {
        if (plain) {
            compact();
        } else {
            merge(true);
            Smasiv();
        }
        joinPending = false;
    };
    const auto group = [&](char code, auto&& work) {
        if (!has(code)) {
            return;
        }
        const bool function = code != '^' && code != '/' && code != '*';
        // A product or quotient between two numbers standing together is the same before the
        // joining: a sign the joining would fold into its left operand can as well follow
        // it, and the value does not depend on how trailing zeros were kept.
        const bool together =
            (code == '/' || code == '*') && m_singlesValid && operandsAdjacent(code);
        if (joinPending && !(function && functionsApart) && !together) {
            join();
        }
        work();
        joinPending = true;
    };
    static_assert(std::all_of(std::begin(kFunctions), std::end(kFunctions),
                              [](const Function& f) { return f.code >= 'A' && f.code <= 'Z'; }),
                  "every function code is a capital letter");
    constexpr std::uint64_t kCapitals = ((std::uint64_t{1} << 26) - 1) << ('A' - 64);
    if ((present[1] & kCapitals) != 0) {
        for (const Function* f : kFunctionPasses) {
            group(f->code, [&] { applyFunction(*f, degrees); });
        }
    }
    group('^', [&] { Stepenn(); });
    // A product whose operands stood together before the division pass takes, for its right
    // operand, the quotient that replaced them: what the joining would put next to it.
    bool productsOverQuotients = false;
    group('/', [&] {
        productsOverQuotients = has('*') && m_singlesValid && operandsAdjacent('*');
        Delene();
    });
    if (productsOverQuotients) {
        joinPending = false;
    }
    group('*', [&] { multiply(productsOverQuotients); });
    // Numbers between "+" signs add up the same however they are laid out.
    if (joinPending && !(plain && onlyNumbersAndPluses())) {
        join();
    }
    const Decimal128 value = sum();
    m_values.resize(m_firstValue);
    return value;
}

void Engine::Smasiv() {
    const std::size_t n = innerExpr.size();
    // The row only grows; a scan starts from a row that holds nothing.
    clearTokens();
    if (tokens.size() < 2 * n + 2) {
        tokens.resize(2 * n + 2);
    }
    std::size_t cursor = 1;
    std::size_t nextValue = m_firstValue;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = innerExpr[i];
        Token& current = tokens[cursor];
        if (m_marking && c == kMark) {
            // A mark stands only where a number's first digit would, alone or after its "-".
            const bool negative =
                current.kind == Token::Kind::Text && current.length == 1 && current.last == '-';
            if ((current.kind != Token::Kind::Empty && !negative) || nextValue >= m_values.size()) {
                m_used = std::min(cursor + 1, tokens.size());  // for the clearing
                fail(Failure::InvalidExpression);
            }
            const Decimal128 value = m_values[nextValue++];
            setValue(cursor, negative ? -value : value);
            continue;
        }
        // After "E" comes the exponent's sign.
        if (isNumberChar(c) || current.last == 'E') {
            // The characters of one token always stand together in the text.
            if (current.kind == Token::Kind::Empty) {
                current = Token{Token::Kind::Text, c, static_cast<std::uint32_t>(i), 1, {}};
            } else {
                ++current.length;
                current.last = c;
            }
            continue;
        }
        ++cursor;
        tokens[cursor] = Token{Token::Kind::Text, c, static_cast<std::uint32_t>(i), 1, {}};
        // Keep a position free for the number that should follow, unless a "-" follows:
        // that "-" moves on by itself.
        if (c != '-' && (i + 1 >= n || innerExpr[i + 1] != '-')) {
            ++cursor;
        }
    }
    m_used = std::min(cursor + 1, tokens.size());
}

void Engine::merge(bool keepValues) {
    keepValues = keepValues && m_marking;
    if (keepValues) {
        m_values.resize(m_firstValue);
    }
    // Every "-" here is a sign: the segment's subtractions became additions before the
    // passes. The signs before a token fold into one, and into the number that follows, so
    // that "-" before the negative value of a function, or the "+" a power leaves after
    // "*", never reaches the next scan as a token of its own.
    m_buffer.clear();
    bool pending = false;
    bool negative = false;
    const auto afterOperand = [this] {
        return !m_buffer.empty() && endsOperand(m_buffer.back(), m_marking);
    };
    for (std::size_t i = 1; i < m_used; ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Kind::Empty) {
            continue;
        }
        if (foldsSign(token, pending, negative)) {
            continue;
        }
        if (token.kind == Token::Kind::Value) {
            const Decimal128 value = negative ? -token.value : token.value;
            if (!value.isNegative() && afterOperand()) {
                m_buffer += '+';
            }
            putValue(m_buffer, value, keepValues);
        } else {
            std::string_view text = slice(token);
            if (token.kind == Token::Kind::NegatedText) {
                negative = !negative;
            }
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
            if (keepValues && !m_buffer.empty() && m_buffer.back() == kMark &&
                isNumberChar(text[0])) {
                // What joins a value's digits ("3" "E5") joins its text.
                m_buffer.pop_back();
                m_values.back().appendTo(m_buffer);
                m_values.pop_back();
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

template <typename F>
void Engine::forEachChar(char c, F&& visit) {
    if (m_singlesValid) {
        for (const std::uint32_t i : m_singles) {
            if (isChar(i, c)) {
                visit(i);
            }
        }
        return;
    }
    for (std::size_t i = 1; i < m_used; ++i) {
        if (isChar(i, c)) {
            visit(i);
        }
    }
}

void Engine::Stepenn() {
    forEachChar('^', [this](std::size_t i) {
        // The result replaces the right operand, so powers chain from left to right.
        const Decimal128 result = power(operand(i - 1), operand(i + 1));
        setValue(i + 1, result);
        tokens[i] = Token{Token::Kind::Plus, '+', 0, 1, {}};
        setEmpty(i - 1);
    });
}

template <typename F>
void Engine::binaryPass(char op, bool overEmpty, F&& f) {
    forEachChar(op, [&](std::size_t i) {
        // An operator followed by the neutral "+" has its operand three positions on (the
        // skip gap). Anything else in the gap is no operand, and stepping over it would drop
        // what the user typed: then the empty position is read, and refused.
        const bool skipGap = isEmpty(i + 1) && isChar(i + 2, '+');
        std::size_t right = skipGap ? i + 3 : i + 1;
        while (overEmpty && right < m_used && tokens[right].kind == Token::Kind::Empty) {
            ++right;
        }
        const Decimal128 result = f(operand(i - 1), operand(right));
        setValue(right, result);
        for (std::size_t k = i - 1; k < right; ++k) {
            setEmpty(k);
        }
    });
}

void Engine::Delene() {
    binaryPass('/', false, [](Decimal128 a, Decimal128 b) {
        if (b.isZero()) {
            fail(Failure::DivisionByZero);
        }
        return finite(a / b, Failure::TooLarge, Failure::InvalidExpression);
    });
}

void Engine::Umnovenie() {
    multiply(false);
}

void Engine::multiply(bool overEmpty) {
    binaryPass('*', overEmpty, [](Decimal128 a, Decimal128 b) {
        return finite(a * b, Failure::TooLarge, Failure::InvalidExpression);
    });
}

void Engine::IzvadiSyberi() {
    const Decimal128 total = sum();
    innerExpr.clear();
    total.appendTo(innerExpr);
}

Decimal128 Engine::sum() {
    // Zero plus the first term is that term: the sum starts from it. Only the sum's value is
    // used, not how it keeps trailing zeros.
    std::optional<Decimal128> total;
    for (std::size_t i = 1; i < m_used; ++i) {
        if (isEmpty(i) || isChar(i, '+')) {
            continue;
        }
        total = finite(total ? *total + operand(i) : operand(i), Failure::TooLarge,
                       Failure::InvalidExpression);
    }
    return total.value_or(Decimal128());
}

void Engine::putValue(std::string& text, Decimal128 value, bool keepValue) {
    if (value.isNegative()) {
        text += '-';
    }
    value = abs(value);
    // A zero goes as text: a "-" before it stays a sign of its own ("-0" is not a number
    // Obedini writes with its sign), as it would before the digit.
    if (keepValue && m_marking && !value.isZero() && markFits(text, text.size())) {
        text += kMark;
        m_values.push_back(value.normalized());
    } else {
        value.appendTo(text);
    }
}

namespace {

bool inDomain(Domain domain, Decimal128 a) {
    switch (domain) {
        case Domain::All:
            return true;
        case Domain::NotNegative:
            return !a.isNegative();
        case Domain::Positive:
            return !a.isNegative() && !a.isZero();
        case Domain::UpToOne:
            return abs(a) <= Decimal128::fromInt(1);
    }
    return false;
}

}  // namespace

void Engine::applyFunction(const Function& f, bool degrees) {
    forEachChar(f.code, [&](std::size_t i) {
        const Decimal128 argument = operand(i + 1);
        if (!inDomain(f.domain, argument)) {
            fail(Failure::OutsideDomain);
        }
        setValue(i + 1, f.evaluate(argument, degrees));
        setEmpty(i);
    });
}

Decimal128 SSIN(Decimal128 a, bool degrees) {
    return sine(a, degrees);
}

Decimal128 CCOS(Decimal128 a, bool degrees) {
    return cosine(a, degrees);
}

Decimal128 TTAN(Decimal128 a, bool degrees) {
    return finite(tangent(a, degrees), Failure::TooLarge, Failure::OutsideDomain);
}

Decimal128 CCOTAN(Decimal128 a, bool degrees) {
    return cotangent(a, degrees);
}

Decimal128 ATTAN(Decimal128 a, bool degrees) {
    return arcResult(a, atan, kExactAtan, degrees);
}

Decimal128 ASSIN(Decimal128 a, bool degrees) {
    return arcResult(a, asin, kExactAsin, degrees);
}

Decimal128 ACCOS(Decimal128 a, bool degrees) {
    return arcResult(a, acos, kExactAcos, degrees);
}

std::string Engine::tokenText(const Token& token) const {
    switch (token.kind) {
        case Token::Kind::Empty:
            return {};
        case Token::Kind::Plus:
            return "+";
        case Token::Kind::Value:
            return token.value.text();
        case Token::Kind::Text:
            return std::string(slice(token));
        case Token::Kind::NegatedText:
            return "-" + std::string(slice(token));
    }
    return {};
}

std::string_view Engine::slice(const Token& token) const {
    // A character the joining placed has no place in the text, but it is its own last one.
    if (token.length == 1) {
        return {&token.last, 1};
    }
    return std::string_view(innerExpr).substr(token.begin, token.length);
}

namespace {

bool isPlainCharacter(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' ||
           (c >= 'A' && c <= 'Z' && c != 'E');
}

}  // namespace

bool Engine::onlyNumbersAndPluses() const {
    for (std::size_t i = 1; i < m_used; ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Kind::Text && token.length == 1 && !isNumberStart(token.last) &&
            token.last != '+') {
            return false;
        }
    }
    return true;
}

namespace {

bool isNumberToken(const Token& token) {
    return token.kind == Token::Kind::Value || token.kind == Token::Kind::NegatedText ||
           (token.kind == Token::Kind::Text && (token.length > 1 || isNumberStart(token.last)));
}

}  // namespace

Engine::RowShape Engine::shapeOfRow() {
    // Plain: numbers that begin and end with a digit or a point, and single characters that
    // can neither join a number nor be joined by one.
    RowShape shape{true, true};
    m_singles.clear();
    for (std::size_t i = 1; i < m_used; ++i) {
        const Token& token = tokens[i];
        if (token.kind != Token::Kind::Text) {
            continue;
        }
        const std::string_view text = slice(token);
        if (text.size() == 1 && isPlainCharacter(text[0])) {
            m_singles.push_back(static_cast<std::uint32_t>(i));
            if (text[0] >= 'A' && text[0] <= 'Z' &&
                (i + 1 >= tokens.size() || !isNumberToken(tokens[i + 1]))) {
                shape.codesApart = false;
            }
            continue;
        }
        const char first = text[0] == '-' && text.size() > 1 ? text[1] : text[0];
        if (!isNumberStart(first) || !isNumberStart(text.back())) {
            return {};
        }
    }
    m_singlesValid = true;
    return shape;
}

bool Engine::operandsAdjacent(char op) const {
    for (const std::uint32_t i : m_singles) {
        if (isChar(i, op) && (i + 1 >= tokens.size() || !isNumberToken(tokens[i - 1]) ||
                              !isNumberToken(tokens[i + 1]))) {
            return false;
        }
    }
    return true;
}

// What Obedini and then Smasiv make of a plain row, built directly: the signs before each
// token fold as Obedini folds them, and each token takes the position the scan of the joined
// text would give it. The row holds no other characters, so nothing else can join.
void Engine::compact() {
    if (m_spare.size() < 2 * m_used + 4) {
        m_spare.resize(2 * m_used + 4);
    }
    std::fill(m_spare.begin(), m_spare.begin() + static_cast<std::ptrdiff_t>(m_spareUsed), Token{});
    std::size_t cursor = 1;
    bool gapPending = false;  // an operator was placed: a free position follows unless a "-" does
    bool afterOperand = false;
    bool pending = false;
    bool negative = false;
    const auto start = [&](bool minusFirst) {
        if (gapPending && !minusFirst) {
            ++cursor;
        }
        gapPending = false;
    };
    m_singles.clear();
    const auto placeChar = [&](char c) {
        ++cursor;
        m_spare[cursor] = Token{Token::Kind::Text, c, 0, 1, {}};
        m_singles.push_back(static_cast<std::uint32_t>(cursor));
    };
    // A number after its sign: a "-" and the number are one token, a "+" stands apart.
    const auto placeNumber = [&](Token number, bool minus) {
        start(minus);
        if (minus) {
            ++cursor;
            if (number.kind == Token::Kind::Value) {
                number.value = -number.value;
            } else {
                number.kind = Token::Kind::NegatedText;
            }
        } else if (afterOperand) {
            placeChar('+');
            ++cursor;
        }
        m_spare[cursor] = number;
        afterOperand = true;
    };
    for (std::size_t i = 1; i < m_used; ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Kind::Empty) {
            continue;
        }
        if (foldsSign(token, pending, negative)) {
            continue;
        }
        if (token.kind == Token::Kind::Value) {
            const Decimal128 value = negative ? -token.value : token.value;
            placeNumber(Token{Token::Kind::Value, 0, 0, 0, abs(value).normalized()},
                        value.isNegative());
        } else if (token.length > 1 || isNumberStart(token.last)) {
            Token number = token;
            negative = negative != (token.kind == Token::Kind::NegatedText);
            number.kind = Token::Kind::Text;
            if (token.length > 1 && innerExpr[token.begin] == '-') {
                negative = !negative;
                ++number.begin;
                --number.length;
            }
            placeNumber(number, negative);
        } else {
            start(negative);
            if (negative) {
                placeChar('-');
            } else if (pending && afterOperand) {
                placeChar('+');
                ++cursor;
            }
            placeChar(token.last);
            gapPending = true;
            afterOperand = false;
        }
        pending = negative = false;
    }
    if (negative) {
        start(true);
        placeChar('-');
    }
    if (gapPending) {
        ++cursor;
    }
    std::swap(tokens, m_spare);
    m_spareUsed = m_used;
    m_used = std::min(cursor + 1, tokens.size());
    m_singlesValid = true;
}

void Engine::clearTokens() {
    // The passes only write where the scan put something, so that is all there is to clear.
    std::fill(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(m_used), Token{});
    m_used = 0;
    m_singlesValid = false;
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

Decimal128 Engine::operand(std::size_t position) const {
    if (position == 0 || position >= tokens.size()) {
        fail(Failure::InvalidExpression);
    }
    const Token& token = tokens[position];
    switch (token.kind) {
        case Token::Kind::Value:
            return token.value;
        case Token::Kind::Text:
        case Token::Kind::NegatedText: {
            const std::optional<Decimal128> value = Decimal128::read(slice(token));
            if (!value) {
                fail(Failure::InvalidExpression);
            }
            return finite(token.kind == Token::Kind::Text ? *value : -*value, Failure::TooLarge,
                          Failure::InvalidExpression);
        }
        case Token::Kind::Empty:
        case Token::Kind::Plus:
            break;
    }
    fail(Failure::InvalidExpression);
}

void Engine::setValue(std::size_t position, Decimal128 value) {
    tokens[position] = Token{Token::Kind::Value, 0, 0, 0, value};
}

void Engine::setEmpty(std::size_t position) {
    if (position < tokens.size()) {
        tokens[position] = Token{};
    }
}

}  // namespace numira
