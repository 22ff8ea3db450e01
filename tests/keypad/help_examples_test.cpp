#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <variant>

#include "keypad/text_keys.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Every example of the help file, typed as the user would and followed by "=", shows what the
// help says: the result after "=", or the reason the window gives. An example reads
//   <span class="example" data-keys="deg round:7"><kbd>Sin(pi:6)</kbd> → <b>0,0091384</b></span>
// where data-keys (the settings first) is optional.
TEST(HelpFile, EveryExampleGivesWhatTheHelpStates) {
    std::ifstream file(NUMIRA_HELP_FILE);
    ASSERT_TRUE(file) << NUMIRA_HELP_FILE;
    const std::string html{std::istreambuf_iterator<char>(file), {}};
    const std::regex example(
        R"re(<span class="example"(?: data-keys="([^"]*)")?><kbd>([^<]*)</kbd> → <b>([^<]*)</b></span>)re");
    int checked = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), example);
         it != std::sregex_iterator(); ++it, ++checked) {
        const std::string settings = (*it)[1];
        const std::string typed = (*it)[2];
        const std::string stated = (*it)[3];
        SCOPED_TRACE(typed + " (" + settings + ")");
        Calculator c;
        c.keys("menu:TF " + settings);
        const auto keys = keysForText(typed);
        ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(keys));
        for (Key key : std::get<std::vector<Key>>(keys)) {
            press(c.form, c.platform, key);
        }
        c.keys("=");
        const std::string shown =
            c.form.L.visible ? c.form.L.caption.substr(1) : c.form.failureShown.words;
        EXPECT_EQ(shown, stated);
    }
    const std::regex marked(R"(class="example")");
    EXPECT_EQ(checked, std::distance(std::sregex_iterator(html.begin(), html.end(), marked), {}))
        << "an example the test cannot read";
    EXPECT_GE(checked, 10);
}

}  // namespace
}  // namespace numira::testing
