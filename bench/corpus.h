// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace numira::bench {

// One expression of the benchmark corpus, in engine notation.
struct CorpusEntry {
    std::string name;
    std::string expression;
};

// Reads corpus text: one entry a line, a name, spaces, then the expression (which has no
// spaces). Blank lines and lines starting with "#" are skipped. A line with a name and no
// expression, or a name given twice, throws std::invalid_argument naming the line.
std::vector<CorpusEntry> parseCorpus(std::string_view text);

// The corpus kept in bench/corpus.txt, built into the program.
const std::vector<CorpusEntry>& corpus();

// The same expression in a peer's syntax: the function names in lower case, the constants
// pi and e as muparser's _pi and _e (libmatheval knows pi and e by those names). An "E"
// inside a number stays the exponent mark.
std::string toMuparser(std::string_view expression);
std::string toMatheval(std::string_view expression);

}  // namespace numira::bench
