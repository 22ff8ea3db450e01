// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// One evaluation, text in and caption out, as the "=" key does it.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"
#include "engine/result_caption.h"

namespace {

std::string longExpression(std::size_t length) {
    std::string text;
    while (text.size() < length) {
        text += "12.5*(3+4)/7-SQRT(16)^2+";
    }
    text += "1";
    return text;
}

void evaluateOnce(benchmark::State& state, const std::string& expression) {
    numira::Engine engine;
    for (auto _ : state) {
        const numira::Evaluation result = engine.evaluate(expression, {});
        std::string caption = numira::resultCaption(result.numberText, 5);
        benchmark::DoNotOptimize(caption);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * expression.size()));
}

void BM_EvaluateShort(benchmark::State& state) {
    evaluateOnce(state, "2+3");
}
void BM_EvaluateMedium(benchmark::State& state) {
    evaluateOnce(state, "2*(3+1)^2-SQRT(16)+SIN(pi/6)*(COS(0)+(1+2)*(3-4))");
}
void BM_Evaluate1000Chars(benchmark::State& state) {
    evaluateOnce(state, longExpression(1000));
}

}  // namespace

BENCHMARK(BM_EvaluateShort);
BENCHMARK(BM_EvaluateMedium);
BENCHMARK(BM_Evaluate1000Chars);
