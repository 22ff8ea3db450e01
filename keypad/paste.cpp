// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "keypad/paste.h"

#include <cctype>
#include <cstdio>
#include <optional>

#include "engine/words.h"
#include "keypad/text_keys.h"
#include "keypad/utf8.h"
#include "window/fake_platform.h"

namespace numira {

namespace {

// ---- Reading the text into the parts the keys type. ----

struct Lexeme {
    enum class Kind {
        Number,
        Superscript,
        Sign,
        Operator,
        Power,
        Open,
        Close,
        Function,
        Root,
        Operand
    };
    Kind kind;
    std::size_t begin = 0;  // in the text
    std::size_t end = 0;
    std::vector<Key> keys;
    std::string engine;  // what the keys append to comp
};
using Kind = Lexeme::Kind;

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

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
            std::tolower(static_cast<unsigned char>(word[i]))) {
            return false;
        }
    }
    return true;
}

// The function key whose engine name `text` spells at `at`, in any case; the longest where
// one begins another.
const KeyRow* functionKeyAt(std::string_view text, std::size_t at) {
    const KeyRow* found = nullptr;
    for (const KeyRow& row : keyTable()) {
        if (row.text.kind == KeyKind::Function && startsWithNoCase(text, at, row.text.engine) &&
            (found == nullptr || row.text.engine.size() > found->text.engine.size())) {
            found = &row;
        }
    }
    return found;
}

// What the key appends to comp.
std::string engineText(Key key) {
    if (key == Key::Power) {
        return "^";
    }
    return keyRow(key).text.engineTyped();
}

Kind lexemeKind(Key key) {
    switch (key) {
        case Key::Plus:
        case Key::Minus:
            return Kind::Sign;
        case Key::Power:
            return Kind::Power;
        case Key::OpenParen:
            return Kind::Open;
        case Key::CloseParen:
            return Kind::Close;
        default:
            return keyRow(key).text.kind == KeyKind::Operator ? Kind::Operator : Kind::Operand;
    }
}

std::size_t skipSpaces(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    return at;
}

std::variant<std::vector<Lexeme>, Refusal> lex(std::string_view text) {
    std::vector<Lexeme> out;
    std::size_t i = 0;
    const auto put = [&](Kind kind, std::size_t end, std::vector<Key> keys, std::string engine) {
        out.push_back(Lexeme{kind, i, end, std::move(keys), std::move(engine)});
        i = end;
    };
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const auto [c, length] = decodeUtf8(text, i);
        if ((c >= U'0' && c <= U'9') || c == U',' || c == U'.') {
            std::vector<Key> keys;
            std::string engine;
            std::size_t end = i;
            for (; end < text.size(); ++end) {
                const char d = text[end];
                if (d >= '0' && d <= '9') {
                    keys.push_back(digitKey(d - '0'));
                    engine += d;
                } else if (d == ',' || d == '.') {
                    keys.push_back(Key::Comma);
                    engine += '.';
                } else {
                    break;
                }
            }
            put(Kind::Number, end, std::move(keys), std::move(engine));
            continue;
        }
        if (superscriptDigit(c)) {
            std::vector<Key> keys;
            std::string engine;
            std::size_t end = i;
            while (end < text.size()) {
                const auto [s, n] = decodeUtf8(text, end);
                const auto digit = superscriptDigit(s);
                if (!digit) {
                    break;
                }
                keys.push_back(digitKey(*digit));
                engine += static_cast<char>('0' + *digit);
                end += n;
            }
            put(Kind::Superscript, end, std::move(keys), std::move(engine));
            continue;
        }
        if (const KeyRow* row = functionKeyAt(text, i)) {
            const std::size_t paren = skipSpaces(text, i + row->text.engine.size());
            if (paren < text.size() && text[paren] == '(') {
                put(Kind::Function, paren + 1, {row->key}, engineText(row->key));
                continue;
            }
        }
        if (const std::string_view pi = keyRow(Key::Pi).text.shown; startsWithNoCase(text, i, pi)) {
            put(Kind::Operand, i + pi.size(), {Key::Pi}, engineText(Key::Pi));
            continue;
        }
        if (c == U'\u221A') {
            const std::size_t paren = skipSpaces(text, i + length);
            if (paren < text.size() && text[paren] == '(') {
                put(Kind::Function, paren + 1, {Key::Sqrt}, engineText(Key::Sqrt));
            } else {
                put(Kind::Root, i + length, {Key::Sqrt}, engineText(Key::Sqrt));
            }
            continue;
        }
        const std::optional<Key> key = c == U'p' ? std::nullopt : keyForTyped(c);
        if (!key || *key == Key::Equals || *key == Key::Sqrt) {
            return Refusal{i, std::string(text.substr(i, length)), {}};
        }
        put(lexemeKind(*key), i + length, {*key}, engineText(*key));
    }
    return out;
}

// ---- Typing the parts, exponent by exponent. ----

// What one part types, and what the keys append to comp for it.
struct Step {
    std::vector<Key> keys;
    std::string engine;
    std::size_t lexeme = 0;  // the part it types, to name it when it goes wrong
};

const std::string_view kPowerInRaisedGroup = word(Word::PastePowerInRaisedGroup);
const std::string_view kPowerWithoutExponent = word(Word::PastePowerWithoutExponent);
const std::string_view kBareRoot = word(Word::PasteBareRoot);
const std::string_view kKeysDiffer = word(Word::PasteKeysDiffer);

class Typist {
  public:
    explicit Typist(const std::vector<Lexeme>& lexemes) : m_lx(lexemes) {}

    std::variant<std::vector<Step>, Refusal> run() && {
        range(0, m_lx.size(), false);
        if (m_refusal) {
            return *m_refusal;
        }
        return std::move(m_steps);
    }
    // One past the refused part, in the text.
    std::size_t refusalEnd() const { return m_refusalEnd; }

  private:
    bool opens(std::size_t i) const {
        return m_lx[i].kind == Kind::Open || m_lx[i].kind == Kind::Function;
    }

    // The ")" that closes the part at i, or `end` when it stays open.
    std::size_t match(std::size_t i, std::size_t end) const {
        int depth = 0;
        for (std::size_t j = i; j < end; ++j) {
            depth += opens(j) ? 1 : m_lx[j].kind == Kind::Close ? -1 : 0;
            if (depth == 0) {
                return j;
            }
        }
        return end;
    }

    // One past the factor at i (as the engine reads a factor), or i when none starts there.
    std::size_t factorEnd(std::size_t i, std::size_t end) const {
        if (i >= end) {
            return i;
        }
        switch (m_lx[i].kind) {
            case Kind::Number:
            case Kind::Operand:
                return i + 1;
            case Kind::Root:
                return i + 2 <= end ? i + 2 : end;
            case Kind::Open:
            case Kind::Function:
                return std::min(match(i, end) + 1, end);
            default:
                return i;
        }
    }

    void refuse(std::size_t from, std::size_t to, std::string_view reason) {
        if (!m_refusal) {
            const std::size_t begin = m_lx[from].begin;
            m_refusal = Refusal{begin, std::string(), reason};
            m_refusalEnd = m_lx[std::max(from, to - 1)].end;
        }
    }

    void step(std::vector<Key> keys, std::string engine, std::size_t lexeme) {
        m_steps.push_back(Step{std::move(keys), std::move(engine), lexeme});
    }

    void type(std::size_t i) {
        const Lexeme& l = m_lx[i];
        const bool operand =
            l.kind == Kind::Number || l.kind == Kind::Operand || opens(i) || l.kind == Kind::Root;
        // An operand after an exponent the power key ended is a factor of its own: the keys
        // write the product sign (2³4 is 2^3*4).
        step(l.keys, (m_afterEndedExponent && operand ? "*" : "") + l.engine, i);
        // A ")" typed while an exponent is open is raised and ends the exponent.
        m_afterEndedExponent = l.kind == Kind::Close && m_closeEndsExponent;
        m_closeEndsExponent = false;
    }

    // Ends a one-factor exponent with the power key, unless what follows ends it.
    void endExponent(std::size_t next, std::size_t at) {
        if (next < m_lx.size()) {
            const Kind k = m_lx[next].kind;
            if (k == Kind::Sign || k == Kind::Operator || k == Kind::Close) {
                m_closeEndsExponent = k == Kind::Close;
                return;
            }
        }
        step({Key::Power}, "", at);
        m_afterEndedExponent = true;
    }

    void root(std::size_t i, std::size_t end) {
        if (i + 1 >= end ||
            (m_lx[i + 1].kind != Kind::Number && m_lx[i + 1].kind != Kind::Operand)) {
            refuse(i, i + 1, kBareRoot);
            return;
        }
        type(i);
        type(i + 1);
        step({Key::CloseParen}, ")", i);
    }

    // Types the parts from i up to one past the last of a whole factor or group.
    std::size_t group(std::size_t i, std::size_t end, bool raised) {
        if (m_lx[i].kind == Kind::Root) {
            root(i, end);
            return i + 2;
        }
        type(i);
        const std::size_t close = match(i, end);
        range(i + 1, close, raised);
        if (close < end) {
            type(close);
            return close + 1;
        }
        return end;
    }

    void exponent(std::size_t at, std::size_t end, bool raised) {
        std::size_t first = at + 1;
        while (first < end && m_lx[first].kind == Kind::Sign) {
            ++first;
        }
        std::size_t stop = first;
        int factors = 0;
        for (std::size_t next = factorEnd(stop, end); next != stop; next = factorEnd(stop, end)) {
            stop = next;
            ++factors;
        }
        m_next = std::max(stop, at + 1);
        if (raised) {
            refuse(at, std::max(stop, at + 1), kPowerInRaisedGroup);
            return;
        }
        const bool atEnd = first == m_lx.size() && first == at + 1;
        if (factors == 0 && !atEnd) {
            refuse(at, at + 1, kPowerWithoutExponent);
            return;
        }
        type(at);
        if (factors == 0) {
            return;
        }
        const Kind kind = m_lx[first].kind;
        if (first == at + 1 && factors == 1 && (kind == Kind::Number || kind == Kind::Operand)) {
            type(first);
            endExponent(stop, first);
        } else if (first == at + 1 && factors == 1) {
            // A group or function ends the exponent with its own ")".
            group(first, end, true);
        } else {
            step({Key::OpenParen}, "(", at);
            range(at + 1, stop, true);
            // Left open when a group inside it is: "=" closes both.
            if (!unclosedAt(at + 1, stop)) {
                step({Key::CloseParen}, ")", at);
            }
        }
    }

    // Whether a group opened in [from, to) is still open at `to`.
    bool unclosedAt(std::size_t from, std::size_t to) const {
        int depth = 0;
        for (std::size_t j = from; j < to; ++j) {
            depth += opens(j) ? 1 : m_lx[j].kind == Kind::Close ? -1 : 0;
        }
        return depth > 0;
    }

    void range(std::size_t i, std::size_t end, bool raised) {
        while (i < end && !m_refusal) {
            const Lexeme& l = m_lx[i];
            switch (l.kind) {
                case Kind::Power:
                    exponent(i, end, raised);
                    i = m_next;
                    break;
                case Kind::Superscript:
                    if (raised) {
                        refuse(i, i + 1, kPowerInRaisedGroup);
                        return;
                    }
                    step({Key::Power}, "^", i);
                    m_afterEndedExponent = false;
                    step(l.keys, l.engine, i);
                    endExponent(i + 1, i);
                    ++i;
                    break;
                case Kind::Open:
                case Kind::Function:
                case Kind::Root:
                    i = group(i, end, raised);
                    break;
                default:
                    type(i);
                    ++i;
                    break;
            }
        }
    }

    const std::vector<Lexeme>& m_lx;
    std::vector<Step> m_steps;
    std::optional<Refusal> m_refusal;
    std::size_t m_refusalEnd = 0;
    std::size_t m_next = 0;
    bool m_afterEndedExponent = false;
    bool m_closeEndsExponent = false;
};

std::variant<std::vector<Step>, Refusal> stepsForText(std::string_view text,
                                                      std::vector<Lexeme>& lexemes) {
    auto lexed = lex(text);
    if (auto* refusal = std::get_if<Refusal>(&lexed)) {
        return *refusal;
    }
    lexemes = std::move(std::get<std::vector<Lexeme>>(lexed));
    Typist typist(lexemes);
    auto steps = std::move(typist).run();
    if (auto* refusal = std::get_if<Refusal>(&steps)) {
        refusal->part =
            std::string(text.substr(refusal->offset, typist.refusalEnd() - refusal->offset));
    }
    return steps;
}

// Types the steps into an empty window and checks that comp grows by exactly what each
// step means: the keys' own rules (the power key's, the exponent's ending) are the judge.
std::optional<Refusal> checkSteps(std::string_view text, const std::vector<Lexeme>& lexemes,
                                  const std::vector<Step>& steps) {
    FakePlatform platform;
    Form1 form(platform);
    form.Form_Load();
    form.processKeystrokes();
    std::string expected;
    for (const Step& s : steps) {
        for (Key key : s.keys) {
            press(form, platform, key);
        }
        expected += s.engine;
        if (form.comp.text != expected) {
            const Lexeme& l = lexemes[s.lexeme];
            return Refusal{l.begin, std::string(text.substr(l.begin, l.end - l.begin)),
                           kKeysDiffer};
        }
    }
    return std::nullopt;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
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

std::variant<std::vector<Step>, Refusal> checkedSteps(std::string_view text) {
    std::vector<Lexeme> lexemes;
    auto steps = stepsForText(text, lexemes);
    if (const auto* list = std::get_if<std::vector<Step>>(&steps)) {
        if (auto refusal = checkSteps(text, lexemes, *list)) {
            return *refusal;
        }
    }
    return steps;
}

}  // namespace

std::variant<std::vector<Key>, Refusal> keysForText(std::string_view text) {
    auto steps = checkedSteps(text);
    if (auto* refusal = std::get_if<Refusal>(&steps)) {
        return std::move(*refusal);
    }
    std::vector<Key> keys;
    for (const Step& s : std::get<std::vector<Step>>(steps)) {
        keys.insert(keys.end(), s.keys.begin(), s.keys.end());
    }
    return keys;
}

std::string_view pastedExpression(std::string_view text) {
    text = trimmed(text);
    if (const std::size_t line = text.find_last_of("\r\n"); line != std::string_view::npos) {
        text = trimmed(text.substr(line + 1));
    }
    if (text.ends_with(']')) {
        if (const std::size_t open = text.rfind('['); open != std::string_view::npos) {
            text = trimmed(text.substr(0, open));
        }
    }
    return trimmed(text.substr(0, text.find('=')));
}

bool paste(Form1& form, Platform& platform, std::string_view text) {
    text = pastedExpression(text);
    const auto keys = keysForText(text);
    if (const auto* refusal = std::get_if<Refusal>(&keys)) {
        if (refusal->reason.empty()) {
            form.message = word(Word::PasteNoKey, {visibleCharacter(refusal->part)});
        } else {
            form.message = word(Word::PasteRefused, {refusal->part, refusal->reason});
        }
        return false;
    }
    for (Key key : std::get<std::vector<Key>>(keys)) {
        press(form, platform, key);
    }
    return true;
}

}  // namespace numira
