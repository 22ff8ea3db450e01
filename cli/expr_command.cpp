#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "engine/engine.h"
#include "engine/result_caption.h"

int runExpr(std::span<const std::string_view> args) {
    std::string_view expression;
    bool haveExpression = false;
    numira::EngineSettings settings;
    int decimals = 5;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--expr" && hasValue) {
            expression = args[++i];
            haveExpression = true;
        } else if (arg == "--degrees") {
            settings.degreesMode = true;
        } else if (arg == "--decimals" && hasValue) {
            const std::string_view n = args[++i];
            if (n.size() != 1 || n[0] < '0' || n[0] > '7') {
                return usageError("--decimals takes a number from 0 to 7");
            }
            decimals = n[0] - '0';
        } else if (arg == "--x" && hasValue) {
            settings.xEntryMode = true;
            settings.xValue = args[++i];
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
        std::fprintf(stderr, "numira-cli: %.*s\n", static_cast<int>(reason.size()), reason.data());
        return 1;
    }
    std::puts(numira::resultCaption(result.numberText, decimals).c_str());
    return 0;
}
