// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "window/copy_notation.h"

#include <algorithm>

#include "engine/function_names.h"
#include "engine/implied_exponent.h"

namespace numira {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isNumberPart(char c) {
    return (c >= '0' && c <= '9') || c == ',';
}

// A number, a constant, or letters and "(" up to the ")" that closes it at the very end.
bool oneItem(std::string_view run) {
    if (std::all_of(run.begin(), run.end(), isNumberPart) || run == "x" || run == "e" ||
        run == "pi") {
        return true;
    }
    std::size_t open = 0;
    while (open < run.size() && isLetter(run[open])) {
        ++open;
    }
    if (open >= run.size() || run[open] != '(') {
        return false;
    }
    int depth = 0;
    for (std::size_t i = open; i < run.size(); ++i) {
        depth += run[i] == '(' ? 1 : run[i] == ')' ? -1 : 0;
        if (depth == 0) {
            return i + 1 == run.size();
        }
    }
    return false;
}

void appendPlain(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '.') {
            out += '*';
        } else if (c == ':') {
            out += '/';
        } else if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else {
            out += c;
        }
    }
}

void appendHtml(std::string& out, std::string_view text) {
    std::string plain;
    appendPlain(plain, text);
    for (char c : plain) {
        switch (c) {
            case '*':
                out += "\u00B7";
                break;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
}

// Engine notation as the copy writes it.
std::string notationOf(std::string_view comp) {
    std::string points(comp);
    std::replace(points.begin(), points.end(), ',', '.');
    const std::string grouped = groupImpliedExponents(points);
    std::string out;
    for (std::size_t i = 0; i < grouped.size();) {
        if (const std::size_t name = functionNameAt(std::string_view(grouped).substr(i))) {
            for (std::size_t j = i; j < i + name; ++j) {
                const char c = grouped[j];
                out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
            i += name;
            continue;
        }
        out += grouped[i] == '.' ? ',' : grouped[i];
        ++i;
    }
    return out;
}

}  // namespace

std::vector<bool> exponentStarts(std::string_view t, std::string_view comp) {
    std::vector<bool> marks(t.size() + 1, false);
    std::size_t at = 0;
    for (const char c : comp) {
        if (c != '^') {
            ++at;
        } else if (at < marks.size()) {
            marks[at] = true;
        }
    }
    if (at != t.size()) {
        return {};
    }
    return marks;
}

CopiedExpression copyNotation(std::string_view t, std::string_view raisedMask,
                              std::string_view comp, std::size_t from, std::size_t length) {
    from = std::min(from, t.size());
    const std::size_t to = from + std::min(length, t.size() - from);
    const auto raised = [&](std::size_t i) {
        return i < raisedMask.size() && raisedMask[i] == '1';
    };
    const std::vector<bool> starts = exponentStarts(t, comp);
    CopiedExpression out;
    std::size_t i = from;
    while (i < to) {
        std::size_t end = i + 1;
        const bool up = raised(i);
        while (end < to && raised(end) == up && !(up && !starts.empty() && starts[end])) {
            ++end;
        }
        const std::string_view run = t.substr(i, end - i);
        if (up) {
            const bool bare = oneItem(run);
            out.text += bare ? "^" : "^(";
            appendPlain(out.text, run);
            out.text += bare ? "" : ")";
            out.html += "<sup>";
            appendHtml(out.html, run);
            out.html += "</sup>";
        } else {
            appendPlain(out.text, run);
            appendHtml(out.html, run);
        }
        i = end;
    }
    if (!starts.empty()) {
        // comp's characters for t's part: those of its characters, and the "^" before each
        // of them but the first.
        std::size_t begin = 0;
        std::size_t seen = 0;
        for (; begin < comp.size() && seen < from; ++begin) {
            seen += comp[begin] != '^' ? 1 : 0;
        }
        while (begin < comp.size() && comp[begin] == '^' && from > 0) {
            ++begin;
        }
        std::size_t stop = begin;
        for (; stop < comp.size() && seen < to; ++stop) {
            seen += comp[stop] != '^' ? 1 : 0;
        }
        // A "^" with nothing raised after it yet (the power key just pressed) is no exponent.
        out.text = notationOf(comp.substr(begin, stop - begin));
    }
    return out;
}

}  // namespace numira
