// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <variant>

#include "keypad/history_keys.h"
#include "keypad/paste.h"
#include "tests/keypad/calculator.h"

namespace numira::testing {
namespace {

// Everything the keys leave behind that the next key reads.
struct EntryState {
    std::string t, raised, comp;
    int typedLength, exponentMode, openParens, parenFlag;
    std::vector<int> openParensAt, exponentModeAt;
    friend bool operator==(const EntryState&, const EntryState&) = default;
    friend void PrintTo(const EntryState& s, std::ostream* out) {
        *out << s.t << " " << s.raised << " " << s.comp << " length " << s.typedLength
             << " exponent " << s.exponentMode << " open " << s.openParens << " flag "
             << s.parenFlag << " records";
        for (std::size_t i = 1; i < s.openParensAt.size(); ++i) {
            *out << " " << s.openParensAt[i] << "/" << s.exponentModeAt[i];
        }
    }
};

EntryState stateOf(const Form1& f) {
    const KeypadState& k = keypadState(f);
    const auto upTo = [&](const std::vector<int>& records) {
        std::vector<int> kept(static_cast<std::size_t>(k.typedLength) + 1, 0);
        for (std::size_t i = 1; i < kept.size() && i < records.size(); ++i) {
            kept[i] = records[i];
        }
        return kept;
    };
    return {f.t.text(),    f.t.raisedMask(),     f.comp.text,
            k.typedLength, k.exponentMode,       k.openParens,
            k.parenFlag,   upTo(k.openParensAt), upTo(k.exponentModeAt)};
}

// Random expressions typed key by key, then "=", another calculation, and the first one
// brought back from the history: the window must be as it was after that "=". The copy of
// the entry, pasted into a fresh window, must type the same expression.
TEST(History, RecallLeavesTheStateOfTheTyping) {
    constexpr Key kKeys[] = {Key::D1,    Key::D2,    Key::D7,    Key::Comma,     Key::Pi,
                             Key::E,     Key::Plus,  Key::Minus, Key::Times,     Key::Colon,
                             Key::Slash, Key::Power, Key::Power, Key::OpenParen, Key::CloseParen,
                             Key::Sin,   Key::Cotan, Key::Asin,  Key::Sqrt};
    std::mt19937 random(11);
    int compared = 0;
    int refused = 0;
    for (int run = 0; run < 400; ++run) {
        Calculator c;
        const int length = std::uniform_int_distribution<int>(1, 14)(random);
        std::string typed;
        for (int i = 0; i < length; ++i) {
            const Key key =
                kKeys[std::uniform_int_distribution<std::size_t>(0, std::size(kKeys) - 1)(random)];
            typed += std::string(keyName(key)) + " ";
            press(c.form, c.platform, key);
        }
        SCOPED_TRACE(typed);
        c.keys("=");  // closes what the typing left open
        const EntryState before = stateOf(c.form);
        if (c.form.history.size() != 1) {
            continue;  // nothing to evaluate
        }
        ++compared;
        c.keys("C 7 + 1 =");
        ASSERT_TRUE(recallHistory(c.form, c.platform, 1));
        EXPECT_EQ(stateOf(c.form), before);

        // The entry's copied line, pasted, computes what the entry showed.
        const HistoryEntry& entry = *c.form.history.fromNewest(1);
        Calculator pasted;
        if (!paste(pasted.form, pasted.platform, History::copyLine(entry))) {
            ++refused;  // a power the keys left inside a product exponent
            continue;
        }
        pasted.keys("=");
        EXPECT_EQ(pasted.form.lastFailure, entry.failure) << History::copyLine(entry);
        if (!entry.failure) {
            EXPECT_EQ(pasted.form.L.caption, entry.caption) << History::copyLine(entry);
        }
    }
    EXPECT_LT(refused, compared / 20);
    EXPECT_GT(compared, 200);
}

struct Recorded {
    std::string_view keys;
    std::size_t entries;
    std::string_view newestCaption;
    std::optional<Failure> failure;
    std::optional<bool> degrees;
    std::optional<std::string> x;
};

TEST(History, WhatEachEqualsAdds) {
    const Recorded kCases[] = {
        {"2 + 3 =", 1, "=5", {}, {}, {}},
        {"2 + 3 = = =2", 1, "=5", {}, {}, {}},
        {"2 + 3 = C 2 + 3 =", 1, "=5", {}, {}, {}},
        {"1 : 3 = round:2 =", 2, "=0,33", {}, {}, {}},
        {"=", 0, "", {}, {}, {}},
        {"5 : 0 = =", 1, "", Failure::DivisionByZero, {}, {}},
        {"sin 3 0 ) = deg =", 2, "=0,5", {}, true, {}},
        {"X + 1 =", 0, "", {}, {}, {}},
        {"X + 1 = 2 = X= 3 =", 2, "=4", {}, {}, "3"},
        {"2 + 3 M", 0, "", {}, {}, {}},
    };
    for (const Recorded& k : kCases) {
        SCOPED_TRACE(k.keys);
        Calculator c;
        c.keys(k.keys);
        ASSERT_EQ(c.form.history.size(), k.entries);
        if (k.entries == 0) {
            continue;
        }
        const HistoryEntry& newest = *c.form.history.fromNewest(0);
        EXPECT_EQ(newest.caption, k.newestCaption);
        EXPECT_EQ(newest.failure, k.failure);
        EXPECT_EQ(newest.degrees, k.degrees);
        EXPECT_EQ(newest.x, k.x);
    }
}

TEST(History, KeepsTheLastThousand) {
    Calculator c;
    for (int i = 0; i < 1005; ++i) {
        c.keys("C");
        for (const char digit : std::to_string(i)) {
            c.keys(std::string(1, digit));
        }
        c.keys("=");
    }
    ASSERT_EQ(c.form.history.size(), History::kCapacity);
    EXPECT_EQ(c.form.history.entries().front().t, "5");
    EXPECT_EQ(c.form.history.fromNewest(0)->t, "1004");
}

// "Изчистване" can be undone until the next calculation.
TEST(History, AClearCanBeUndoneUntilTheNextEntry) {
    struct Step {
        const char* action;  // "add N", "clear" or "restore"
        std::size_t size;
        bool canRestore;
    };
    const Step kSteps[] = {
        {"add 1", 1, false},   {"add 2", 2, false}, {"clear", 0, true},    {"restore", 2, false},
        {"restore", 2, false}, {"clear", 0, true},  {"add 3", 1, false},   {"restore", 1, false},
        {"clear", 0, true},    {"clear", 0, true},  {"restore", 1, false},
    };
    History history;
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.action);
        const std::string_view action = s.action;
        if (action.starts_with("add")) {
            HistoryEntry entry;
            entry.t = entry.comp = action.substr(4);
            history.add(entry);
        } else if (action == "clear") {
            history.clear();
        } else {
            history.restore();
        }
        EXPECT_EQ(history.size(), s.size);
        EXPECT_EQ(history.canRestore(), s.canRestore);
    }
    EXPECT_EQ(history.fromNewest(0)->t, "3");
}

// Up and Down as in a shell: back to older expressions, forward to newer, past the newest an
// empty box; "=" ends the walk.
TEST(History, Walk) {
    Calculator c;
    expectSteps(c, {
                       {"1 = C 2 ^ 3 = C 4 =", "4", "0", "4"},
                       {"up", "4", "0", "4"},
                       {"up", "23", "01", "2^3"},
                       {"up up up", "1", "0", "1"},
                       {"down", "23", "01", "2^3"},
                       {"down down", "", "", ""},
                       {"down", "", "", ""},
                       {"up bs 5 = up", "5", "0", "5"},
                   });
}

TEST(History, RemoveTakesOneEntryAndEndsTheWalk) {
    Calculator c;
    c.keys("1 = C 2 = C 3 = up");
    c.form.history.remove(1);
    c.form.history.remove(2);  // past the oldest: nothing
    std::string left;
    for (const HistoryEntry& e : c.form.history.entries()) {
        left += e.comp;
    }
    EXPECT_EQ(left, "13");
    EXPECT_FALSE(c.form.history.walking());
}

TEST(History, ReuseOfMissingOrFailedEntries) {
    Calculator c;
    c.keys("5 : 0 = 7");
    EXPECT_FALSE(recallHistory(c.form, c.platform, 1));
    EXPECT_EQ(c.form.takeMessage(), "В историята няма запис с номер 1.");
    EXPECT_FALSE(recallHistoryResult(c.form, c.platform, 0));
    EXPECT_EQ(c.form.takeMessage(), "Изразът „5:0“ няма резултат: Деление на нула.");
    EXPECT_EQ(c.t(), "5:07");
}

TEST(History, CopyText) {
    Calculator c;
    c.keys("1 , 5 * 2 ^ 1 0 = C 2 ^ ( 1 + 1 ) = C 2 ^ pi ^ + 1 = C 1 : 0 =");
    copyHistory(c.form, c.platform);
    EXPECT_EQ(c.platform.clipboard,
              "1,5*2^10 = 1536\n2^(1+1) = 4\n2^pi+1 = 9,82498\n1/0 = Деление на нула\n");
}

}  // namespace
}  // namespace numira::testing
