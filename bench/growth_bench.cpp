// How the one-shot cost grows with the length of an expression and with its nesting.
// The engine reduces one parenthesis level at a time over the whole text, so the cost is
// expected to grow as characters times levels: per_char_level is that cost per character
// per level and should stay flat across sizes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "engine/engine.h"
#include "engine/result_caption.h"

namespace {

// Terms that differ from each other, so that no two parenthesised segments are identical
// (the engine replaces identical ones together, which would hide the growth).
std::string expressionOfLength(std::size_t length) {
    std::string text;
    for (std::size_t k = 1;; ++k) {
        const std::string n = std::to_string(k);
        const std::string term = "1.5*(3+" + n + ")/7-SQRT(" + n + "+16)+";
        if (text.size() + term.size() + 1 > length) {
            break;
        }
        text += term;
    }
    while (text.size() + 3 <= length) {
        text += "1+";
    }
    text.append(length - text.size(), '1');
    return text;
}

// "1+(1+(...1...))": depth levels inside one another.
std::string expressionOfDepth(std::size_t depth) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "1+(";
    }
    text += '1';
    text.append(depth, ')');
    return text;
}

void evaluateGrown(benchmark::State& state, const std::string& text) {
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
    // Every ")" is one reduction, and the flat text left at the end is one more.
    const auto chars = static_cast<double>(text.size());
    const auto levels = static_cast<double>(std::count(text.begin(), text.end(), ')') + 1);
    using benchmark::Counter;
    state.counters["chars"] = chars;
    state.counters["levels"] = levels;
    state.counters["per_char"] =
        Counter(chars, Counter::kIsIterationInvariantRate | Counter::kInvert);
    state.counters["per_char_level"] =
        Counter(chars * levels, Counter::kIsIterationInvariantRate | Counter::kInvert);
}

void BM_GrowthLength(benchmark::State& state) {
    evaluateGrown(state, expressionOfLength(static_cast<std::size_t>(state.range(0))));
}

void BM_GrowthDepth(benchmark::State& state) {
    evaluateGrown(state, expressionOfDepth(static_cast<std::size_t>(state.range(0))));
}

}  // namespace

BENCHMARK(BM_GrowthLength)->Name("growth/length")->Arg(100)->Arg(1000)->Arg(10000);
BENCHMARK(BM_GrowthDepth)->Name("growth/depth")->Arg(10)->Arg(100)->Arg(1000);
