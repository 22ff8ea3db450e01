// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
// The one-shot cost, text in and result out, of each corpus expression by Numira and by the
// expression libraries it is measured beside. Each library keeps between evaluations what it
// can keep for a new text: Numira its engine object, muparser its parser (SetExpr parses
// again); libmatheval has nothing to keep, so it creates and destroys an evaluator.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "bench/peers.h"
#include "engine/engine.h"
#include "engine/failure.h"
#include "engine/number_text.h"
#include "engine/result_caption.h"

#ifdef NUMIRA_HAVE_MUPARSER
#include <muParser.h>
#endif
#ifdef NUMIRA_HAVE_MATHEVAL
#include <matheval.h>
#endif

namespace numira::bench {
namespace {

constexpr Library kLibraries[] = {
    Library::Numira,
#ifdef NUMIRA_HAVE_MUPARSER
    Library::Muparser,
#endif
#ifdef NUMIRA_HAVE_MATHEVAL
    Library::Matheval,
#endif
};

constexpr int kDecimals = 5;  // the rounding after start-up
constexpr double kTolerance = 1e-9;

void numiraOneShot(benchmark::State& state, const std::string& text) {
    Engine engine;
    for (auto _ : state) {
        const Evaluation result = engine.evaluate(text, {});
        std::string caption = resultCaption(result.numberText, kDecimals);
        benchmark::DoNotOptimize(caption);
    }
}

#ifdef NUMIRA_HAVE_MUPARSER
void muparserOneShot(benchmark::State& state, const std::string& text) {
    mu::Parser parser;
    for (auto _ : state) {
        parser.SetExpr(text);
        double value = parser.Eval();
        benchmark::DoNotOptimize(value);
    }
}
#endif

#ifdef NUMIRA_HAVE_MATHEVAL
void mathevalOneShot(benchmark::State& state, const std::string& text) {
    std::string buffer = text;  // evaluator_create takes a char*
    for (auto _ : state) {
        void* evaluator = evaluator_create(buffer.data());
        double value = evaluator_evaluate(evaluator, 0, nullptr, nullptr);
        benchmark::DoNotOptimize(value);
        evaluator_destroy(evaluator);
    }
}
#endif

std::string inSyntaxOf(Library library, std::string_view engineText) {
    switch (library) {
        case Library::Numira:
            return std::string(engineText);
        case Library::Muparser:
            return toMuparser(engineText);
        case Library::Matheval:
            return toMatheval(engineText);
    }
    return {};
}

bool agree(double a, double b) {
    const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
    return std::fabs(a - b) <= kTolerance * scale;
}

}  // namespace

std::string_view libraryName(Library library) {
    switch (library) {
        case Library::Numira:
            return "numira";
        case Library::Muparser:
            return "muparser";
        case Library::Matheval:
            return "matheval";
    }
    return {};
}

std::span<const Library> libraries() {
    return kLibraries;
}

Outcome evaluateOnce(Library library, std::string_view engineText) {
    const std::string text = inSyntaxOf(library, engineText);
    Outcome outcome;
    switch (library) {
        case Library::Numira: {
            Engine engine;
            const Evaluation result = engine.evaluate(text, {});
            if (!result.ok()) {
                outcome.error = result.failure ? std::string(failureReason(*result.failure))
                                               : std::string("empty expression");
            } else if (resultCaption(result.numberText, kDecimals).empty()) {
                outcome.error = "empty caption";
            } else {
                outcome.value = readNumber(result.numberText);
                if (!outcome.value) {
                    outcome.error = "unreadable number text " + result.numberText;
                }
            }
            break;
        }
        case Library::Muparser:
#ifdef NUMIRA_HAVE_MUPARSER
            try {
                mu::Parser parser;
                parser.SetExpr(text);
                outcome.value = parser.Eval();
            } catch (const mu::Parser::exception_type& error) {
                outcome.error = error.GetMsg();
            }
#endif
            break;
        case Library::Matheval: {
#ifdef NUMIRA_HAVE_MATHEVAL
            std::string buffer = text;
            void* evaluator = evaluator_create(buffer.data());
            if (evaluator == nullptr) {
                outcome.error = "does not parse";
            } else {
                outcome.value = evaluator_evaluate(evaluator, 0, nullptr, nullptr);
                evaluator_destroy(evaluator);
            }
#endif
            break;
        }
    }
    if (outcome.value && !std::isfinite(*outcome.value)) {
        outcome.error = "not finite";
        outcome.value.reset();
    }
    return outcome;
}

std::vector<std::string> corpusDisagreements(const std::vector<CorpusEntry>& entries) {
    std::vector<std::string> problems;
    for (const CorpusEntry& entry : entries) {
        const Outcome reference = evaluateOnce(Library::Numira, entry.expression);
        for (const Library library : libraries()) {
            const Outcome outcome =
                library == Library::Numira ? reference : evaluateOnce(library, entry.expression);
            std::string where = entry.name + " (" + std::string(libraryName(library)) + "): ";
            if (!outcome.value) {
                problems.push_back(where + outcome.error + " in " +
                                   inSyntaxOf(library, entry.expression));
            } else if (reference.value && !agree(*reference.value, *outcome.value)) {
                problems.push_back(where + numberText(*outcome.value) + ", numira gives " +
                                   numberText(*reference.value));
            }
        }
    }
    return problems;
}

void registerPeerBenchmarks(const std::vector<CorpusEntry>& entries) {
    for (const Library library : libraries()) {
        for (const CorpusEntry& entry : entries) {
            const std::string name =
                "peers/" + std::string(libraryName(library)) + "/" + entry.name;
            std::string text = inSyntaxOf(library, entry.expression);
            switch (library) {
                case Library::Numira:
                    benchmark::RegisterBenchmark(name.c_str(), numiraOneShot, text);
                    break;
                case Library::Muparser:
#ifdef NUMIRA_HAVE_MUPARSER
                    benchmark::RegisterBenchmark(name.c_str(), muparserOneShot, text);
#endif
                    break;
                case Library::Matheval:
#ifdef NUMIRA_HAVE_MATHEVAL
                    benchmark::RegisterBenchmark(name.c_str(), mathevalOneShot, text);
#endif
                    break;
            }
        }
    }
}

}  // namespace numira::bench
