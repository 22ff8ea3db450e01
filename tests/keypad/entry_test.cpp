// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "keypad/entry.h"
#include "keypad/paste.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Keys from a fresh window, then the two boxes, the raised characters and the result.
struct Typed {
    std::string_view keys, t, raised, comp, caption;
};

void expectTyped(Calculator& c, const Typed& k) {
    c.keys(k.keys);
    EXPECT_EQ(c.t(), k.t);
    EXPECT_EQ(c.raised(), k.raised);
    EXPECT_EQ(c.comp(), k.comp);
    EXPECT_EQ(c.form.L.caption, k.caption);
}

TEST(EntryAndExponents, DigitsCommaAndPiTypeBothNotations) {
    Calculator c;
    expectSteps(c, {
                       {"2", "2", "0", "2"},
                       {",", "2,", "00", "2."},
                       {"5", "2,5", "000", "2.5"},
                       {"pi", "2,5pi", "00000", "2.5pi"},
                       {"e", "2,5pie", "000000", "2.5pie"},
                   });
    EXPECT_EQ(keypadState(c.form).typedLength, 6);
}

TEST(EntryAndExponents, EveryDigitKey) {
    Calculator c;
    c.keys("1 2 3 4 5 6 7 8 9 0");
    EXPECT_EQ(c.t(), "1234567890");
    EXPECT_EQ(c.comp(), "1234567890");
    EXPECT_EQ(keypadState(c.form).typedLength, 10);
}

TEST(EntryAndExponents, OperatorsTypeTheirTwoSpellings) {
    struct Case {
        std::string_view key, display, engine;
    };
    constexpr Case kCases[] = {
        {"+", "+", "+"}, {"-", "-", "-"}, {"*", ".", "*"}, {":", ":", "/"}, {"/", "/", "/"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.key);
        Calculator c;
        c.keys("6");
        c.keys(k.key);
        EXPECT_EQ(c.t(), "6" + std::string(k.display));
        EXPECT_EQ(c.comp(), "6" + std::string(k.engine));
        EXPECT_EQ(keypadState(c.form).typedLength, 2);
    }
}

TEST(EntryAndExponents, FunctionKeysTypeAsManyCharactersAsTheyAppend) {
    for (const KeyRow& row : keyTable()) {
        if (row.text.kind != KeyKind::Function) {
            continue;
        }
        SCOPED_TRACE(row.cliName);
        const std::string display = std::string(row.text.shown) + "(";
        const std::string engine = std::string(row.text.engine) + "(";
        Calculator c;
        c.keys(row.cliName);
        EXPECT_EQ(c.t(), display);
        EXPECT_EQ(c.comp(), engine);
        EXPECT_EQ(keypadState(c.form).typedLength, static_cast<int>(display.size()));
        EXPECT_EQ(keypadState(c.form).openParens, 0) << "not counted outside an exponent";
        // Inside an exponent the same key starts the count of parentheses.
        Calculator raised;
        raised.keys("2 ^");
        raised.keys(row.cliName);
        EXPECT_EQ(raised.t(), "2" + display);
        EXPECT_EQ(raised.raised(), "0" + std::string(display.size(), '1'));
        EXPECT_EQ(raised.comp(), "2^" + engine);
        EXPECT_EQ(keypadState(raised.form).openParens, 1);
        EXPECT_EQ(keypadState(raised.form).parenFlag, 1);
    }
}

// A function key after a number is a product, and gives the same value typed, pasted and
// recalled from the history as the product typed with its sign: each path reads the key's
// row (the engine's implied product, paste's names, the history's words).
TEST(EntryAndExponents, EveryFunctionKeyGivesOneValueOnEveryPath) {
    for (const KeyRow& row : keyTable()) {
        if (row.text.kind != KeyKind::Function) {
            continue;
        }
        SCOPED_TRACE(row.cliName);
        const std::string name(row.cliName);
        Calculator product;
        product.keys("2 * " + name + " 1 =");
        ASSERT_FALSE(product.form.lastFailure) << product.form.failureShown.words;
        Calculator typed;
        typed.keys("2 " + name + " 1");
        Calculator pasted;
        ASSERT_TRUE(paste(pasted.form, pasted.platform, typed.t())) << pasted.form.message;
        EXPECT_EQ(pasted.comp(), typed.comp());
        for (Calculator* c : {&typed, &pasted}) {
            c->keys("=");
            EXPECT_EQ(c->form.L.caption, product.form.L.caption);
        }
        typed.keys("C up");
        EXPECT_EQ(typed.comp(), pasted.comp());
    }
}

TEST(EntryAndExponents, PowerRaisesUntilAnOperator) {
    Calculator c;
    expectSteps(c, {
                       {"2", "2", "0", "2"},
                       {"^", "2", "0", "2^"},
                       {"3", "23", "01", "2^3"},
                       {"+", "23+", "010", "2^3+"},
                       {"1", "23+1", "0100", "2^3+1"},
                   });
}

TEST(EntryAndExponents, ParenthesesInsideAnExponentStayRaised) {
    Calculator c;
    expectSteps(c, {
                       {"2 ^ (", "2(", "01", "2^("},
                       {"3 +", "2(3+", "0111", "2^(3+"},
                       {"1", "2(3+1", "01111", "2^(3+1"},
                       {")", "2(3+1)", "011111", "2^(3+1)"},
                       {"*", "2(3+1).", "0111110", "2^(3+1)*"},
                   });
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    EXPECT_EQ(keypadState(c.form).openParens, 0);
    EXPECT_EQ(keypadState(c.form).parenFlag, 0);
}

TEST(EntryAndExponents, FunctionInExponentEndsWithItsParenthesis) {
    Calculator c;
    c.keys("2 ^ sin 3");
    EXPECT_EQ(keypadState(c.form).openParens, 1);
    c.keys(")");
    EXPECT_EQ(keypadState(c.form).openParens, 0);
    EXPECT_EQ(keypadState(c.form).parenFlag, 0);
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    c.keys("+");
    EXPECT_EQ(c.raised(), "01111110");
    EXPECT_EQ(c.comp(), "2^SIN(3)+");
}

TEST(EntryAndExponents, PowerKeyStates) {
    struct Case {
        std::string_view keys, comp;
        int exponentMode;
        bool redArrow;
    };
    constexpr Case kCases[] = {
        {"^", "", 0, false},  // nothing to raise
        {"2 ^", "2^", 1, true},
        {"2 ^ ^", "2", 0, false},  // started and ended empty
        {"2 ^ 3 ^ +", "2^3+", 0, false},
        {"2 ^ ( 3 ^", "2^(3", 1, true},  // ignored while a parenthesis is open
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        c.keys(k.keys);
        EXPECT_EQ(c.comp(), k.comp);
        EXPECT_EQ(keypadState(c.form).exponentMode, k.exponentMode);
        EXPECT_EQ(c.form.Pic2.visible, k.redArrow);
        EXPECT_EQ(c.nextLevel(), k.exponentMode ? '1' : '0');
    }
}

TEST(EntryAndExponents, OperandAfterAnEndedExponentIsAFactorOfItsOwn) {
    constexpr Typed kCases[] = {
        {"2 ^ 3 ^ 4 =", "23.4", "0100", "2^3*4", "=32"},
        {"2 ^ 3 ^ , 5 =", "23.,5", "01000", "2^3*.5", "=4"},
        {"2 ^ 3 ^ pi", "23.pi", "01000", "2^3*pi", ""},
        {"2 ^ 3 ^ sqrt 4 ) =", "23.SQRT(4)", "0100000000", "2^3*SQRT(4)", "=16"},
        {"2 ^ 3 ( 1 + 1 ) =", "23.(1+1)", "01000000", "2^3*(1+1)", "=16"},
        {"2 ^ ( 1 ) 3 =", "2(1).3", "011100", "2^(1)*3", "=6"},
        {"menu:TF 2 ^ 3 ^ X", "23.x", "0100", "2^3*x", ""},
        // Inside the exponent the product is the exponent, as it is shown raised.
        {"2 ^ 3 pi =", "23pi", "0111", "2^3pi", "=687,29134"},
        {"2 ^ 2 sin 0 ) =", "22Sin(0)", "01111111", "2^2SIN(0)", "=1"},
        // An operator already separates them.
        {"2 ^ 3 + 4 =", "23+4", "0100", "2^3+4", "=12"},
    };
    for (const Typed& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        expectTyped(c, k);
    }
}

TEST(EntryAndExponents, MemoryRecalledAfterAnEndedExponentIsAFactor) {
    Calculator c;
    c.keys("5 = M C 2 ^ 3 ^ MR =");
    EXPECT_EQ(c.t(), "23.5");
    EXPECT_EQ(c.comp(), "2^3*5");
    EXPECT_EQ(c.form.L.caption, "=40");
}

TEST(EntryAndExponents, BackspaceRemovesTheDotLikeAnyCharacter) {
    Calculator c;
    c.keys("2 ^ 3 ^ 4 bs bs");
    EXPECT_EQ(c.t(), "23");
    EXPECT_EQ(c.comp(), "2^3");
}

TEST(EntryAndExponents, PowerOnEmptyBoxDoesNotEvenUnlock) {
    Calculator c;
    c.keys("tick1");
    ASSERT_TRUE(c.form.t.readOnly);
    c.keys("^");
    EXPECT_TRUE(c.form.t.readOnly);
    EXPECT_FALSE(c.form.Timer1.enabled);
}

TEST(EntryAndExponents, EmptyExponentNeverReachesComp) {
    struct Case {
        std::string_view keys, t, comp;
    };
    constexpr Case kCases[] = {
        {"2 ^ + 3", "2+3", "2+3"},
        {"2 ^ - 3", "2-3", "2-3"},
        {"2 ^ : 3 =", "2:3", "2/3"},
        {"2 ^ ) 3", "2)3", "2)3"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        c.keys(k.keys);
        EXPECT_EQ(c.t(), k.t);
        EXPECT_EQ(c.comp(), k.comp);
        EXPECT_EQ(c.raised(), std::string(k.t.size(), '0'));
    }
}

TEST(EntryAndExponents, EmptyExponentIsForgottenByBackspace) {
    Calculator c;
    c.keys("2 ^ + bs 3");
    EXPECT_EQ(c.comp(), "23");
    EXPECT_EQ(c.raised(), "00") << "the exponent was dropped, so 3 is not raised";
}

TEST(EntryAndExponents, CotangentIsOneFunctionOfSixCharacters) {
    Calculator c;
    c.keys("8 / cotan");
    EXPECT_EQ(c.t(), "8/Cotan(");
    EXPECT_EQ(c.comp(), "8/COTAN(");
    EXPECT_EQ(keypadState(c.form).typedLength, 8);
    Calculator raised;
    raised.keys("2 ^ cotan 4 5 ) + 1 deg =");
    EXPECT_EQ(raised.t(), "2Cotan(45)+1");
    EXPECT_EQ(raised.raised(), "011111111100");
    EXPECT_EQ(raised.comp(), "2^COTAN(45)+1");
    EXPECT_EQ(raised.form.L.caption, "=3");
}

TEST(EntryAndExponents, OpenParenthesisRecordsTheLevelItLeaves) {
    // "(" after an exponent's digits ends the exponent (a factor follows it); a backspace
    // to it must not bring the exponent back.
    Calculator c;
    c.keys("2 ^ 3 ( 4 bs");
    EXPECT_EQ(c.comp(), "2^3*(");
    EXPECT_EQ(c.raised(), "0100");
    EXPECT_EQ(keypadState(c.form).exponentMode, 0);
    c.keys("5");
    EXPECT_EQ(c.raised(), "01000");
}

TEST(EntryAndExponents, CloseParenthesisGoesToTheEndOfTheBox) {
    struct Case {
        std::string_view name;
        void (*before)(Form1&);
    };
    const Case kCases[] = {
        {"after copying the screen", [](Form1& f) { f.CopEkran_Click(); }},
        {"after a click at the start", [](Form1& f) { f.t_Click(0); }},
        {"after a click in the middle", [](Form1& f) { f.t_Click(2); }},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.name);
        Calculator c;
        c.keys("( 1 + 2");
        k.before(c.form);
        c.form.processKeystrokes();
        c.keys(")");
        EXPECT_EQ(c.t(), "(1+2)");
        EXPECT_EQ(c.comp(), "(1+2)");
        c.keys("=");
        EXPECT_EQ(c.form.L.caption, "=3");
    }
}

TEST(EntryAndExponents, EqualsClosesTheParenthesesLeftOpen) {
    constexpr Typed kCases[] = {
        {"sqrt 1 6 =", "SQRT(16)", "00000000", "SQRT(16)", "=4"},
        {"2 ^ 3 + sqrt 1 6 =", "23+SQRT(16)", "01000000000", "2^3+SQRT(16)", "=12"},
        {"2 ^ ( 1 + 1 =", "2(1+1)", "011111", "2^(1+1)", "=4"},
        {"( ( 2 + 3 ) * 2 =", "((2+3).2)", "000000000", "((2+3)*2)", "=10"},
        {"sqrt 1 6 = bs =", "SQRT(16)", "00000000", "SQRT(16)", "=4"},
        {"menu:TF sin X X= 0 =", "Sin(x)", "000000", "SIN(x)", "=0"},
        {"2 + 3 ) ( =", "2+3)(", "00000", "2+3)(", ""},  // a ")" too many stays the user's
    };
    for (const Typed& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        expectTyped(c, k);
        EXPECT_EQ(keypadState(c.form).openParens, 0);
        EXPECT_EQ(keypadState(c.form).typedLength, static_cast<int>(k.t.size()));
    }
}

TEST(EntryAndExponents, KeysTypeAtTheEndAtTheLevelOfComp) {
    // Copying the screen selects the text; the next key must neither replace it nor take
    // the format of the last character.
    Calculator c;
    c.keys("2 ^ menu:CopEkran 3");
    EXPECT_EQ(c.platform.clipboard, "2");
    EXPECT_EQ(c.t(), "23");
    EXPECT_EQ(c.raised(), "01");
    EXPECT_EQ(c.comp(), "2^3");
    // "(" right after the exponent's digits ends the exponent (it is not counted).
    c.keys("( 1 menu:CopEkran ) -");
    EXPECT_EQ(c.t(), "23.(1)-");
    EXPECT_EQ(c.raised(), "0100000");
    EXPECT_EQ(c.comp(), "2^3*(1)-");
}

TEST(EntryAndExponents, XEntryModeTypesTheValueOfX) {
    Calculator c;
    c.keys("menu:TF X X= 1 , 5 pi");
    EXPECT_EQ(c.form.Label4.caption, "1,5pi");
    EXPECT_EQ(c.t(), "x");
    EXPECT_EQ(c.comp(), "x");
    EXPECT_EQ(keypadState(c.form).typedLength, 1);
    c.keys("sin");  // a function key stays in x-entry mode
    EXPECT_TRUE(c.form.Label3.visible);
    EXPECT_EQ(c.t(), "xSin(");
    c.keys("+");  // an operator leaves it
    EXPECT_FALSE(c.form.Label3.visible);
    EXPECT_FALSE(c.form.Label4.visible);
    EXPECT_EQ(c.form.Label4.caption, "");
    EXPECT_EQ(keypadState(c.form).xEntryMode, 0);
    EXPECT_EQ(c.t(), "xSin(+");
}

TEST(EntryAndExponents, LevelArrowsFollowTheExponent) {
    Calculator c;
    c.keys("2 ^ 3");
    EXPECT_TRUE(c.form.Pic2.visible);
    EXPECT_TRUE(c.form.Pic1.visible);
    c.keys("+");
    EXPECT_FALSE(c.form.Pic2.visible);
    EXPECT_TRUE(c.form.Pic1.visible);
}

TEST(EntryAndExponents, NoLimitOnThePositions) {
    Calculator c;
    for (int i = 0; i < 1000; ++i) {
        c.keys(i % 7 == 3 ? "^" : "7");
    }
    // Every exponent the power key ended is followed by a multiplication dot.
    std::string expected;
    for (char ch : c.comp()) {
        if (ch != '^') {
            expected += ch == '*' ? '.' : ch;
        }
    }
    EXPECT_EQ(c.t(), expected);
    EXPECT_GT(c.t().size(), 900u);
    EXPECT_EQ(keypadState(c.form).typedLength, static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        c.keys("bs");
    }
    EXPECT_EQ(c.t(), "");
    EXPECT_EQ(c.comp(), "");
    EXPECT_EQ(keypadState(c.form).typedLength, 0);
}

TEST(EntryAndExponents, RandomKeysKeepBothBoxesInStep) {
    constexpr std::string_view kKeys[] = {
        "1",
        "2",
        ",",
        "pi",
        "e",
        "+",
        "-",
        "*",
        ":",
        "/",
        "^",
        "^",
        "sqrt",
        "sin",
        "cotan",
        "asin",
        "(",
        ")",
        ")",
        "bs",
        "bs",
        "bs",
        "X",
        "X=",
        "XC",
        "M",
        "MR",
        "=",
        "menu:CopEkran",
        "C",
        "tick1",
        "tick2",
        "deg",
    };
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kKeys) - 1);
    for (int run = 0; run < 40; ++run) {
        Calculator c;
        std::string pressed;
        for (int i = 0; i < 150; ++i) {
            const std::string_view key = kKeys[pick(random)];
            pressed += std::string(key) + " ";
            c.keys(key);
            std::string engine = c.comp();
            std::erase(engine, '^');
            ASSERT_EQ(c.t().size(), engine.size()) << pressed;
            ASSERT_EQ(c.raised().size(), c.t().size()) << pressed;
            for (std::size_t p = 0; p + 1 < c.comp().size(); ++p) {
                const char after = c.comp()[p + 1];
                ASSERT_FALSE(c.comp()[p] == '^' &&
                             std::string_view("+-*/)").find(after) != std::string_view::npos)
                    << "an empty exponent reached comp: " << pressed;
            }
        }
    }
}

}  // namespace
}  // namespace numira::testing
