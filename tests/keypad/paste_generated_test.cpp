// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "keypad/paste.h"
#include "tests/engine/keyed_expressions.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Texts in the keypad's grammar, as a user would copy them (decimal comma): pasted into an
// empty window, they either leave comp meaning what the engine makes of the text itself, or
// are refused whole with the reason shown.
TEST(PasteGenerated, PasteMeansWhatTheEngineReads) {
    constexpr int kCases = 20000;
    keyed::SeededChoices choices(20);
    Engine engine;
    int refused = 0;
    for (int n = 0; n < kCases; ++n) {
        const keyed::KeyedCase c = keyed::generate(choices);
        std::string text = c.expr;
        for (char& ch : text) {
            ch = ch == '.' ? ',' : ch;
        }
        SCOPED_TRACE(text);
        const EngineSettings settings{c.degrees, !c.xValue.empty(), c.xValue};
        const Evaluation want = engine.evaluate(text, settings);
        Calculator pasted;
        if (!paste(pasted.form, pasted.platform, text)) {
            ++refused;
            ASSERT_EQ(pasted.comp(), "");
            // A text with a value is refused only for a power the keys cannot type.
            if (want.ok()) {
                EXPECT_NE(pasted.form.message.find("в скобите на степенен"), std::string::npos)
                    << pasted.form.message;
            }
            continue;
        }
        const Evaluation got = engine.evaluate(pasted.comp(), settings);
        if (want.failure) {
            // No value either way. Which of several failing parts the engine meets first may
            // change with the parentheses the keys put around an exponent.
            ASSERT_TRUE(got.failure) << pasted.comp();
            continue;
        }
        ASSERT_FALSE(got.failure) << pasted.comp();
        ASSERT_EQ(got.numberText, want.numberText) << pasted.comp();
    }
    // Most texts have keys: only a stray character or a power inside an exponent's
    // parentheses has none.
    EXPECT_LT(refused, kCases / 5);
    RecordProperty("refused", refused);
}

}  // namespace
}  // namespace numira::testing
