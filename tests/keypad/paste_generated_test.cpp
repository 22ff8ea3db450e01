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
        Calculator pasted;
        if (!paste(pasted.form, pasted.platform, text)) {
            ++refused;
            ASSERT_EQ(pasted.comp(), "");
            ASSERT_FALSE(pasted.form.message.empty());
            EXPECT_NE(pasted.form.message.find("в скобите на степенен"), std::string::npos)
                << pasted.form.message;
            continue;
        }
        const Evaluation want = engine.evaluate(text, settings);
        const Evaluation got = engine.evaluate(pasted.comp(), settings);
        ASSERT_EQ(got.failure, want.failure) << pasted.comp();
        ASSERT_EQ(got.numberText, want.numberText) << pasted.comp();
    }
    // Only a power inside an exponent's parentheses has no keys; most texts have none.
    EXPECT_LT(refused, kCases / 5);
    RecordProperty("refused", refused);
}

}  // namespace
}  // namespace numira::testing
