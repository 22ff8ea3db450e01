// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bench/corpus.h"

namespace numira::bench {

// Numira's engine and the expression libraries it is measured beside. A peer the build did
// not find is left out of every list.
enum class Library { Numira, Muparser, Matheval };

std::string_view libraryName(Library library);
// Numira first, then each peer the build found.
std::span<const Library> libraries();

// The value of one expression of the corpus (in engine notation) by one library, or the
// library's reason for having none.
struct Outcome {
    std::optional<double> value;
    std::string error;
};
Outcome evaluateOnce(Library library, std::string_view engineText);

// Evaluates every entry with every library and returns one line per entry where a library
// fails or two libraries differ by more than 1e-9 (relative, absolute below 1). Empty when
// all agree.
std::vector<std::string> corpusDisagreements(const std::vector<CorpusEntry>& entries);

// Registers one one-shot benchmark per library and corpus entry, named
// "peers/<library>/<entry>".
void registerPeerBenchmarks(const std::vector<CorpusEntry>& entries);

}  // namespace numira::bench
