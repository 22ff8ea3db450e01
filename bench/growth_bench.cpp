// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// How the one-shot cost grows with the length of an expression, for each shape that once grew
// faster than its length: per_char is the cost per character and should stay flat from 1k to
// 100k characters.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "engine/result_caption.h"

namespace {

// Repeats `piece(k)` for k = 1, 2, ... while the text stays within `length`, then closes it.
template <typename Piece>
std::string repeated(std::size_t length, Piece&& piece, std::string_view last = "1") {
    std::string text;
    for (std::size_t k = 1;; ++k) {
        const std::string p = piece(k);
        if (text.size() + p.size() + last.size() > length) {
            break;
        }
        text += p;
    }
    return text.append(last);
}

std::string flatSum(std::size_t length) {
    return repeated(length, [](std::size_t k) { return std::to_string(k % 1000) + ".5+"; });
}

// Terms that differ from each other, so that no two parenthesised segments are alike.
std::string distinctGroups(std::size_t length) {
    return repeated(length, [](std::size_t k) { return "(3+" + std::to_string(k) + ")*2-"; });
}

std::string functionCalls(std::size_t length) {
    return repeated(length, [](std::size_t k) { return "SQRT(" + std::to_string(k) + ")+"; });
}

// "1+(1+(...1...))": levels inside one another.
std::string deepNesting(std::size_t length) {
    const std::size_t depth = (length - 1) / 4;
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "1+(";
    }
    text += '1';
    return text.append(depth, ')');
}

std::string powerChain(std::size_t length) {
    return "1.5" + repeated(
                       length - 3, [](std::size_t) { return std::string("^1"); }, "");
}

void evaluateGrown(benchmark::State& state, std::string (*shape)(std::size_t)) {
    const std::string text = shape(static_cast<std::size_t>(state.range(0)));
    numira::Engine engine;
    if (!engine.evaluate(text, {}).ok()) {
        state.SkipWithError("the expression does not evaluate");
        return;
    }
    for (auto _ : state) {
        const numira::Evaluation result = engine.evaluate(text, {});
        std::string caption = numira::resultCaption(result.numberText, 5);
        benchmark::DoNotOptimize(caption);
    }
    const auto chars = static_cast<double>(text.size());
    state.counters["chars"] = chars;
    state.counters["per_char"] = benchmark::Counter(
        chars, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

#define NUMIRA_GROWTH(name, shape)                \
    BENCHMARK_CAPTURE(evaluateGrown, name, shape) \
        ->Name("growth/" #name)                   \
        ->Arg(1000)                               \
        ->Arg(10000)                              \
        ->Arg(100000)
NUMIRA_GROWTH(flat_sum, flatSum);
NUMIRA_GROWTH(distinct_groups, distinctGroups);
NUMIRA_GROWTH(function_calls, functionCalls);
NUMIRA_GROWTH(deep_nesting, deepNesting);
NUMIRA_GROWTH(power_chain, powerChain);
