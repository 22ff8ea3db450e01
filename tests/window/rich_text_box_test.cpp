// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/rich_text_box.h"

#include <gtest/gtest.h>

namespace numira {
namespace {

TEST(RichTextBox, TypedTextTakesTheTypingFormat) {
    RichTextBox box;
    box.type("2");
    box.setTypingFormat(kRaisedFormat);
    box.type("34");
    box.setTypingFormat(kBaseFormat);
    box.type("+");
    EXPECT_EQ(box.text(), "234+");
    EXPECT_EQ(box.raisedMask(), "0110");
    EXPECT_EQ(box.formats()[1], kRaisedFormat);
}

TEST(RichTextBox, TypingReplacesTheSelection) {
    RichTextBox box;
    box.type("12345");
    box.select(4, 1);
    EXPECT_EQ(box.selectedText(), "234");
    box.type("x");
    EXPECT_EQ(box.text(), "1x5");
    EXPECT_EQ(box.caret(), 2U);
}

TEST(RichTextBox, MovingTheCaretTakesTheFormatBeforeIt) {
    struct Case {
        std::string_view name;
        std::size_t position;
        bool raisedAfter;
    };
    constexpr Case kCases[] = {
        {"after a raised character", 2, true},
        {"after a base character", 1, false},
        {"at the start takes the first", 0, false},
        {"to where it already is keeps the typing format", 3, false},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.name);
        RichTextBox box;
        box.type("2");
        box.setTypingFormat(kRaisedFormat);
        box.type("3");
        box.setTypingFormat(kBaseFormat);
        box.type("+");
        box.placeCaret(k.position);
        EXPECT_EQ(box.typingFormat().raised(), k.raisedAfter);
    }
}

TEST(RichTextBox, BackspaceDeletesAndTakesTheFormatBeforeTheCaret) {
    RichTextBox box;
    box.type("2");
    box.setTypingFormat(kRaisedFormat);
    box.type("3");
    box.setTypingFormat(kBaseFormat);
    box.type("+");
    box.backspace();
    EXPECT_EQ(box.text(), "23");
    EXPECT_TRUE(box.typingFormat().raised());
    box.select(0, 2);
    box.backspace();
    EXPECT_EQ(box.text(), "");
    box.backspace();
    EXPECT_EQ(box.text(), "");
}

TEST(RichTextBox, PositionsBeyondTheTextAreClamped) {
    RichTextBox box;
    box.type("12");
    box.placeCaret(99);
    EXPECT_EQ(box.caret(), 2U);
    box.select(99, 1);
    EXPECT_EQ(box.selectedText(), "2");
}

}  // namespace
}  // namespace numira
