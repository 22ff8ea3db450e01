// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>

#include "keypad/paste.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Every example of the help file, typed as the user would and followed by "=", shows what the
// help says: the result after "=", or the reason the window gives. An example reads
//   <span class="example" data-keys="deg round:7"><kbd>Sin(pi:6)</kbd> → <b>0,0091384</b></span>
// where data-keys (the settings first) is optional.
// The text between `open` and `close` from `at` on, moving `at` past it; nullopt when the
// marks are not where an example has them. (std::regex trips GCC 12's uninitialised-use
// warning in the sanitizer build.)
std::optional<std::string> between(const std::string& html, std::size_t& at, std::string_view open,
                                   std::string_view close) {
    if (html.compare(at, open.size(), open) != 0) {
        return std::nullopt;
    }
    const std::size_t end = html.find(close, at + open.size());
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::string text = html.substr(at + open.size(), end - at - open.size());
    at = end + close.size();
    return text;
}

TEST(HelpFile, EveryExampleGivesWhatTheHelpStates) {
    std::ifstream file(NUMIRA_HELP_FILE);
    ASSERT_TRUE(file) << NUMIRA_HELP_FILE;
    const std::string html{std::istreambuf_iterator<char>(file), {}};
    int checked = 0;
    for (std::size_t at = html.find("<span class=\"example\""); at != std::string::npos;
         at = html.find("<span class=\"example\"", at), ++checked) {
        at += std::string_view("<span class=\"example\"").size();
        std::string settings;
        if (html.compare(at, 1, ">") != 0) {
            const auto keys = between(html, at, " data-keys=\"", "\"");
            ASSERT_TRUE(keys) << "an example the test cannot read at " << at;
            settings = *keys;
        }
        const auto typed = between(html, at, "><kbd>", "</kbd>");
        const auto stated = typed ? between(html, at, " → <b>", "</b></span>") : std::nullopt;
        ASSERT_TRUE(stated) << "an example the test cannot read at " << at;
        SCOPED_TRACE(*typed + " (" + settings + ")");
        Calculator c;
        c.keys("menu:TF " + settings);
        const auto keys = keysForText(*typed);
        ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(keys));
        for (Key key : std::get<std::vector<Key>>(keys)) {
            press(c.form, c.platform, key);
        }
        c.keys("=");
        const std::string shown =
            c.form.L.visible ? c.form.L.caption.substr(1) : c.form.failureShown.words;
        EXPECT_EQ(shown, *stated);
    }
    EXPECT_GE(checked, 10);
}

}  // namespace
}  // namespace numira::testing
