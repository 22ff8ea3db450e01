// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/history_keys.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

struct Word {
    std::string_view text;
    Key key;
};

// What the keys type into the box, longest first where one begins another.
constexpr std::array kWords{
    Word{"Cotan(", Key::Cotan}, Word{"Asin(", Key::Asin}, Word{"Acos(", Key::Acos},
    Word{"Atan(", Key::Atan},   Word{"SQRT(", Key::Sqrt}, Word{"Sin(", Key::Sin},
    Word{"Cos(", Key::Cos},     Word{"Tan(", Key::Tan},   Word{"pi", Key::Pi},
    Word{"0", Key::D0},         Word{"1", Key::D1},       Word{"2", Key::D2},
    Word{"3", Key::D3},         Word{"4", Key::D4},       Word{"5", Key::D5},
    Word{"6", Key::D6},         Word{"7", Key::D7},       Word{"8", Key::D8},
    Word{"9", Key::D9},         Word{",", Key::Comma},    Word{"e", Key::E},
    Word{"+", Key::Plus},       Word{"-", Key::Minus},    Word{".", Key::Times},
    Word{":", Key::Colon},      Word{"/", Key::Slash},    Word{"(", Key::OpenParen},
    Word{")", Key::CloseParen}, Word{"x", Key::X},
};

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
        const Word* found = nullptr;
        for (const Word& word : kWords) {
            if (t.substr(i).starts_with(word.text)) {
                found = &word;
                break;
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
    switch (key) {
        case Key::Plus:
        case Key::Minus:
        case Key::Times:
        case Key::Colon:
        case Key::Slash:
        case Key::OpenParen:
        case Key::CloseParen:
            return true;
        default:
            return false;
    }
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
        f.message = "В историята няма запис с номер " + std::to_string(n) + ".";
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
        f.message = "Изразът „" + entry.t + "“ не може да бъде набран отново.";
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
        f.message =
            "Изразът „" + entry->t + "“ няма резултат: " + History::resultText(*entry) + ".";
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
