// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include "graph/curve_columns.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace numira::graph {
namespace {

void thinPiece(const std::vector<CurvePoint>& piece, double from, double scale, int columns,
               std::vector<CurvePoint>& out) {
    const auto columnOf = [&](double x) {
        return std::clamp(static_cast<long>(std::floor((x - from) * scale)), 0L,
                          static_cast<long>(columns) - 1);
    };
    std::size_t lastKept = 0;
    out.push_back(piece.front());
    const auto keep = [&](std::size_t i) {
        if (i > lastKept) {
            out.push_back(piece[i]);
            lastKept = i;
        }
    };
    std::size_t i = 0;
    while (i < piece.size()) {
        const long column = columnOf(piece[i].x);
        std::size_t low = i;
        std::size_t high = i;
        std::size_t j = i + 1;
        for (; j < piece.size() && columnOf(piece[j].x) == column; ++j) {
            low = piece[j].y < piece[low].y ? j : low;
            high = piece[j].y > piece[high].y ? j : high;
        }
        keep(std::min(low, high));
        keep(std::max(low, high));
        i = j;
    }
    keep(piece.size() - 1);
}

}  // namespace

std::vector<std::vector<CurvePoint>> thinToColumns(
    const std::vector<std::vector<CurvePoint>>& pieces, double from, double to, int columns) {
    if (!(to > from) || columns < 1) {
        return pieces;
    }
    const double scale = columns / (to - from);
    std::vector<std::vector<CurvePoint>> thinned(pieces.size());
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (!pieces[k].empty()) {
            thinned[k].reserve(
                std::min(pieces[k].size(), 2 * static_cast<std::size_t>(columns) + 2));
            thinPiece(pieces[k], from, scale, columns, thinned[k]);
        }
    }
    return thinned;
}

}  // namespace numira::graph
