// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/curve_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace numira::graph {
namespace {

using Pieces = std::vector<std::vector<CurvePoint>>;

struct Extent {
    double low = INFINITY;
    double high = -INFINITY;
    int count = 0;
};

// Per piece, the lowest and highest y of each column, counted by brute force.
std::vector<std::map<long, Extent>> extents(const Pieces& pieces, int columns) {
    std::vector<std::map<long, Extent>> all;
    for (const auto& piece : pieces) {
        auto& byColumn = all.emplace_back();
        for (const CurvePoint& p : piece) {
            Extent& e = byColumn[std::min<long>(static_cast<long>(p.x * columns), columns - 1)];
            e.low = std::min(e.low, p.y);
            e.high = std::max(e.high, p.y);
            ++e.count;
        }
    }
    return all;
}

// Random walks over [0; 1] in pieces, drawn in 1 to 700 columns: each column keeps its
// lowest and highest point, the ends and the gaps stay, the points are the curve's own in
// order, and a column holds at most two of them besides a piece's ends.
TEST(CurveColumnsTest, KeepEachColumnsExtremesAndTheGaps) {
    std::mt19937 random(24);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const int columns : {1, 3, 97, 700}) {
        for (int round = 0; round < 20; ++round) {
            std::vector<double> xs(static_cast<std::size_t>(1 + round * round * 20));
            for (double& x : xs) {
                x = unit(random);
            }
            std::sort(xs.begin(), xs.end());
            Pieces pieces(1);
            double y = 0;
            for (const double x : xs) {
                if (unit(random) < 0.01) {
                    pieces.emplace_back();  // a break
                }
                y += unit(random) - 0.5;
                pieces.back().push_back({x, y});
            }
            std::erase_if(pieces, [](const auto& p) { return p.empty(); });
            SCOPED_TRACE(testing::Message() << columns << " columns, round " << round);

            const Pieces thinned = thinToColumns(pieces, 0, 1, columns);
            ASSERT_EQ(thinned.size(), pieces.size());
            const auto before = extents(pieces, columns);
            const auto after = extents(thinned, columns);
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                ASSERT_FALSE(thinned[k].empty());
                EXPECT_EQ(thinned[k].front().x, pieces[k].front().x);
                EXPECT_EQ(thinned[k].back().x, pieces[k].back().x);
                auto from = pieces[k].begin();
                for (const CurvePoint& p : thinned[k]) {
                    from = std::find_if(from, pieces[k].end(), [&](const CurvePoint& q) {
                        return q.x == p.x && q.y == p.y;
                    });
                    ASSERT_NE(from, pieces[k].end()) << "not the curve's point, or out of order";
                    ++from;
                }
                ASSERT_EQ(after[k].size(), before[k].size());
                for (const auto& [column, e] : before[k]) {
                    const Extent& kept = after[k].at(column);
                    EXPECT_EQ(kept.low, e.low);
                    EXPECT_EQ(kept.high, e.high);
                    EXPECT_LE(kept.count,
                              4);  // the piece's first and last, the lowest, the highest
                }
                EXPECT_LE(thinned[k].size(), 2 * before[k].size() + 2);
            }
        }
    }
}

}  // namespace
}  // namespace numira::graph
