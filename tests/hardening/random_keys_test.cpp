// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// Seeded runs of random keys, menu items and timer ticks on the window model, checking after
// every event what must always hold. A failure names its seed and step so it can be replayed.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/keypad/calculator.h"

namespace {

using numira::Key;

// Every event, with the keys that build expressions more likely than the rest.
std::vector<Key> weightedKeys() {
    std::vector<Key> keys;
    for (int k = static_cast<int>(Key::D0); k <= static_cast<int>(Key::Tick2); ++k) {
        keys.push_back(static_cast<Key>(k));
    }
    const Key kCommon[] = {
        Key::D1,        Key::D2,        Key::D7,     Key::Comma, Key::Plus,      Key::Minus,
        Key::Times,     Key::Slash,     Key::Power,  Key::Power, Key::OpenParen, Key::CloseParen,
        Key::Backspace, Key::Backspace, Key::Equals, Key::X,     Key::Sin,       Key::Cotan};
    for (int i = 0; i < 3; ++i) {
        keys.insert(keys.end(), std::begin(kCommon), std::end(kCommon));
    }
    return keys;
}

std::string withoutCarets(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != '^') {
            plain += c;
        }
    }
    return plain;
}

struct KeyRun {
    unsigned seed;
    int keys;
};

void runSeed(const KeyRun& run) {
    static const std::vector<Key> kKeys = weightedKeys();
    std::mt19937 random(run.seed);
    numira::testing::Calculator calculator;
    numira::FakePlatform& platform = calculator.platform;
    numira::Form1& form = calculator.form;
    platform.clipboard = "what the user had";

    for (int step = 0; step < run.keys; ++step) {
        const Key key =
            kKeys[std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(random)];
        const std::string memoryBefore = form.Label1.caption;
        const std::string clipboardBefore = platform.clipboard;

        numira::press(form, platform, key);

        const std::string where = "seed " + std::to_string(run.seed) + ", step " +
                                  std::to_string(step) + ", key " +
                                  std::string(numira::keyName(key)) + ", t \"" + form.t.text() +
                                  "\", comp \"" + form.comp.text + "\"";
        ASSERT_GE(keypadState(form).typedLength, 0) << where;
        ASSERT_EQ(withoutCarets(form.comp.text).size(), form.t.text().size())
            << "t and comp disagree; " << where;
        ASSERT_EQ(form.t.typingFormat().raised(), keypadState(form).exponentMode)
            << "the next character would not come out where comp puts it; " << where;
        if (key != Key::MemoryStore && key != Key::MemoryClear) {
            ASSERT_EQ(form.Label1.caption, memoryBefore) << "the memory changed; " << where;
        }
        if (key != Key::MenuCopEkran && key != Key::MenuCopRez) {
            ASSERT_EQ(platform.clipboard, clipboardBefore) << "the clipboard changed; " << where;
        }
        // Keep expressions within a size a user would type, now and then.
        if (form.t.text().size() > 400) {
            numira::press(form, platform, Key::Clear);
        }
    }
}

TEST(RandomKeys, InvariantsHoldAfterEveryEvent) {
    for (unsigned seed = 1; seed <= 250; ++seed) {
        runSeed({seed, 400});
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
