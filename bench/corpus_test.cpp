// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "bench/peers.h"

namespace numira::bench {
namespace {

int maxDepth(const std::string& text) {
    int depth = 0;
    int deepest = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        deepest = std::max(deepest, depth);
    }
    return deepest;
}

TEST(CorpusParse, ReadsNamesAndExpressionsAndSkipsCommentsAndBlankLines) {
    const std::vector<CorpusEntry> entries =
        parseCorpus("# comment\n\nadd  2+3\r\nroot\tSQRT(2)   \n  \n# another\nlast 1/3");
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].name, "add");
    EXPECT_EQ(entries[0].expression, "2+3");
    EXPECT_EQ(entries[1].name, "root");
    EXPECT_EQ(entries[1].expression, "SQRT(2)");
    EXPECT_EQ(entries[2].expression, "1/3");
}

TEST(CorpusParse, RefusesBadLinesNamingTheLine) {
    struct Case {
        const char* label;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"NameOnly", "add 2+3\nlonely\n", "corpus line 2: a name and an expression are needed"},
        {"SpaceInExpression", "add 2 + 3\n", "corpus line 1: the expression has a space"},
        {"NameTwice", "a 1\n\na 2\n", "corpus line 3: the name a is taken"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        try {
            parseCorpus(c.text);
            ADD_FAILURE() << "no error";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(CorpusTranslate, SpellsFunctionsAndConstantsForEachPeer) {
    struct Case {
        const char* engine;
        const char* muparser;
        const char* matheval;
    };
    const Case cases[] = {
        {"SQRT(2)*SIN(1)", "sqrt(2)*sin(1)", "sqrt(2)*sin(1)"},
        {"COS(TAN(0.3))", "cos(tan(0.3))", "cos(tan(0.3))"},
        {"Asin(0.5)+Acos(0.5)+Atan(1)", "asin(0.5)+acos(0.5)+atan(1)",
         "asin(0.5)+acos(0.5)+atan(1)"},
        {"2*pi/e", "2*_pi/_e", "2*pi/e"},
        {"1.5E+2*e", "1.5E+2*_e", "1.5E+2*e"},  // the exponent mark is not the constant
        {"(1+2)^2", "(1+2)^2", "(1+2)^2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.engine);
        EXPECT_EQ(toMuparser(c.engine), c.muparser);
        EXPECT_EQ(toMatheval(c.engine), c.matheval);
    }
}

// The check that guards the timings must see the engine's deliberate differences. Each row
// says what every library should report; a peer the build did not link is left out, the same
// way corpusDisagreements leaves it out.
TEST(CorpusAgreement, FindsEveryExpressionTheLibrariesReadDifferently) {
    struct Case {
        const char* expression;
        const char* numira;  // the start of the expected problem, or nullptr for none
        const char* muparser;
        const char* matheval;
    };
    const Case cases[] = {
        {"2+3*4", nullptr, nullptr, nullptr},
        {"SIN(pi/6)+SQRT(2)", nullptr, nullptr, nullptr},
        {"5/0", "x (numira): division by zero", "x (muparser)", "x (matheval)"},
        {"2^3^2", nullptr, "x (muparser): 512, numira gives 64", nullptr},
        {"COTAN(1)", nullptr, "x (muparser): ", "x (matheval): "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        std::vector<std::string> expected;
        for (const Library library : libraries()) {
            const char* problem = library == Library::Numira     ? c.numira
                                  : library == Library::Muparser ? c.muparser
                                                                 : c.matheval;
            if (problem != nullptr) {
                expected.emplace_back(problem);
            }
        }
        const std::vector<std::string> problems = corpusDisagreements({{"x", c.expression}});
        ASSERT_EQ(problems.size(), expected.size());
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_TRUE(problems[i].starts_with(expected[i])) << problems[i];
        }
    }
}

TEST(CorpusShipped, HasShortLongAndDeeplyNestedExpressionsThatAllLibrariesAgreeOn) {
    const std::vector<CorpusEntry>& entries = corpus();
    EXPECT_GE(entries.size(), 25U);
    EXPECT_LE(entries.size(), 40U);
    const auto longest = std::max_element(
        entries.begin(), entries.end(),
        [](const auto& a, const auto& b) { return a.expression.size() < b.expression.size(); });
    const bool hasAbout200 = std::any_of(entries.begin(), entries.end(), [](const auto& e) {
        return e.expression.size() >= 180 && e.expression.size() <= 220;
    });
    EXPECT_TRUE(hasAbout200);
    EXPECT_GE(maxDepth(longest->expression), 50);
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [](const auto& e) { return e.expression == "2+3"; }));
    for (const std::string& problem : corpusDisagreements(entries)) {
        ADD_FAILURE() << problem;
    }
}

}  // namespace
}  // namespace numira::bench
