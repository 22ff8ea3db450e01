// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/parallel_values.h"

#include <system_error>
#include <thread>

namespace numira::graph {
namespace {

// Below this many values a thread costs more than it saves.
constexpr std::size_t kWorthAThread = 256;

void evaluateRange(Engine& engine, const GraphRequest& request, const std::vector<double>& xs,
                   std::vector<std::optional<double>>& ys, std::size_t begin, std::size_t end) {
    const FunctionOfX f(engine, request);
    for (std::size_t i = begin; i < end; ++i) {
        ys[i] = f(xs[i]);
    }
}

}  // namespace

void ParallelValues::evaluate(const GraphRequest& request, const std::vector<double>& xs,
                              std::vector<std::optional<double>>& ys) {
    ys.resize(xs.size());
    const std::size_t n = xs.size();
    if (n < kWorthAThread) {
        evaluateRange(m_engine, request, xs, ys, 0, n);
        return;
    }
    const std::size_t half = n / 2;
    std::thread helper;
    try {
        helper = std::thread([&] { evaluateRange(m_helper, request, xs, ys, half, n); });
    } catch (const std::system_error&) {
        evaluateRange(m_engine, request, xs, ys, half, n);  // no thread to be had: one core
    }
    evaluateRange(m_engine, request, xs, ys, 0, half);
    if (helper.joinable()) {
        helper.join();
    }
}

}  // namespace numira::graph
