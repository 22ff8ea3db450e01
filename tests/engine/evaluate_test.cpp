// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/result_caption.h"
#include "tests/engine/token_row.h"

namespace {

using numira::Failure;

struct Case {
    std::string expr;
    std::string caption;  // with 5 decimals, as after start-up
};

std::string captionOf(const std::string& expr, const numira::EngineSettings& settings = {},
                      int decimals = 5) {
    numira::Engine engine;
    const numira::Evaluation result = engine.evaluate(expr, settings);
    if (!result.evaluated) {
        return "(nothing)";
    }
    if (result.failure) {
        return "(" + std::string(numira::failureReason(*result.failure)) + ")";
    }
    return numira::resultCaption(result.numberText, decimals);
}

void expectCaptions(const std::vector<Case>& cases, const numira::EngineSettings& settings = {}) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expr);
        EXPECT_EQ(captionOf(c.expr, settings), c.caption);
    }
}

TEST(Evaluate, ArithmeticInTheEnginesOrder) {
    expectCaptions({
        {"2+3", "=5"},
        {"(2+3)*4", "=20"},
        {"1/3", "=0,33333"},
        {"2*(3+1)^2-SQRT(16)", "=28"},
        {"(2+3)*(2+3)", "=25"},
        {"2+()", "=2"},
        {"()", "=0"},
        {"2^3^2", "=64"},  // powers chain left to right
        {"2*3^2", "=18"},
        {"-2^2", "=4"},  // a leading minus belongs to its number
        {"8/2/2", "=2"},
        {"2*6/3", "=4"},
        {"5+", "=5"},
        {"2+(0-3)", "=-1"},
        {"0-(3^2)", "=-9"},
        {"1/3*3", "=1"},
        {".5+.5", "=1"},
        {"1,5+2,25", "=3,75"},
        {"((((1+2))))", "=3"},
        {"123456789", "=123456789"},
        {"100000.12345", "=100000,12345"},
        {"1E+20", "=1E+20"},
        {"15E+19", "=1,5E+20"},
        {"0.1+0.2", "=0,3"},
        {"2*10^-330", "=0"},  // too small for a double, and shown as the 0 it reads as
        {"0/(10^-330)", "=0"},
    });
}

TEST(Evaluate, MinusSubtractsTheWholeTerm) {
    expectCaptions({
        {"2-3^2", "=-7"},      {"2*-3^2", "=18"},   {"2*(0-3)^2", "=18"},
        {"2-(0-3)^2", "=-7"},  {"5--3", "=8"},      {"5-(2-5)", "=8"},
        {"10-2*3", "=4"},      {"10-6/3", "=8"},    {"2^3-1", "=7"},
        {"2^-1", "=0,5"},      {"1-2-3", "=-4"},    {"SIN(0)-3^2", "=-9"},
        {"2-SQRT(16)", "=-2"}, {"2---3", "=-1"},    {"1E-07-1", "=-1"},
        {"5-3*0", "=5"},  // the product keeps a sign of its own
        {"2-3*(0-1)", "=5"},   {"2-6/(0-2)", "=5"}, {"SQRT(9)-0", "=3"},
    });
}

TEST(Evaluate, ImpliedMultiplicationWhereverOperandsMeet) {
    expectCaptions({
        {"(2)(3)", "=6"},
        {"2SIN(0)", "=0"},
        {"(1+1)2", "=4"},
        {"2pi", "=6,28319"},
        {"2(3+1)", "=8"},
        {"pi", "=3,14159"},
        {"e", "=2,71828"},
        {"2e", "=5,43656"},
        {"e^2", "=7,38906"},
        {"(2)SQRT(9)", "=6"},
        {"2pi^2", "=19,73921"},
        {"2^3*pi", "=25,13274"},
        {"2^3pi", "=687,29134"},  // the raised 3pi is the exponent
        {"2^3(1+1)", "=64"},
        {"2^+-1(2)", "=0,25"},  // signs before what is raised together
    });
}

TEST(Evaluate, FunctionsInRadians) {
    expectCaptions({
        {"SIN(0)", "=0"},
        {"COS(0)", "=1"},
        {"SQRT(16)", "=4"},
        {"Atan(1)", "=0,7854"},
        {"Asin(0.5)", "=0,5236"},
        {"Asin(1)", "=1,5708"},
        {"Asin(0-1)", "=-1,5708"},
        {"Acos(0)", "=1,5708"},
        {"Acos(0-1)", "=3,14159"},
        {"Acos(1)", "=0"},
        {"Acos(0.5)", "=1,0472"},
        {"COTAN(1)", "=0,64209"},
        {"1/COTAN(1)", "=1,55741"},
        {"2COTAN(1)", "=1,28419"},
        {"Asin(0.5)+Asin(0.5)", "=1,0472"},
        {"SIN(pi/2)^2+COS(pi/2)^2", "=1"},
        {"SQRT(SQRT(16))", "=2"},
    });
}

TEST(Evaluate, FunctionsInDegreesAreExactAtQuarterTurns) {
    expectCaptions(
        {
            {"SIN(30)", "=0,5"},
            {"SIN(180)", "=0"},
            {"SIN(0-90)", "=-1"},
            {"SIN(720)", "=0"},
            {"COS(90)", "=0"},
            {"COS(270)", "=0"},
            {"COS(60)", "=0,5"},
            {"TAN(45)", "=1"},
            {"TAN(180)", "=0"},
            {"COTAN(45)", "=1"},
            {"COTAN(90)", "=0"},
            {"Asin(1)", "=90"},
            {"Asin(0.5)", "=30"},
            {"Acos(0)", "=90"},
            {"Acos(0-0.5)", "=120"},
            {"Atan(1)", "=45"},
            {"pi", "=3,14159"},  // pi typed in the expression is always the number
        },
        {true, false, ""});
}

// What a person types in decimal is what is computed: the exact number text where the digits
// allow, the failure a calculator gives for a true zero, the caption of the exact value.
TEST(Evaluate, DecimalsAreComputedAsTyped) {
    struct Row {
        std::string expr;
        bool degrees;
        std::string text;     // the number text, or the failure in parentheses
        std::string caption;  // with 5 decimals; empty when the row checks the text alone
    };
    const std::vector<Row> kRows = {
        {"1/(0,1+0,2-0,3)", false, "(division by zero)", ""},
        {"SQRT(0,3-0,1-0,2)", false, "0", "=0"},
        {"1/(0,1*3-0,3)", false, "(division by zero)", ""},
        {"19,1^9", false, "338298681559.573317311", "=338298681559,573"},
        {"646199968377629500", false, "6.461999683776295E+17", "=6,4619996837763E+17"},
        {"0,1+0,2", false, "0.3", "=0,3"},
        {"1/3", false, "0.3333333333333333333333333333333333", "=0,33333"},
        {"2^-2", false, "0.25", "=0,25"},
        {"1,1^-1", false, "0.9090909090909090909090909090909091", "=0,90909"},
        {"1E-200*1E-200", false, "1E-400", "=0"},
        {"1/(1E-200*1E-200)", false, "(too large)", ""},
        {"1/0,1^7000", false, "(too large)", ""},  // below every decimal, yet not zero
        {"SIN(30)", true, "0.5", "=0,5"},
        {"COS(90)", true, "0", "=0"},
        {"COS(-300)", true, "0.5", "=0,5"},
        {"TAN(-135)", true, "1", "=1"},
        {"COTAN(225)", true, "1", "=1"},
        {"TAN(270)", true, "(outside the function's domain)", ""},
        {"Acos(-1)", true, "180", "=180"},
        // Whole multiples however they are written, and far beyond a turn.
        {"SIN(3E1)", true, "0.5", "=0,5"},
        {"COS(90,000)", true, "0", "=0"},
        {"TAN(-4,5E+1)", true, "-1", "=-1"},
        {"TAN(9E1)", true, "(outside the function's domain)", ""},
        {"COS(9E39)", true, "1", "=1"},
        {"SIN(179,9999999999999999999999999999999)", true,
         "1.745329251994329576923690768488613E-33", "=0"},
        {"SIN(pi)", false, "0", "=0"},
        {"TAN(pi/2)", false, "(outside the function's domain)", ""},
    };
    numira::Engine engine;
    for (const Row& r : kRows) {
        SCOPED_TRACE(r.expr);
        const numira::Evaluation result = engine.evaluate(r.expr, {r.degrees, false, ""});
        const std::string text =
            result.failure ? "(" + std::string(numira::failureReason(*result.failure)) + ")"
                           : result.numberText;
        EXPECT_EQ(text, r.text);
        if (!r.caption.empty()) {
            EXPECT_EQ(numira::resultCaption(result.numberText, 5), r.caption);
        }
    }
    EXPECT_EQ(captionOf("9173336888763,4+0,00499999", {}, 2), "=9173336888763,4");
}

TEST(Evaluate, VariableX) {
    struct XCase {
        std::string expr;
        numira::EngineSettings settings;
        std::string caption;
    };
    const XCase kCases[] = {
        {"x+1", {false, true, "2"}, "=3"},    {"2x+x", {false, true, "1,5"}, "=4,5"},
        {"x(2)", {false, true, "3"}, "=6"},   {"x^2", {false, true, "0-3"}, "=9"},
        {"0-x", {false, true, "-49"}, "=49"}, {"x/2", {false, true, "pi"}, "=1,5708"},
        {"x/2", {true, true, "pi"}, "=90"},   {"SIN(x)", {true, true, "pi"}, "=0"},
        {"x", {true, true, "2pi"}, "=360"},   {"xx", {false, true, "3"}, "=9"},
        {"2+3", {false, true, ""}, "=5"},  // no x: its value is not needed
    };
    for (const XCase& c : kCases) {
        SCOPED_TRACE(c.expr + " at " + std::string(c.settings.xValue));
        EXPECT_EQ(captionOf(c.expr, c.settings), c.caption);
    }
}

TEST(Evaluate, FailuresCarryTheirReason) {
    struct FailCase {
        std::string expr;
        numira::EngineSettings settings;
        Failure failure;
    };
    const FailCase kCases[] = {
        {"5/0", {}, Failure::DivisionByZero},
        {"1/(1-1)", {}, Failure::DivisionByZero},
        {"0^(0-1)", {}, Failure::DivisionByZero},
        {"2+3)", {}, Failure::InvalidExpression},
        {"((2+3)", {}, Failure::InvalidExpression},
        {"5*", {}, Failure::InvalidExpression},
        {"*5", {}, Failure::InvalidExpression},
        {"5-", {}, Failure::InvalidExpression},
        {"6*/", {}, Failure::InvalidExpression},
        {"2 + 3", {}, Failure::InvalidExpression},
        {"abc", {}, Failure::InvalidExpression},
        {"SQRT(0-1)", {}, Failure::OutsideDomain},
        {"Asin(2)", {}, Failure::OutsideDomain},
        {"Asin(1.0000001)", {}, Failure::OutsideDomain},
        {"Acos(0-1.001)", {}, Failure::OutsideDomain},
        {"(0-8)^0.5", {}, Failure::OutsideDomain},
        {"COTAN(0)", {}, Failure::OutsideDomain},
        {"TAN(90)", {true, false, ""}, Failure::OutsideDomain},
        {"TAN(0-270)", {true, false, ""}, Failure::OutsideDomain},
        {"COTAN(180)", {true, false, ""}, Failure::OutsideDomain},
        {"1E+308*10", {}, Failure::TooLarge},
        {"10^400", {}, Failure::TooLarge},
        {"1/10^-330", {}, Failure::TooLarge},  // the divisor underflowed: it is no zero
        {"SQRT(1/10^-330)", {}, Failure::TooLarge},
        {"1/10^-400*5", {}, Failure::TooLarge},
        {"1/(10^-200*10^-200)", {}, Failure::TooLarge},
        {"1E+400", {}, Failure::TooLarge},
        {"x+1", {}, Failure::XHasNoValue},
        {"x+1", {false, true, ""}, Failure::XHasNoValue},
    };
    for (const FailCase& c : kCases) {
        SCOPED_TRACE(c.expr);
        numira::Engine engine;
        const numira::Evaluation result = engine.evaluate(c.expr, c.settings);
        ASSERT_TRUE(result.evaluated);
        ASSERT_TRUE(result.failure.has_value()) << "gave " << result.numberText;
        EXPECT_EQ(*result.failure, c.failure);
        EXPECT_TRUE(tokenTexts(engine).empty()) << "a failure empties the token row";
    }
}

// A group's value, or a pass's, is kept as a value, and must read as its text would: joined
// to an "E" or digits around it, a zero keeping its own "-", a sign before it folding in.
TEST(Evaluate, KeptValuesReadAsTheirText) {
    expectCaptions({
        {"2E-+(5)", "=0,00002"},
        {"(3)E5", "=300000"},
        {"1-(2)E5", "=-199999"},
        {"2E+-(Atan(0)/-(e))-+1E+20", "(not a valid expression)"},
        {"-(2)^2", "=4"},
        {"2^-(1)^2", "=0,25"},
        {"COSIN(0)", "=1"},  // "SIN" is replaced first, and "COS" then
        {"Asincos(1)", "=0"},
    });
}

TEST(Evaluate, AMarkInXsValueIsTextNotAKeptValue) {
    numira::Engine engine;
    numira::EngineSettings settings;
    settings.xEntryMode = true;
    settings.xValue = std::string_view("2\x01", 2);
    const numira::Evaluation result = engine.evaluate("x^2+2x+1", settings);
    EXPECT_EQ(result.failure, numira::Failure::InvalidExpression);
    EXPECT_EQ(engine.evaluate("2+2", {}).numberText, "4");
}

TEST(Evaluate, TrailingEmptyExponentIsIgnored) {
    expectCaptions({{"2^", "=2"}, {"(1+1)^", "=2"}});
}

TEST(Evaluate, EmptyExpressionComputesNothing) {
    numira::Engine engine;
    const numira::Evaluation result = engine.evaluate("", {});
    EXPECT_FALSE(result.evaluated);
    EXPECT_FALSE(result.ok());
}

TEST(Evaluate, TheEngineCanBeReusedAfterAFailure) {
    numira::Engine engine;
    EXPECT_FALSE(engine.evaluate("5/0", {}).ok());
    const numira::Evaluation again = engine.evaluate("1+1", {});
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.numberText, "2");
}

TEST(Evaluate, LongExpressionsHaveNoLengthLimit) {
    std::string sum = "1";
    for (int i = 0; i < 2500; ++i) {
        sum += "+1";
    }
    EXPECT_EQ(captionOf(sum), "=2501");

    std::string nested;
    for (int i = 0; i < 500; ++i) {
        nested += "(1+";
    }
    nested += "1";
    nested += std::string(500, ')');
    EXPECT_EQ(captionOf(nested), "=501");

    std::string mixed;
    for (int i = 0; i < 300; ++i) {
        mixed += "2*(3-1)/4+SQRT(9)-";
    }
    mixed += "0";
    ASSERT_GE(mixed.size(), 5000u);
    EXPECT_EQ(captionOf(mixed), "=602");
}

TEST(Evaluate, DegreesDoNotDependOnWhatWasShownBefore) {
    numira::Engine engine;
    const numira::EngineSettings degrees{true, false, ""};
    const numira::Evaluation first = engine.evaluate("SIN(30)", degrees);
    const numira::Evaluation second = engine.evaluate("SIN(30)", degrees);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.numberText, second.numberText);
    EXPECT_EQ(numira::resultCaption(second.numberText, 5), "=0,5");
}

TEST(Evaluate, AnExpressionAtAnotherXIsWhatTheWholeRoutineGives) {
    // One engine evaluates each expression at many x; a fresh one runs Presmetni at each.
    constexpr std::string_view kPieces[] = {
        "x",  "x",  "2",    "0,5",  "1.5", "E",    "E-",   "pi",     "e",     "SIN(",
        "(",  ")",  ")",    "^",    "*",   "/",    "+",    "-",      ",",     "COSIN(",
        "2x", "xE", "Asin", "SQRT", "cos", "\x01", "\x02", "TAN(x)", "x^2pi", "ex"};
    constexpr std::string_view kXs[] = {"2", "-1,5", "0.25", "1E-05", "-3E+20", "1,5E", "--2",
                                        "+", "E",    ",",    "1,2,3", "-0",     "pi",   "2pi",
                                        "e", "x",    "(2)",  "\x01",  "\x02",   "1 5",  ""};
    std::mt19937 random(23);
    const auto pick = [&random](auto& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random)];
    };
    numira::Engine reused;
    for (int i = 0; i < 4000; ++i) {
        std::string expr;
        for (int n = std::uniform_int_distribution<int>(1, 8)(random); n > 0; --n) {
            expr += pick(kPieces);
        }
        for (int k = 0; k < 3; ++k) {
            const std::string x(pick(kXs));
            const numira::EngineSettings settings{random() % 2 == 0, random() % 8 != 0, x};
            SCOPED_TRACE(expr + " at " + x);
            const numira::Evaluation got = reused.evaluate(expr, settings);
            numira::Engine fresh;
            fresh.workExpr = "=" + expr;
            const numira::Evaluation want = fresh.Presmetni(settings);
            ASSERT_EQ(got.evaluated, want.evaluated);
            ASSERT_EQ(got.failure, want.failure);
            ASSERT_EQ(got.numberText, want.numberText);
        }
    }
}

}  // namespace
