// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "engine/words.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace numira {
namespace {

// The real words are pinned once, here; every other test names the entry.
TEST(Words, GoldenFileHoldsEveryEntry) {
    std::ifstream golden(NUMIRA_WORDS_GOLDEN);
    ASSERT_TRUE(golden) << NUMIRA_WORDS_GOLDEN;
    int id = 0;
    for (std::string line; std::getline(golden, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        ASSERT_LT(id, wordCount()) << "the golden file has more lines than the catalogue: " << line;
        const Word w = static_cast<Word>(id++);
        EXPECT_EQ(line, std::string(wordName(w)) + '\t' + std::string(word(w)));
    }
    EXPECT_EQ(id, wordCount()) << "the golden file lacks the entries from "
                               << wordName(static_cast<Word>(id));
}

// The reference replaces each mark of the entry's own words by position, later mark first, so
// that the test holds whatever the words say and wherever a translation puts the marks.
std::string filledByPosition(Word id, std::string_view first, std::string_view second) {
    std::string text(word(id));
    const std::size_t at1 = text.find("%1");
    const std::size_t at2 = text.find("%2");
    if (at2 != std::string::npos && at2 > at1) {
        text.replace(at2, 2, second);
    }
    text.replace(at1, 2, first);
    if (at2 != std::string::npos && at2 < at1) {
        text.replace(at2, 2, second);
    }
    return text;
}

TEST(Words, FillsPlaceholdersInOnePass) {
    struct Case {
        Word id;
        std::string_view first, second;
    };
    // A mark inside an argument stays as typed: "%2" typed into an expression is not the reason.
    const Case cases[] = {
        {Word::HistoryHasNoResult, "5:0", "reason"},
        {Word::HistoryHasNoResult, "%2", "reason"},
        {Word::PasteRefused, "%1", "%2"},
        {Word::SystemError, "5", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(wordName(c.id)) + " " + std::string(c.first));
        EXPECT_EQ(word(c.id, {c.first, c.second}), filledByPosition(c.id, c.first, c.second));
    }
    // A missing argument leaves its mark visible rather than reading past the list.
    EXPECT_EQ(word(Word::SystemError, {}), word(Word::SystemError));
}

}  // namespace
}  // namespace numira
