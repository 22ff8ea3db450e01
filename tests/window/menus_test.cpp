// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "engine/words.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

TEST(Menus, AdditionalFunctionsToggle) {
    Calculator c;
    c.keys("menu:TF");
    EXPECT_TRUE(c.form.F2.visible);
    EXPECT_TRUE(c.form.Frame2.visible);
    EXPECT_EQ(c.form.windowHeight, 6900);
    EXPECT_EQ(c.form.Line5.y2, 5960);
    EXPECT_EQ(c.form.Line6.y2, 5960);
    EXPECT_EQ(c.form.menuItem("TF")->caption, word(Word::HidePanels));
    c.keys("deg menu:TF");
    EXPECT_FALSE(c.form.F2.visible);
    EXPECT_FALSE(c.form.Frame2.visible);
    EXPECT_EQ(c.form.windowHeight, 5100);
    EXPECT_EQ(c.form.Line5.y2, 4125);
    EXPECT_EQ(c.form.Line6.y2, 4125);
    EXPECT_EQ(c.form.menuItem("TF")->caption, word(Word::ShowPanels));
    EXPECT_TRUE(c.form.degreesMode) << "the angle unit survives hiding the panel";
}

TEST(Menus, ComputerNotationToggle) {
    Calculator c;
    c.keys("menu:KomEkran");
    EXPECT_TRUE(c.form.comp.visible);
    EXPECT_EQ(c.form.menuItem("KomEkran")->caption, word(Word::HideComp));
    c.keys("menu:KomEkran");
    EXPECT_FALSE(c.form.comp.visible);
    EXPECT_EQ(c.form.menuItem("KomEkran")->caption, word(Word::ShowComp));
}

TEST(Menus, CopyResultCopiesTheCaptionAsShown) {
    Calculator c;
    c.keys("5 * 5 = menu:CopRez");
    EXPECT_EQ(c.platform.clipboard, "=25");
    c.keys("1 menu:CopRez");
    EXPECT_FALSE(c.form.L.visible);
    EXPECT_EQ(c.platform.clipboard, "=25") << "the caption L last had";
    c.keys("C menu:CopRez");
    EXPECT_EQ(c.platform.clipboard, "");
}

TEST(Menus, CopyScreenCopiesTheExpressionAndSelectsIt) {
    Calculator c;
    c.keys("1 + sin 2 menu:CopEkran");
    EXPECT_EQ(c.platform.clipboard, "1+sin(2");
    EXPECT_EQ(c.form.t.selectionLength(), 7U);
    c.form.t_Click(2);
    c.keys("menu:CopEkran");
    EXPECT_EQ(c.platform.clipboard, "1+") << "only the part before the caret";
    c.keys("3");
    EXPECT_EQ(c.t(), "1+Sin(23");
}

}  // namespace
}  // namespace numira::testing
