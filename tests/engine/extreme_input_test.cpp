// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Input at the edges: very long and deeply nested expressions, the ends of the double range,
// the undefined powers, and values of x with hundreds of digits.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "engine/result_caption.h"

namespace {

using numira::Failure;

struct Case {
    std::string name;
    std::string expr;
    numira::EngineSettings settings;
    std::string expected;  // a caption, or the reason in parentheses
};

std::string outcome(const std::string& expr, const numira::EngineSettings& settings) {
    numira::Engine engine;
    const numira::Evaluation result = engine.evaluate(expr, settings);
    if (result.failure) {
        return "(" + std::string(numira::failureReason(*result.failure)) + ")";
    }
    return numira::resultCaption(result.numberText, 5);
}

std::string repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(ExtremeInput, EndsWithTheRightResultOrReason) {
    const std::string digits300 = "1" + std::string(299, '0');
    const Case kCases[] = {
        {"TenThousandKeys", "1" + repeat("+1", 4999), {}, "=5000"},
        {"ThousandNestedParens", repeat("(", 1000) + "2" + repeat(")", 1000), {}, "=2"},
        {"ThousandNestedSums", repeat("(1+", 1000) + "0" + repeat(")", 1000), {}, "=1000"},
        {"ThousandNestedPowers", repeat("(", 1000) + "1" + repeat(")^2", 1000), {}, "=1"},
        {"UnbalancedDeepOpen", repeat("(", 1000) + "2", {}, "(not a valid expression)"},
        {"UnbalancedDeepClose", "2" + repeat(")", 1000), {}, "(not a valid expression)"},
        {"OverflowingProduct", "1E+308*10", {}, "(too large)"},
        {"LargestDouble", "1.79769313486231E+308", {}, "=1,79769313486231E+308"},
        {"BeyondTheLargest", "1.8E+308", {}, "(too large)"},
        {"Subnormal", "1E-320", {}, "=0"},
        {"SubnormalTimesBig", "1E-320*1E+320", {}, "(too large)"},
        {"UnderflowToZero", "1E-400", {}, "=0"},
        {"ZeroToZero", "0^0", {}, "=1"},
        {"ZeroToMinusOne", "0^(0-1)", {}, "(division by zero)"},
        {"NegativeToFraction", "(0-2)^0.5", {}, "(outside the function's domain)"},
        {"NegativeToWhole", "(0-2)^3", {}, "=-8"},
        {"HugePower", "10^309", {}, "(too large)"},
        {"TinyPower", "10^(0-400)", {}, "=0"},
        {"XWith300Digits", "x+1", {false, true, digits300}, "=1E+299"},
        {"XWith300DigitsSquared", "x^2", {false, true, digits300}, "(too large)"},
        {"XWith300DigitsInverse", "1/x", {false, true, digits300}, "=0"},
        {"ManyX", repeat("x+", 2000) + "0", {false, true, "1,5"}, "=3000"},
        {"TrailingPowers", "2^^^", {}, "=2"},
        {"OnlyOperators", "+*/^", {}, "(not a valid expression)"},
        {"ManyMinusSigns", "1" + repeat("-", 1001) + "1", {}, "=0"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome(c.expr, c.settings), c.expected);
    }
}

}  // namespace
