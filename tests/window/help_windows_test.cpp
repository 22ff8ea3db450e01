// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Which of Form3's help pages are shown, by name.
std::string shownPages(const Form1& form) {
    std::string shown;
    for (const Control& page : form.Form3.pictures) {
        shown += page.visible ? page.name + " " : "";
    }
    return shown;
}

TEST(HelpWindows, OneHelpWindowShowsTheLastPageChosen) {
    Calculator c;
    c.keys("menu:Stepen");
    EXPECT_TRUE(c.form.Form3.open);
    EXPECT_EQ(shownPages(c.form), "PicS ");
    c.keys("menu:FFun");
    EXPECT_EQ(shownPages(c.form), "Picff ");
    c.form.Form3_Unload();
    EXPECT_FALSE(c.form.Form3.open);
    c.keys("menu:Stepen");
    EXPECT_EQ(shownPages(c.form), "PicS ");
    EXPECT_EQ(c.form.Form3.caption, "ПОМОЩ");
}

TEST(HelpWindows, TeamWindow) {
    Calculator c;
    c.keys("menu:Kolektiv");
    EXPECT_TRUE(c.form.Form2.open);
    EXPECT_EQ(c.form.Form2.caption, "Творчески колектив");
    c.form.Form2_Unload();
    EXPECT_FALSE(c.form.Form2.open);
}

TEST(HelpWindows, HelpFileFromTheProgramsFolder) {
    struct Case {
        std::string_view folder;
        bool present;
        std::string_view path;
    };
    constexpr Case kCases[] = {
        {"/opt/numira", true, "/opt/numira/fORMULA.html"},
        {"/opt/numira", false, "/opt/numira/fORMULA.html"},
        {"/", true, "//fORMULA.html"},
    };
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.path);
        Calculator c;
        c.platform.folder = k.folder;
        if (k.present) {
            c.platform.helpFiles.emplace_back(k.path);
        }
        c.keys("help");
        EXPECT_EQ(c.form.helpFilePath, k.path);
        EXPECT_EQ(c.form.helpFileOpened, k.present);
        EXPECT_EQ(c.form.message.empty(), k.present);
        ASSERT_EQ(c.platform.helpRequests.size(), 1U);
    }
}

}  // namespace
}  // namespace numira::testing
