// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "engine/implied_exponent.h"

namespace {

constexpr const char* kPi = "(3.141592653589793238462643383279503)";
constexpr const char* kE = "(2.718281828459045235360287471352662)";

struct Case {
    std::string name;
    std::string before;
    std::string after;
    numira::EngineSettings settings;
};

TEST(Rewrite, MakesImpliedMultiplicationExplicitAndPutsInConstants) {
    const std::string pi = kPi;
    const std::string e = kE;
    const Case kCases[] = {
        {"DigitBeforeParen", "=2(3+1)", "=2*(3+1)", {}},
        {"NumberBeforeParen", "=12(5)", "=12*(5)", {}},
        {"ParenParen", "=(2)(3)", "=(2)*(3)", {}},
        {"ParenDigit", "=(1+1)2", "=(1+1)*2", {}},
        {"DigitFunction", "=2SIN(0)", "=2*SIN(0)", {}},
        {"ParenFunction", "=(2)COTAN(1)", "=(2)*COTAN(1)", {}},
        {"DigitArcFunction", "=3Asin(1)", "=3*Asin(1)", {}},
        {"DigitPi", "=2pi", "=2*" + pi, {}},
        {"PiDigit", "=pi2", "=" + pi + "*2", {}},
        {"ConstantE", "=2e", "=2*" + e, {}},
        {"EPower", "=e^2", "=" + e + "^2", {}},
        {"CapitalEUntouched", "=1E+20", "=1E+20", {}},
        {"DecimalComma", "=1,5+2,25", "=1.5+2.25", {}},
        {"NoStarBetweenOperators", "=2+3", "=2+3", {}},
        {"XValue", "=2x+x", "=2*(1.5)+(1.5)", {false, true, "1,5"}},
        {"XBeforeParen", "=x(2)", "=(3)*(2)", {false, true, "3"}},
        {"XAfterParen", "=(2)x", "=(2)*(3)", {false, true, "3"}},
        {"XPiRadians", "=x/2", "=((" + std::string(kPi + 1) + ")/2", {false, true, "pi"}},
        {"XPiDegrees", "=x/2", "=((180))/2", {true, true, "pi"}},
        {"XTwoPiDegrees", "=x", "=(2*(180))", {true, true, "2pi"}},
        {"PiInExpressionStaysPiInDegrees", "=pi", "=" + pi, {true, false, ""}},
        {"NegativeXValue", "=x^2", "=(-49)^2", {false, true, "-49"}},
        {"Empty", "=", "=", {}},
    };
    numira::Engine engine;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        engine.workExpr = c.before;
        engine.Preobrazi(c.settings);
        EXPECT_EQ(engine.workExpr, c.after);
    }
}

TEST(Rewrite, AnXWithoutAValueIsRefused) {
    const numira::EngineSettings kNoValue[] = {{false, false, ""}, {false, true, ""}};
    numira::Engine engine;
    for (const numira::EngineSettings& settings : kNoValue) {
        engine.workExpr = "=2x+1";
        try {
            engine.Preobrazi(settings);
            ADD_FAILURE() << "x was accepted without a value";
        } catch (const numira::EvalError& error) {
            EXPECT_EQ(error.failure, numira::Failure::XHasNoValue);
        }
    }
}

}  // namespace

namespace {

TEST(Rewrite, AnExponentOfImpliedFactorsIsGroupedAsOne) {
    struct GroupCase {
        std::string_view before, after;
    };
    constexpr GroupCase kCases[] = {
        {"2^3pi", "2^(3pi)"},
        {"2^2x+1", "2^(2x)+1"},
        {"e^2SIN(x)", "e^(2SIN(x))"},
        {"2^3(1+1)", "2^(3(1+1))"},
        {"2^-3x", "2^(-3x)"},
        {"2^(1+x)x", "2^((1+x)x)"},
        {"2^2x^2x", "2^(2x)^(2x)"},
        {"(2^2x)", "(2^(2x))"},
        {"2^3*pi", "2^3*pi"},  // an explicit sign ends the exponent
        {"2pi^2", "2pi^2"},
        {"2^3", "2^3"},
        {"2^SQRT(4)", "2^SQRT(4)"},
        {"2^3(1+1", "2^3(1+1"},  // unbalanced: left alone
        {"2^", "2^"},
        {"2+3", "2+3"},
    };
    for (const GroupCase& c : kCases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(numira::groupImpliedExponents(c.before), c.after);
    }
}

}  // namespace
