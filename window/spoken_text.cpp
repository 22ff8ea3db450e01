// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/spoken_text.h"

namespace numira {

namespace {

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == ',';
}

// Whether `run` is one group "( ... )" whose first parenthesis closes at its end.
bool isOneGroup(std::string_view run) {
    if (run.size() < 2 || run.front() != '(' || run.back() != ')') {
        return false;
    }
    int depth = 0;
    for (std::size_t i = 0; i < run.size(); ++i) {
        depth += run[i] == '(' ? 1 : run[i] == ')' ? -1 : 0;
        if (depth == 0 && i + 1 < run.size()) {
            return false;
        }
    }
    return depth == 0;
}

std::string_view spokenSign(const char& c) {
    switch (c) {
        case '.':
            return "\u00D7";
        case '-':
            return "\u2212";
        case ':':
            return "\u00F7";
        default:
            return {&c, 1};
    }
}

std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

}  // namespace

SpokenText spokenExpression(std::string_view text, std::string_view raised) {
    const auto raisedAt = [raised](std::size_t i) { return i < raised.size() && raised[i] == '1'; };
    SpokenText out;
    std::size_t length = 0;  // characters written to out.text
    auto put = [&](std::string_view piece) {
        out.text += piece;
        length += characters(piece);
    };
    std::size_t i = 0;
    while (i < text.size()) {
        if (!raisedAt(i)) {
            out.positions.push_back(length);
            put(spokenSign(text[i]));
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && raisedAt(end)) {
            ++end;
        }
        const std::string_view run = text.substr(i, end - i);
        bool number = true;
        for (const char c : run) {
            number = number && isNumberChar(c);
        }
        const bool mergesWithNext = end < text.size() && isNumberChar(text[end]);
        const bool wrap = !(number && !mergesWithNext) && !isOneGroup(run);
        put(wrap ? " на степен (" : " на степен ");
        for (; i < end; ++i) {
            out.positions.push_back(length);
            put(spokenSign(text[i]));
        }
        if (wrap) {
            put(")");
        }
    }
    out.positions.push_back(length);
    return out;
}

SpokenText spokenExpression(const RichTextBox& box) {
    return spokenExpression(box.text(), box.raisedMask());
}

}  // namespace numira
