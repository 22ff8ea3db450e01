// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <string_view>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// The preview after the keys; "" where the expression has no value yet or a result shows.
struct PreviewCase {
    std::string_view keys;
    std::string_view preview;
};

constexpr PreviewCase kPreviews[] = {
    {"2 + 3", "=5"},
    {"sqrt 1 6", "=4"},  // the open parenthesis closed, as "=" closes it
    {"2 * ( 3 + 1", "=8"},
    {"2 +", ""},  // waits for the operand
    {"2 ^", ""},
    {"5 / 0", ""},         // fails: nothing, not a failure
    {"2 + 3 =", ""},       // the result itself shows
    {"5 / 0 =", ""},       // the failure shows
    {"2 + 3 = 1", "=33"},  // typing on after "=" previews again
    {"1 : 3", "=0,33333"},
    {"round:2 1 : 3", "=0,33"},    // rounded as the result is
    {"menu:TF X + 1", ""},         // x has no value yet
    {"menu:TF X + 1 X= 2", "=3"},  // the value of x being typed counts
    {"menu:Preview 2 + 3", ""},    // turned off
    {"menu:Preview menu:Preview 2 + 3", "=5"},
    {"2 + 3 C", ""},
};

TEST(Preview, ShowsTheValueEqualsWouldGive) {
    for (const PreviewCase& c : kPreviews) {
        SCOPED_TRACE(c.keys);
        Calculator calc;
        calc.keys(c.keys);
        EXPECT_EQ(calc.form.preview.caption, c.preview);
        EXPECT_EQ(calc.form.menuItem("Preview")->checked, calc.form.previewOn);
    }
}

// Every expression of a table of keys, previewed and then evaluated: the preview is the
// caption "=" then shows, and nothing else the window keeps changed on the way.
TEST(Preview, AgreesWithEqualsAndTouchesNothing) {
    constexpr std::string_view kOperands[] = {"7", "sqrt 2", "pi", "( 1 - 4", "sin 3 0", "0"};
    constexpr std::string_view kOperators[] = {"+", "-", "*", ":", "^"};
    for (const std::string_view a : kOperands) {
        for (const std::string_view op : kOperators) {
            for (const std::string_view b : kOperands) {
                const std::string keys =
                    std::string(a) + " " + std::string(op) + " " + std::string(b);
                SCOPED_TRACE(keys);
                Calculator c;
                c.keys("4 0 M C");
                c.platform.clipboard = "kept";
                c.keys(keys);
                const std::string preview = c.form.preview.caption;
                EXPECT_EQ(c.form.memoryText, "M=40");
                EXPECT_EQ(c.platform.clipboard, "kept");
                EXPECT_TRUE(c.form.history.entries().empty());
                EXPECT_FALSE(c.form.L.visible);
                c.keys("=");
                EXPECT_EQ(preview, c.form.lastFailure ? "" : c.form.L.caption);
            }
        }
    }
}

}  // namespace
}  // namespace numira::testing
