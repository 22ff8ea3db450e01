// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "bench/corpus.h"

#include <set>
#include <stdexcept>

#include "bench/corpus_text.h"

namespace numira::bench {
namespace {

struct Rename {
    std::string_view engine;
    std::string_view peer;
};
constexpr Rename kFunctions[] = {
    {"SQRT(", "sqrt("}, {"SIN(", "sin("},   {"COS(", "cos("},   {"TAN(", "tan("},
    {"Asin(", "asin("}, {"Acos(", "acos("}, {"Atan(", "atan("},
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string translate(std::string_view expression, std::string_view pi, std::string_view e) {
    std::string out;
    out.reserve(expression.size() + 16);
    for (std::size_t i = 0; i < expression.size();) {
        const std::string_view rest = expression.substr(i);
        bool renamed = false;
        for (const Rename& f : kFunctions) {
            if (rest.starts_with(f.engine)) {
                out += f.peer;
                i += f.engine.size();
                renamed = true;
                break;
            }
        }
        if (renamed) {
            continue;
        }
        if (rest.starts_with("pi")) {
            out += pi;
            i += 2;
        } else if (rest[0] == 'e') {
            out += e;
            ++i;
        } else {
            out += rest[0];
            ++i;
        }
    }
    return out;
}

}  // namespace

std::vector<CorpusEntry> parseCorpus(std::string_view text) {
    std::vector<CorpusEntry> entries;
    std::set<std::string, std::less<>> names;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        while (!line.empty() && isSpace(line.back())) {
            line.remove_suffix(1);
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::size_t split = 0;
        while (split < line.size() && !isSpace(line[split])) {
            ++split;
        }
        std::size_t start = split;
        while (start < line.size() && isSpace(line[start])) {
            ++start;
        }
        const std::string where = "corpus line " + std::to_string(lineNumber);
        if (split == 0 || start == line.size()) {
            throw std::invalid_argument(where + ": a name and an expression are needed");
        }
        std::string_view expression = line.substr(start);
        for (const char c : expression) {
            if (isSpace(c)) {
                throw std::invalid_argument(where + ": the expression has a space");
            }
        }
        CorpusEntry entry{std::string(line.substr(0, split)), std::string(expression)};
        if (!names.insert(entry.name).second) {
            throw std::invalid_argument(where + ": the name " + entry.name + " is taken");
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

const std::vector<CorpusEntry>& corpus() {
    static const std::vector<CorpusEntry> entries = parseCorpus(kCorpusText);
    return entries;
}

std::string toMuparser(std::string_view expression) {
    return translate(expression, "_pi", "_e");
}

std::string toMatheval(std::string_view expression) {
    return translate(expression, "pi", "e");
}

}  // namespace numira::bench
