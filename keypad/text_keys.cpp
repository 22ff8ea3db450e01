#include "keypad/text_keys.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "keypad/utf8.h"

namespace numira {

namespace {

std::optional<int> superscriptDigit(char32_t c) {
    switch (c) {
        case U'\u2070':
            return 0;
        case U'\u00B9':
            return 1;
        case U'\u00B2':
            return 2;
        case U'\u00B3':
            return 3;
        default:
            if (c >= U'\u2074' && c <= U'\u2079') {
                return static_cast<int>(c - U'\u2070');
            }
            return std::nullopt;
    }
}

Key digitKey(int digit) {
    return static_cast<Key>(static_cast<int>(Key::D0) + digit);
}

// Characters after which a raised run ends by itself (their keys run dolu).
bool endsExponent(char32_t c) {
    switch (c) {
        case U'+':
        case U'-':
        case U'*':
        case U'\u00D7':
        case U'\u00B7':
        case U':':
        case U'/':
        case U'\u00F7':
        case U')':
        case U'=':
            return true;
        default:
            return false;
    }
}

struct FunctionName {
    std::string_view name;
    Key key;
};

// The function names a pasted text may spell. No name begins another, so at most one matches
// at a place and their order does not matter.
constexpr std::array kFunctions{
    FunctionName{"cotan", Key::Cotan}, FunctionName{"asin", Key::Asin},
    FunctionName{"acos", Key::Acos},   FunctionName{"atan", Key::Atan},
    FunctionName{"sqrt", Key::Sqrt},   FunctionName{"sin", Key::Sin},
    FunctionName{"cos", Key::Cos},     FunctionName{"tan", Key::Tan},
};

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) {
            return false;
        }
    }
    return true;
}

std::size_t skipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    return at;
}

}  // namespace

std::optional<Key> keyForTyped(char32_t c) {
    for (const KeyRow& row : keyTable()) {
        if (row.typed.find(c) != std::u32string_view::npos) {
            return row.key;
        }
    }
    return std::nullopt;
}

std::variant<std::vector<Key>, Refusal> keysForText(std::string_view text) {
    std::vector<Key> keys;
    bool raised = false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const auto [c, length] = decodeUtf8(text, i);
        if (const auto digit = superscriptDigit(c)) {
            if (!raised) {
                keys.push_back(Key::Power);
                raised = true;
            }
            keys.push_back(digitKey(*digit));
            i += length;
            continue;
        }
        if (raised) {
            // The power key ends what the superscript started, unless the next key does.
            if (!endsExponent(c)) {
                keys.push_back(Key::Power);
            }
            raised = false;
        }
        bool matched = false;
        for (const FunctionName& f : kFunctions) {
            if (startsWithNoCase(text, i, f.name)) {
                const std::size_t paren = skipSpaces(text, i + f.name.size());
                if (paren < text.size() && text[paren] == '(') {
                    keys.push_back(f.key);
                    i = paren + 1;
                    matched = true;
                }
                break;
            }
        }
        if (matched) {
            continue;
        }
        if (startsWithNoCase(text, i, "pi")) {
            keys.push_back(Key::Pi);
            i += 2;
            continue;
        }
        if (c == U'\u221A') {
            keys.push_back(Key::Sqrt);
            const std::size_t paren = skipSpaces(text, i + length);
            i = paren < text.size() && text[paren] == '(' ? paren + 1 : i + length;
            continue;
        }
        const std::optional<Key> key = c == U'p' ? std::nullopt : keyForTyped(c);
        if (!key) {
            return Refusal{i, std::string(text.substr(i, length))};
        }
        keys.push_back(*key);
        i += length;
    }
    if (raised) {
        keys.push_back(Key::Power);
    }
    return keys;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The character as the message shows it: itself, or its code when it cannot be seen
// (control characters, spaces of every width, marks without a glyph of their own).
std::string visibleCharacter(const std::string& character) {
    const char32_t c = decodeUtf8(character, 0).first;
    const bool invisible = c < 0x21 || (c >= 0x7F && c <= 0xA0) || c == 0xAD ||
                           (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
                           (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0xFEFF ||
                           c == 0xFFFD;
    if (!invisible) {
        return character;
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

}  // namespace

bool paste(Form1& form, Platform& platform, std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const auto keys = keysForText(text);
    if (const auto* refusal = std::get_if<Refusal>(&keys)) {
        form.message = "Текстът не може да бъде набран: знакът „" +
                       visibleCharacter(refusal->character) +
                       "“ няма клавиш в калкулатора. Нищо не е набрано.";
        return false;
    }
    for (Key key : std::get<std::vector<Key>>(keys)) {
        press(form, platform, key);
    }
    return true;
}

}  // namespace numira
