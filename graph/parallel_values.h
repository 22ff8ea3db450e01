// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#pragma once

#include <optional>
#include <vector>

#include "graph/function_table.h"

namespace numira::graph {

// A request's values at many x at once, as FunctionOfX gives them one by one, on two cores:
// the caller's engine takes the first half, an engine of this object's own the second on a
// thread of its own. Engines share nothing, so the values are the same as one engine's.
class ParallelValues {
  public:
    explicit ParallelValues(Engine& engine) : m_engine(engine) {}
    ParallelValues(const ParallelValues&) = delete;
    ParallelValues& operator=(const ParallelValues&) = delete;

    Engine& engine() { return m_engine; }
    // ys[i] is the value at xs[i], nothing where there is none; ys is resized to fit.
    void evaluate(const GraphRequest& request, const std::vector<double>& xs,
                  std::vector<std::optional<double>>& ys);

  private:
    Engine& m_engine;
    Engine m_helper;
};

}  // namespace numira::graph
