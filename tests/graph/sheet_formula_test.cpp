// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/sheet_formula.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "engine/number_text.h"
#include "tests/graph/sheet_formula_eval.h"

namespace numira::graph {
namespace {

struct SpellingCase {
    const char* expression;
    bool degrees;
    const char* formula;  // at x = -49
};

constexpr SpellingCase kSpellings[] = {
    {"x^2", false, "=(-49)^2"},
    {"2x+1", false, "=2*(-49)+1"},
    {"0-x", false, "=0-(-49)"},
    {"SIN(x)", false, "=SIN((-49))"},
    {"SIN(x)", true, "=SIN(RADIANS((-49)))"},
    {"COTAN(x)", false, "=(1/TAN((-49)))"},
    {"COTAN(x)", true, "=(1/TAN(RADIANS((-49))))"},
    {"Asin(x)", true, "=DEGREES(ASIN((-49)))"},
    {"Acos(x)+Atan(x)", false, "=ACOS((-49))+ATAN((-49))"},
    {"SQRT(x)", true, "=SQRT((-49))"},
    {"2pi", false, "=2*PI()"},
    {"ex", false, "=EXP(1)*(-49)"},
    {"xpi2", false, "=(-49)*PI()*2"},
    {"(x+1)(x-1)", false, "=((-49)+1)*((-49)-1)"},
    {"2SIN(x)COS(x)", false, "=2*SIN((-49))*COS((-49))"},
    {"x(2)", false, "=(-49)*(2)"},
    {"1,5x", false, "=1.5*(-49)"},
    {",5+5,", false, "=0.5+5"},
    {"x^", false, "=(-49)"},
    {"x^^", false, "=(-49)"},
    {"x+", false, "=(-49)"},
    {"(x+)", false, "=((-49))"},
    {"()x", false, "=(0)*(-49)"},
    {"SIN()", false, "=SIN(0)"},
    {"5--x", false, "=5--(-49)"},
};

TEST(SheetFormula, SpellsTheExpressionForASpreadsheet) {
    for (const SpellingCase& c : kSpellings) {
        SCOPED_TRACE(c.expression);
        const SheetFormula f(c.expression, c.degrees);
        EXPECT_TRUE(f.valid());
        EXPECT_EQ(f.rowFormula("-49"), c.formula);
    }
}

TEST(SheetFormula, TextThatIsNoFormulaIsMarked) {
    constexpr const char* kBad[] = {"(x",    "x)", "2*",  "*2",   "2*/3",
                                    "1.2.3", "x?", "SIN", "(*2)", "5-"};
    for (const char* expression : kBad) {
        SCOPED_TRACE(expression);
        EXPECT_FALSE(SheetFormula(expression, false).valid());
    }
}

// The formula a spreadsheet recomputes must give the engine's value, or fail where it fails.
struct MeaningCase {
    const char* expression;
    bool degrees;
};

constexpr MeaningCase kMeanings[] = {
    {"x^2", false},
    {"2x+1", false},
    {"0-x^2", false},
    {"2-x^2", false},
    {"5-(2-x)^2", false},
    {"x^2^2", false},
    {"2^-x", false},
    {"2*-x^2", false},
    {"x-3^2", false},
    {"8/2x", false},
    {"x/2/2", false},
    {"x*3/4*5", false},
    {"1/x", false},
    {"SQRT(x)", false},
    {"SQRT(x)SQRT(x)", false},
    {"SIN(x)^2+COS(x)^2", false},
    {"SIN(x)", true},
    {"COS(x)", true},
    {"TAN(x)", false},
    {"TAN(x)", true},
    {"COTAN(x)", false},
    {"COTAN(x)", true},
    {"Asin(x/50)", false},
    {"Asin(x/50)", true},
    {"Acos(x/50)", false},
    {"Acos(x/50)", true},
    {"Atan(x)", true},
    {"2pix", false},
    {"2^3x", false},
    {"e^2x/50", false},
    {"2^x(1+1)", false},
    {"ex", false},
    {"e^x", false},
    {"(x+1)(x-1)", false},
    {"x(x+1)2", false},
    {"1,5x-0,25", false},
    {"x^", false},
    {"x+", false},
    {"5--x", false},
    {"x^0,5", false},
    {"()x+1", false},
    {"SIN(x)SIN(x)", true},
};

constexpr double kXs[] = {-49, -2, -1, -0.5, 0, 0.5, 1, 2, 30, 45, 150};

TEST(SheetFormula, TheSpreadsheetComputesTheEnginesValue) {
    Engine engine;
    for (const MeaningCase& c : kMeanings) {
        const SheetFormula f(c.expression, c.degrees);
        ASSERT_TRUE(f.valid()) << c.expression;
        for (const double x : kXs) {
            const std::string xText = numberText(x);
            SCOPED_TRACE(std::string(c.expression) + (c.degrees ? " (degrees) at " : " at ") +
                         xText);
            const Evaluation e = engine.evaluate(c.expression, {c.degrees, true, xText});
            const std::string formula = f.rowFormula(xText);
            const std::optional<double> sheet = graph::testing::evaluateSheetFormula(formula);
            if (!e.ok()) {
                EXPECT_FALSE(sheet) << formula << " gives " << sheet.value_or(0);
                continue;
            }
            const double engineValue = *readNumber(e.numberText);
            ASSERT_TRUE(sheet) << formula;
            EXPECT_NEAR(*sheet, engineValue, 1e-9 * std::max(1.0, std::fabs(engineValue)))
                << formula;
        }
    }
}

}  // namespace
}  // namespace numira::graph
