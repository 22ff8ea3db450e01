// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/history_keys.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/words.h"
#include "keypad/entry.h"
#include "keypad/keypad_state.h"
#include "keypad/keys.h"

namespace numira {

namespace {

// One part of the expression box's text: the key that types it, or a number MR typed in
// exponent form (no key types its "E").
struct Part {
    std::size_t at = 0;
    std::size_t length = 0;
    std::optional<Key> key;
};

struct TypedWord {
    std::string text;
    Key key;
};

// What the keys type into the box: each key's shown text, a function's with its "(".
const std::vector<TypedWord>& typedWords() {
    static const std::vector<TypedWord> words = [] {
        std::vector<TypedWord> out;
        for (const KeyRow& row : keyTable()) {
            const KeyText& text = row.text;
            if (text.kind != KeyKind::None) {
                out.push_back({text.shownTyped(), row.key});
            }
        }
        return out;
    }();
    return words;
}

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == ',';
}

// The length of a number in exponent form at `at` ("1,5E+20"), or 0.
std::size_t exponentNumberAt(std::string_view text, std::size_t at) {
    std::size_t i = at;
    while (i < text.size() && isNumberCharacter(text[i])) {
        ++i;
    }
    if (i == at || i + 2 >= text.size() || text[i] != 'E' ||
        (text[i + 1] != '+' && text[i + 1] != '-')) {
        return 0;
    }
    i += 2;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    return i > digits ? i - at : 0;
}

// The parts of t, or nothing when a character belongs to none.
std::optional<std::vector<Part>> partsOf(std::string_view t) {
    std::vector<Part> parts;
    std::size_t i = 0;
    while (i < t.size()) {
        if (const std::size_t length = exponentNumberAt(t, i)) {
            parts.push_back({i, length, std::nullopt});
            i += length;
            continue;
        }
        // The longest word, where one begins another.
        const TypedWord* found = nullptr;
        for (const TypedWord& word : typedWords()) {
            if (t.substr(i).starts_with(word.text) &&
                (found == nullptr || word.text.size() > found->text.size())) {
                found = &word;
            }
        }
        if (found == nullptr) {
            return std::nullopt;
        }
        parts.push_back({i, found->text.size(), found->key});
        i += found->text.size();
    }
    return parts;
}

void setLevel(Form1& f, Platform& platform, bool raised) {
    if (keypadState(f).exponentMode != raised) {
        press(f, platform, Key::Power);
    }
}

// Keys that end an open exponent by themselves, leaving the record of its last position as
// it was; the power key would set that record to the base line.
bool endsExponent(Key key) {
    const KeyKind kind = keyRow(key).text.kind;
    return kind == KeyKind::Operator || kind == KeyKind::Parenthesis;
}

// Before the part at `at`: the power key where the typing pressed it.
void levelBefore(Form1& f, Platform& platform, const HistoryEntry& entry,
                 const std::vector<bool>& powers, const Part& part) {
    const bool raised = part.at < entry.raised.size() && entry.raised[part.at] == '1';
    if (powers[part.at]) {
        setLevel(f, platform, false);
        setLevel(f, platform, true);
    } else if (raised || !part.key || !endsExponent(*part.key) ||
               (part.at < entry.exponentModeAt.size() && entry.exponentModeAt[part.at] == 0)) {
        setLevel(f, platform, raised);
    }
}

const HistoryEntry* entryOrMessage(Form1& f, std::size_t n) {
    const HistoryEntry* entry = f.history.fromNewest(n);
    if (entry == nullptr) {
        f.message = word(numira::Word::NoHistoryEntry, {std::to_string(n)});
    }
    return entry;
}

}  // namespace

bool recallHistory(Form1& f, Platform& platform, std::size_t n) {
    const HistoryEntry* found = entryOrMessage(f, n);
    if (found == nullptr) {
        return false;
    }
    // A copy: the keys below work on the window that holds the history.
    const HistoryEntry entry = *found;
    const auto parts = partsOf(entry.t);
    if (!parts) {
        f.message = word(numira::Word::CannotRetype, {entry.t});
        return false;
    }
    const std::vector<bool> powers = History::powerMarks(entry);
    press(f, platform, Key::Clear);
    for (const Part& part : *parts) {
        levelBefore(f, platform, entry, powers, part);
        if (part.key) {
            press(f, platform, *part.key);
        } else {
            typeRecalled(f, std::string_view(entry.t).substr(part.at, part.length));
            f.processKeystrokes();
        }
    }
    if (powers[entry.t.size()]) {
        setLevel(f, platform, false);
        setLevel(f, platform, true);
    }
    setLevel(f, platform, entry.exponentMode > 0);
    return true;
}

bool recallHistoryResult(Form1& f, Platform& platform, std::size_t n) {
    const HistoryEntry* entry = entryOrMessage(f, n);
    if (entry == nullptr) {
        return false;
    }
    if (entry->failure) {
        f.message = word(numira::Word::HistoryHasNoResult, {entry->t, History::resultText(*entry)});
        return false;
    }
    f.setPlatform(platform);
    f.clearFailure();
    typeRecalled(f, History::resultText(*entry));
    f.processKeystrokes();
    return true;
}

void copyHistory(Form1& f, Platform& platform) {
    platform.clearClipboard();
    platform.setClipboardText(f.history.copyText());
}

}  // namespace numira
