#include "window/spoken_text.h"

#include "window/form1.h"

namespace numira {

namespace {

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == ',';
}

// Whether `run` is one group "( ... )" whose first parenthesis closes at its end.
bool isOneGroup(const std::string& run) {
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

}  // namespace

SpokenText spokenExpression(const RichTextBox& box) {
    const std::string& text = box.text();
    SpokenText out;
    std::size_t length = 0;  // characters written to out.text
    auto put = [&](std::string_view piece, std::size_t characters) {
        out.text += piece;
        length += characters;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        if (!box.raisedAt(i)) {
            out.positions.push_back(length);
            if (text[i] == '.') {
                put("\u00B7", 1);
            } else {
                put(std::string_view(&text[i], 1), 1);
            }
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && box.raisedAt(end)) {
            ++end;
        }
        const std::string run = text.substr(i, end - i);
        bool number = true;
        for (const char c : run) {
            number = number && isNumberChar(c);
        }
        const bool mergesWithNext = end < text.size() && isNumberChar(text[end]);
        const bool wrap = !(number && !mergesWithNext) && !isOneGroup(run);
        out.positions.push_back(length);
        put(wrap ? "^(" : "^", wrap ? 2 : 1);
        for (; i < end; ++i) {
            if (i > end - run.size()) {
                out.positions.push_back(length);
            }
            if (text[i] == '.') {
                put("\u00B7", 1);
            } else {
                put(std::string_view(&text[i], 1), 1);
            }
        }
        if (wrap) {
            put(")", 1);
        }
    }
    out.positions.push_back(length);
    return out;
}

std::string resultAnnouncement(const Form1& form) {
    if (!form.failureShown.words.empty()) {
        return "Грешка: " + form.failureShown.words;
    }
    if (!form.L.visible || form.L.caption.empty()) {
        return {};
    }
    const std::string& caption = form.L.caption;
    return "Резултат: " + caption.substr(caption.front() == '=' ? 1 : 0);
}

}  // namespace numira
