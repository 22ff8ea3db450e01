// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/engine.h"
#include "engine/failure_span.h"

namespace numira {
namespace {

// An expression that fails, and the part of it the failure is laid on.
struct SpanCase {
    std::string_view expr;
    std::string_view part;
    std::size_t at;  // where that part starts, so that a repeated text names the right one
};

constexpr SpanCase kSpans[] = {
    {"5/0", "/0", 1},
    {"1+5/(3-3)*2", "/(3-3)", 3},
    {"1/(2/0)", "/0", 4},       // the inner division, not the outer
    {"0^(0-1)", "0^(0-1)", 0},  // zero to a negative power
    {"1+SQRT(0-4)", "SQRT(0-4)", 2},
    {"SQRT(4)+SQRT(1-5)", "SQRT(1-5)", 8},
    {"2*Asin(3)", "Asin(3)", 2},
    {"(0-8)^0.5", "(0-8)^0.5", 0},
    {"1+1E+308*10", "1+1E+308*10", 0},  // no smaller part is too large alone
    {"2+3)", ")", 3},
    {"((2+3)", "(", 0},
    {"5*", "*", 1},
    {"2*/3", "*", 1},  // the operator left with no operand
    {"2*%5", "%", 2},
    {"2*\xC3\xA4"
     "5",
     "\xC3\xA4", 2},  // a whole character, not a byte of it
    {"3+x", "x", 2},
};

TEST(FailureSpan, NamesThePartThatFailed) {
    Engine engine;
    for (const SpanCase& c : kSpans) {
        SCOPED_TRACE(c.expr);
        const Evaluation result = engine.evaluate(c.expr, {});
        ASSERT_TRUE(result.failure);
        const auto span = locateFailure(c.expr, *result.failure, {});
        ASSERT_TRUE(span);
        EXPECT_EQ(span->begin, c.at);
        EXPECT_EQ(c.expr.substr(span->begin, span->end - span->begin), c.part);
    }
}

// However long the expression, the part is found and lies inside it.
TEST(FailureSpan, LongExpressionsStayInside) {
    std::string expr;
    for (int i = 0; i < 300; ++i) {
        expr += "SQRT(" + std::to_string(i) + ")+";
    }
    expr += "1/(2-2)";
    Engine engine;
    const Evaluation result = engine.evaluate(expr, {});
    ASSERT_EQ(result.failure, Failure::DivisionByZero);
    const auto span = locateFailure(expr, Failure::DivisionByZero, {});
    ASSERT_TRUE(span);
    EXPECT_EQ(expr.substr(span->begin), "/(2-2)");
}

}  // namespace
}  // namespace numira
