// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/token_row.h"

namespace {

using Pass = void (numira::Engine::*)();

struct Case {
    std::string text;
    Pass pass;
    std::vector<std::string> tokensAfter;
    std::string merged;  // what Obedini makes of the row
};

const Case kPasses[] = {
    {"2*3^2", &numira::Engine::Stepenn, {"2", "*", "", "+", "9"}, "2*9"},
    {"2*+9", &numira::Engine::Umnovenie, {"", "", "", "", "18"}, "18"},
    {"2^3^2", &numira::Engine::Stepenn, {"", "+", "", "+", "64"}, "64"},
    {"-2^3", &numira::Engine::Stepenn, {"", "", "+", "-8"}, "-8"},
    {"8/2/2", &numira::Engine::Delene, {"", "", "", "", "2"}, "2"},
    {"4/+4", &numira::Engine::Delene, {"", "", "", "", "1"}, "1"},
    {"2+3^2", &numira::Engine::Stepenn, {"2", "+", "", "+", "9"}, "2+9"},
    {"2*6/3", &numira::Engine::Delene, {"2", "*", "", "", "2"}, "2*2"},
    {"6*-2", &numira::Engine::Umnovenie, {"", "", "-12"}, "-12"},
};

TEST(Passes, ReduceInPlaceAndMergeBack) {
    numira::Engine engine;
    for (const Case& c : kPasses) {
        SCOPED_TRACE(c.text);
        engine.innerExpr = c.text;
        engine.Smasiv();
        (engine.*c.pass)();
        EXPECT_EQ(tokenTexts(engine), c.tokensAfter);
        engine.Obedini();
        EXPECT_EQ(engine.innerExpr, c.merged);
        EXPECT_TRUE(tokenTexts(engine).empty()) << "the merge empties the row";
    }
}

struct MergeCase {
    std::string text;
    std::string merged;
};

TEST(Passes, MergeFoldsTheSignsBeforeEachToken) {
    const MergeCase kMerges[] = {
        {"2+-3", "2-3"},    {"+5", "5"},       {"++5", "5"},       {"2++9", "2+9"},
        {"1E+20", "1E+20"}, {"-+5", "-5"},     {"3*-+2", "3*-2"},  {"2*--5", "2*5"},
        {"2^-+-8", "2^8"},  {"1--S2", "1+S2"}, {"1-+-S2", "1+S2"}, {"5-", "5-"},
    };
    numira::Engine engine;
    for (const MergeCase& c : kMerges) {
        SCOPED_TRACE(c.text);
        engine.innerExpr = c.text;
        engine.Smasiv();
        engine.Obedini();
        EXPECT_EQ(engine.innerExpr, c.merged);
    }
}

TEST(Passes, SumAddsSignedTerms) {
    const MergeCase kSums[] = {
        {"5-3", "2"}, {"2++9", "11"}, {"", "0"}, {"+", "0"}, {"5+", "5"}, {"0.1+0.2", "0.3"},
    };
    numira::Engine engine;
    for (const MergeCase& c : kSums) {
        SCOPED_TRACE(c.text);
        engine.innerExpr = c.text;
        engine.Smasiv();
        engine.IzvadiSyberi();
        EXPECT_EQ(engine.innerExpr, c.merged);
    }
}

struct FailCase {
    std::string text;
    Pass pass;
    numira::Failure failure;
};

TEST(Passes, FailWithTheirReason) {
    const FailCase kFailures[] = {
        {"*5", &numira::Engine::Umnovenie, numira::Failure::InvalidExpression},
        {"5*", &numira::Engine::Umnovenie, numira::Failure::InvalidExpression},
        {"2^+3", &numira::Engine::Stepenn, numira::Failure::InvalidExpression},
        {"5/0", &numira::Engine::Delene, numira::Failure::DivisionByZero},
        {"0/0", &numira::Engine::Delene, numira::Failure::DivisionByZero},
        {"0^-1", &numira::Engine::Stepenn, numira::Failure::DivisionByZero},
        {"-8^0.5", &numira::Engine::Stepenn, numira::Failure::OutsideDomain},
        {"10^400", &numira::Engine::Stepenn, numira::Failure::TooLarge},
        {"1E+300*1E+300", &numira::Engine::Umnovenie, numira::Failure::TooLarge},
        {"1E+300/1E-300", &numira::Engine::Delene, numira::Failure::TooLarge},
        {"5-", &numira::Engine::IzvadiSyberi, numira::Failure::InvalidExpression},
        {"5--3", &numira::Engine::IzvadiSyberi, numira::Failure::InvalidExpression},
        {"(5", &numira::Engine::IzvadiSyberi, numira::Failure::InvalidExpression},
        {"1E+308+1E+308", &numira::Engine::IzvadiSyberi, numira::Failure::TooLarge},
    };
    numira::Engine engine;
    for (const FailCase& c : kFailures) {
        SCOPED_TRACE(c.text);
        engine.innerExpr = c.text;
        engine.Smasiv();
        try {
            (engine.*c.pass)();
            ADD_FAILURE() << "no failure";
        } catch (const numira::EvalError& error) {
            EXPECT_EQ(error.failure, c.failure);
        }
    }
}

}  // namespace
