// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "engine/failure.h"
#include "engine/number_text.h"
#include "engine/words.h"
#include "graph/command3.h"
#include "graph/key_points.h"
#include "graph/xlsx_sheet.h"

namespace {

void appendList(std::string& out, const std::vector<double>& xs) {
    out += '[';
    for (std::size_t i = 0; i < xs.size(); ++i) {
        out += i == 0 ? "" : ", ";
        numira::appendNumber(out, xs[i]);
    }
    out += ']';
}

void appendList(std::string& out, const std::vector<numira::graph::CurvePoint>& points) {
    out += '[';
    for (std::size_t i = 0; i < points.size(); ++i) {
        out += i == 0 ? "[" : ", [";
        numira::appendNumber(out, points[i].x);
        out += ", ";
        numira::appendNumber(out, points[i].y);
        out += ']';
    }
    out += ']';
}

// The key points as one JSON object; the engine's number text is a JSON number.
std::string pointsJson(const numira::graph::KeyPoints& p) {
    std::string out = "{\"zeros\": ";
    appendList(out, p.zeros);
    out += ", \"minima\": ";
    appendList(out, p.minima);
    out += ", \"maxima\": ";
    appendList(out, p.maxima);
    out += ", \"breaks\": ";
    appendList(out, p.breaks);
    out += "}\n";
    return out;
}

}  // namespace

int runTable(std::span<const std::string_view> args) {
    numira::graph::GraphRequest request;
    std::string_view xlsx;
    bool haveText = false;
    bool points = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        double* bound = arg == "--from"   ? &request.range.from
                        : arg == "--to"   ? &request.range.to
                        : arg == "--step" ? &request.range.step
                                          : nullptr;
        if (arg == "--table" && hasValue) {
            request.expression = args[++i];
            haveText = true;
        } else if (bound != nullptr && hasValue) {
            const auto value = numira::graph::readRangeNumber(args[++i]);
            if (!value) {
                return usageError(std::string(arg) + " takes a number, such as 0,5 or 0.5");
            }
            *bound = *value;
        } else if (arg == "--degrees") {
            request.degreesMode = true;
        } else if (arg == "--points") {
            points = true;
        } else if (arg == "--xlsx" && hasValue) {
            xlsx = args[++i];
        } else {
            return usageError("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!haveText) {
        return usageError("--table is required");
    }
    const auto fail = [](std::string_view message) {
        std::fprintf(stderr, "numira-cli: %.*s\n", static_cast<int>(message.size()),
                     message.data());
        return 1;
    };
    if (request.expression.empty()) {
        return fail(numira::word(numira::Word::NothingToTabulate));
    }
    if (const auto problem = numira::graph::rangeProblem(request.range)) {
        return fail(*problem);
    }
    const numira::graph::FunctionTable table = numira::graph::tabulate(request);
    if (table.refused) {
        return fail(numira::failureReason(*table.refused));
    }
    if (!xlsx.empty()) {
        if (const auto problem = numira::graph::saveTable(table, std::string(xlsx))) {
            return fail(*problem);
        }
    }
    if (points) {
        numira::Engine engine;
        std::fputs(pointsJson(numira::graph::findKeyPoints(table, engine)).c_str(), stdout);
        return 0;
    }
    if (!xlsx.empty()) {
        return 0;
    }
    numira::graph::TableSheet sheet;
    numira::graph::Command3_Click(sheet, table);
    std::fputs(numira::graph::tableText(sheet).c_str(), stdout);
    return 0;
}
