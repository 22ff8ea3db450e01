// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/parallel_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numira::graph {
namespace {

// Both cores give what one engine gives x by x, values and failures alike, for expressions
// built from every function, in both angle units.
TEST(ParallelValuesTest, AgreeWithTheTableXByX) {
    const std::vector<std::string> parts = {"x",       "x^2",       "SIN(x)",  "COS(x)",
                                            "TAN(x)",  "COTAN(x)",  "SQRT(x)", "Atan(1/x)",
                                            "Asin(x)", "Acos(x/9)", "2x-1,5",  "x^x"};
    const std::vector<std::string> operators = {"+", "*", "/", "^"};
    std::vector<double> xs;
    for (int i = 0; i <= 600; ++i) {
        xs.push_back(-9 + 0.03 * i);  // crosses 0, the poles of TAN in radians, and +-1
    }
    xs.insert(xs.end(), {0, -0.0, 90, -90, 1e-300, 4.9e-324, 1e300, 0.1, -1});
    Engine engine;
    ParallelValues values(engine);
    Engine reference;
    std::vector<std::optional<double>> ys;
    for (const bool degrees : {false, true}) {
        for (std::size_t a = 0; a < parts.size(); ++a) {
            const std::string& op = operators[a % operators.size()];
            const std::string expression = parts[a] + op + parts[(a * 5 + 3) % parts.size()];
            SCOPED_TRACE(expression + (degrees ? " deg" : " rad"));
            const GraphRequest request{expression, degrees, {}};
            values.evaluate(request, xs, ys);
            ASSERT_EQ(ys.size(), xs.size());
            int defined = 0;
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const FunctionValue one = evaluateAt(reference, request, tableX(xs[i]).text);
                EXPECT_EQ(ys[i], one.value) << "x = " << xs[i];
                defined += one.value ? 1 : 0;
            }
            EXPECT_GT(defined, 0);  // a fault that fails everything would agree too
        }
    }
}

}  // namespace
}  // namespace numira::graph
