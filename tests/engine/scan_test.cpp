// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/token_row.h"

namespace {

struct Case {
    std::string text;
    std::vector<std::string> tokens;
};

const Case kScans[] = {
    {"2+3", {"2", "+", "3"}},
    {"5-3", {"5", "-3"}},
    {"-5+3", {"", "-5", "+", "3"}},
    {"2*-3", {"2", "*", "-3"}},
    {"2^3", {"2", "^", "3"}},
    {"2*+9", {"2", "*", "", "+", "9"}},
    {"S30", {"", "S", "30"}},
    {"2*S30", {"2", "*", "", "S", "30"}},
    {"S-30", {"", "S", "-30"}},
    {"1E+20*2", {"1E+20", "*", "2"}},
    {"1.5E-07+1", {"1.5E-07", "+", "1"}},
    {"5--3", {"5", "-", "-3"}},
    {".5", {".5"}},
    {"2S30", {"2", "S", "30"}},
    {"(5", {"", "(", "5"}},
    {"", {}},
};

TEST(Scan, CutsAFlatTextIntoTokens) {
    numira::Engine engine;
    for (const Case& c : kScans) {
        SCOPED_TRACE(c.text);
        engine.innerExpr = c.text;
        engine.Smasiv();
        EXPECT_EQ(tokenTexts(engine), c.tokens);
        EXPECT_EQ(engine.innerExpr, c.text) << "the scan leaves its input alone";
    }
}

TEST(Scan, TokenRowGrowsWithTheText) {
    numira::Engine engine;
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += "1*";
    }
    text += "1";
    engine.innerExpr = text;
    engine.Smasiv();
    const std::vector<std::string> tokens = tokenTexts(engine);
    ASSERT_EQ(tokens.size(), 801u);
    EXPECT_EQ(tokens.front(), "1");
    EXPECT_EQ(tokens[799], "*");
    EXPECT_EQ(tokens.back(), "1");
}

}  // namespace
