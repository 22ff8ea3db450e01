// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "keypad/keypad_state.h"
#include "keypad/keys.h"
#include "window/fake_platform.h"
#include "window/form1.h"

namespace numira::testing {

// A started window driven by command-line key names ("2 ^ 3 + bs").
struct Calculator {
    FakePlatform platform;
    Form1 form{platform};

    explicit Calculator(float screenTwips = 1920.0F * 15.0F) {
        platform.screenTwips = screenTwips;
        form.Form_Load();
        form.processKeystrokes();
        form.takeDelivered();
    }

    void keys(std::string_view names) {
        while (!names.empty()) {
            const std::size_t space = names.find(' ');
            const std::string_view name = names.substr(0, space);
            names = space == std::string_view::npos ? std::string_view{} : names.substr(space + 1);
            if (name.empty()) {
                continue;
            }
            const auto key = keyForName(name);
            if (!key) {
                ADD_FAILURE() << "no key named " << name;
                return;
            }
            press(form, platform, *key);
        }
    }

    std::string t() const { return form.t.text(); }
    std::string raised() const { return form.t.raisedMask(); }
    std::string comp() const { return form.comp.text; }
    // What the next character typed into t would look like: '1' raised, '0' not.
    char nextLevel() const { return form.t.typingFormat().raised() ? '1' : '0'; }
};

// One step of a table: keys pressed, then what t shows (text and raised characters) and
// what comp holds.
struct Step {
    std::string_view keys;
    std::string_view t;
    std::string_view raised;
    std::string_view comp;
};

inline void expectSteps(Calculator& c, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string("after keys: ") + std::string(s.keys));
        c.keys(s.keys);
        EXPECT_EQ(c.t(), s.t);
        EXPECT_EQ(c.raised(), s.raised);
        EXPECT_EQ(c.comp(), s.comp);
    }
}

}  // namespace numira::testing
