// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Numira contributors
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "engine/engine.h"
#include "engine/failure_span.h"
#include "engine/result_caption.h"
#include "window/form1.h"

namespace {

// What the keys can type as the value of x: digits, the decimal comma (or point) and pi. Any
// other text would be spliced into the expression as it stands. An empty value is x with no
// value, as in the window.
bool isTypableX(std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "pi") == 0) {
            ++i;
        } else if (!(value[i] >= '0' && value[i] <= '9') && value[i] != ',' && value[i] != '.') {
            return false;
        }
    }
    return true;
}

}  // namespace

int runExpr(std::span<const std::string_view> args) {
    std::string_view expression;
    bool haveExpression = false;
    numira::EngineSettings settings;
    int decimals = numira::kDefaultDecimals;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((arg == "--expr" || arg == "--decimals" || arg == "--x") && !hasValue) {
            return usageError(std::string(arg) + " needs a value");
        }
        if (arg == "--expr") {
            expression = args[++i];
            haveExpression = true;
        } else if (arg == "--degrees") {
            settings.degreesMode = true;
        } else if (arg == "--decimals") {
            const std::string_view n = args[++i];
            if (n.size() != 1 || n[0] < '0' || n[0] > '7') {
                return usageError("--decimals takes a number from 0 to 7");
            }
            decimals = n[0] - '0';
        } else if (arg == "--x") {
            settings.xEntryMode = true;
            settings.xValue = args[++i];
            if (!isTypableX(settings.xValue)) {
                return usageError("x takes digits, a decimal comma and pi");
            }
        } else {
            return usageError("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!haveExpression) {
        return usageError("--expr is required");
    }

    numira::Engine engine;
    const numira::Evaluation result = engine.evaluate(expression, settings);
    if (!result.evaluated) {
        std::fputs("numira-cli: nothing to evaluate\n", stderr);
        return 1;
    }
    if (result.failure) {
        const std::string_view reason = numira::failureReason(*result.failure);
        const auto span = numira::locateFailure(expression, *result.failure, settings);
        // The column of the failing part, counted in characters from 1 as editors count.
        std::size_t column = 1;
        for (std::size_t i = 0; span && i < span->begin; ++i) {
            column += (static_cast<unsigned char>(expression[i]) & 0xC0) != 0x80 ? 1 : 0;
        }
        std::fprintf(stderr, "numira-cli: 1:%zu: %.*s\n", column, static_cast<int>(reason.size()),
                     reason.data());
        return 1;
    }
    std::puts(numira::resultCaption(result.numberText, decimals).c_str());
    return 0;
}
