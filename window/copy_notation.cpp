#include "window/copy_notation.h"

#include <algorithm>

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

}  // namespace

CopiedExpression copyNotation(std::string_view text, std::string_view raisedMask) {
    const auto raised = [&](std::size_t i) {
        return i < raisedMask.size() && raisedMask[i] == '1';
    };
    CopiedExpression out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i + 1;
        const bool up = raised(i);
        while (end < text.size() && raised(end) == up) {
            ++end;
        }
        const std::string_view run = text.substr(i, end - i);
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
    return out;
}

}  // namespace numira
